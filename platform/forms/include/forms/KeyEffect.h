#pragma once
namespace forms {

class Control;

// What one key does where the focus stands, as the form's routing decides it.
// Whoever must say it before the key is pressed (the terminal's key line)
// asks the form for it instead of working the rules out again.
struct KeyEffect {
    enum class Kind {
        None,   // the key reaches nothing that acts on it
        Focus,  // the focus moves to `target`
        Type,   // `target` takes the character
        Erase,  // `target` erases before its caret
        Undo,   // `target`, a masked box, abandons the operator's changes
        Press,  // `target`, a button, is pressed
        Scroll  // `target`, a memo, scrolls
    };
    Kind kind = Kind::None;
    Control* target = nullptr;
    bool operator==(const KeyEffect&) const = default;
};

// What a form's key-preview handler does with a key, said without running
// it: a screen whose preview takes keys declares it beside the handler, from
// the same rule (Form::OnKeyPreviewQuery).
enum class PreviewEffect { PassOn, SelectNext, Discard };

}  // namespace forms
