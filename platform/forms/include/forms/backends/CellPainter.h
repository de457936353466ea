#pragma once
// What the terminal shows, drawn into a canvas of cells: the active form laid
// out on the cells, a message box over it and the line of keys at the
// bottom; on a canvas smaller than every screen needs, only a notice saying
// so (and that keys do nothing until it is larger).
#include <cstdint>
#include <string>

#include "forms/MessageBoxStyle.h"
#include "forms/backends/CellCanvas.h"

namespace forms {

class Application;

struct BoxView {
    std::string text;     // CP1252
    std::string caption;  // CP1252
    uint32_t flags = 0;   // buttons and icon, as the message box was asked for
    int selected = 0;     // the index of the button the operator stands on
    MessageBoxStyle Style() const { return MessageBoxStyle::Decode(flags); }
};

// Below 80x24 the screens do not fit: the terminal shows a notice instead,
// and no key reaches a screen the operator cannot see.
bool TooSmallForScreens(int cols, int rows);

void PaintCells(Application& app, const BoxView* box, CellCanvas& canvas);

}  // namespace forms
