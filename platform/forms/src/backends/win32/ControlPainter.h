#pragma once
// Paints one control of the form model with GDI: what it shows, read from
// the model, and nothing the model does not hold.
#include <map>
#include <string>
#include <tuple>

#include "Win32.h"
#include "forms/ControlVisitor.h"
#include "forms/Types.h"

namespace forms {

class Control;
class Edit;
class Form;

namespace win32 {

class ControlPainter final : private ControlVisitor {
public:
    ControlPainter() = default;
    ~ControlPainter();
    ControlPainter(const ControlPainter&) = delete;
    ControlPainter& operator=(const ControlPainter&) = delete;

    void PaintForm(HDC dc, const RECT& area, const Form& f);
    void Paint(HDC dc, const RECT& area, const Control& c, bool focused);

private:
    // Each kind draws itself into area_ on dc_.
    void Visit(const Label& label) override;
    void Visit(const Edit& edit) override;
    void Visit(const GlyphButton& button) override;
    void Visit(const Panel& panel) override;
    void Visit(const Memo& memo) override;
    void Visit(const Image& image) override;

    HFONT FontOf(const Font& font);
    static Color Background(const Control& c);
    void EditText(HDC dc, const RECT& r, const Edit& edit, bool focused, Color background);
    void Text(HDC dc, RECT r, const std::string& cp1252, const Font& font, UINT format, Color background);

    std::map<std::tuple<std::string, int, bool, bool>, HFONT> fonts_;
    HDC dc_ = nullptr;  // where the control being visited is drawn
    RECT area_{};
    bool focused_ = false;
};

}  // namespace win32
}  // namespace forms
