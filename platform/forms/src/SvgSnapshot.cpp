#include "forms/SvgSnapshot.h"

#include <algorithm>

#include "SvgBoxPainter.h"
#include "SvgCanvas.h"
#include "SvgFormPainter.h"
#include "forms/Form.h"

namespace forms {

std::string FormSvg(const Form& f) {
    svg::Canvas canvas(f.ShownWidth(), f.ShownHeight());
    svg::FormPainter(canvas).Paint(f);
    return canvas.Finish();
}

std::string MessageBoxSvg(const Form* under, const std::string& text, const std::string& caption, uint32_t flags) {
    const svg::BoxPainter box(text, caption, flags);
    const int width = std::max(box.Width(), under ? under->ShownWidth() : 0);
    const int height = std::max(box.Height(), under ? under->ShownHeight() : 0);
    svg::Canvas canvas(width, height);
    if (under) {
        // A box wider than its form keeps the form centred under it.
        canvas.Open((width - under->ShownWidth()) / 2, (height - under->ShownHeight()) / 2, under->ShownWidth(),
                    under->ShownHeight(),
                    under->Name());
        svg::FormPainter(canvas).Paint(*under);
        canvas.Close();
    }
    box.Paint(canvas, (width - box.Width()) / 2, (height - box.Height()) / 2);
    return canvas.Finish();
}

}  // namespace forms
