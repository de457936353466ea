#pragma once
// Puts what the cell painter drew on the curses screen: each role in its
// colours, or, on a monochrome terminal (or with NO_COLOR set), in attributes
// that tell the focus, the boxes and the selection apart without colour.
#include "forms/backends/CellCanvas.h"
#include "forms/backends/CellPainter.h"

namespace forms {

class Application;

class TerminalPainter {
public:
    TerminalPainter();
    void Paint(Application& app, const BoxView* box);

private:
    void Flush(const CellCanvas& canvas);
    int Attributes(const Cell& cell) const;
    bool colors_ = false;
};

}  // namespace forms
