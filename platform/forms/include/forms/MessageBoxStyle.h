#pragma once
// What a message box's flags ask for, read once for every backend: its
// buttons in the order they stand, its icon, the button that starts focused
// and the one Esc answers. Backends draw and answer from this, never from the
// flags' bits.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace forms {

enum class BoxButton { Ok, Cancel, Yes, No };
enum class BoxIcon { None, Stop, Question, Exclamation, Information };

struct MessageBoxStyle {
    std::vector<BoxButton> buttons;
    BoxIcon icon = BoxIcon::None;
    size_t defaultButton = 0;  // an index into buttons
    size_t escapeButton = 0;   // an index into buttons

    static MessageBoxStyle Decode(uint32_t flags);

    bool YesNo() const { return buttons == std::vector<BoxButton>{BoxButton::Yes, BoxButton::No}; }
    // The index of the button that gives this answer, or buttons.size() when none does.
    size_t IndexOf(int answer) const;
};

// The answer (IDOK, IDYES, ...) a button gives, and its caption as the platform shows it in Portuguese (CP1252).
int AnswerOf(BoxButton b);
std::string CaptionOf(BoxButton b);

}  // namespace forms
