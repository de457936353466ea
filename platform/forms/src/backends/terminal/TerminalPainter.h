#pragma once
// Draws the active form, and a message box over it, on the curses screen.
#include <cstdint>
#include <string>

namespace forms {

class Application;
class Form;
class Memo;
struct CellRect;

struct BoxView {
    std::string text;     // CP1252
    std::string caption;  // CP1252
    bool yesNo = false;
    int selected = 0;  // 0 the first button (OK or Sim), 1 "Não"
};

class TerminalPainter {
public:
    TerminalPainter();
    void Paint(Application& app, const BoxView* box);

private:
    void PaintForm(Form& f);
    void PaintBox(const BoxView& box);
    void PaintMemo(Memo& memo, const CellRect& r, int attr);
    void Put(int y, int x, const std::string& cp1252, int attr, int width = -1);
    bool colors_ = false;
    int caretY_ = -1, caretX_ = -1;
};

}  // namespace forms
