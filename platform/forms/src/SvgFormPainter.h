#pragma once
// Draws a form and its controls onto a picture at the positions, sizes, fonts
// and colours the form declares, in the platform's classic look. Reads the
// model only; changes nothing.
#include <vector>

#include "SvgCanvas.h"
#include "forms/Form.h"

namespace forms {
class Edit;
class GlyphButton;
class Label;
class Memo;
class Panel;
}  // namespace forms

namespace forms::svg {

class FormPainter {
public:
    explicit FormPainter(Canvas& canvas) : canvas_(canvas) {}
    // The form with its top-left corner at the picture's origin.
    void Paint(const Form& f);

private:
    class Kinds;

    void PaintChildren(const std::vector<Control*>& children, int width, int height, Color background);
    void PaintControl(const Control& c, int width, int height, Color background);
    void PaintLabel(const Label& label, int width, int height, Color background);
    void PaintEdit(const Edit& edit, int width, int height);
    void PaintButton(const GlyphButton& button, int width, int height);
    void PaintPanel(const Panel& panel, int width, int height);
    void PaintMemo(const Memo& memo, int width, int height);
    void ScrollBar(int x, int y, int height, int lines, int shown, int top);

    Canvas& canvas_;
    const Control* focused_ = nullptr;
};

// The platform's face of a push button (also the message box's), with its
// caption centred and the accelerator, when there is one, underlined.
void PaintPushButton(Canvas& canvas, int width, int height, const std::string& caption, int accelerator,
                     const Font& font, bool enabled, bool focused, bool isDefault);

}  // namespace forms::svg
