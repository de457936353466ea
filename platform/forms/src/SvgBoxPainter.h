#pragma once
// The platform's message box as a picture: title bar with the caption, the
// icon its flags ask for, the text, and its buttons with the default one
// focused, sized to hold the longest of them.
#include <cstdint>
#include <string>
#include <vector>

#include "SvgCanvas.h"
#include "forms/MessageBoxStyle.h"

namespace forms::svg {

class BoxPainter {
public:
    BoxPainter(std::string text, std::string caption, uint32_t flags);
    int Width() const { return width_; }
    int Height() const { return height_; }
    // The box with its top-left corner at (x, y).
    void Paint(Canvas& canvas, int x, int y) const;

private:
    void PaintIcon(Canvas& canvas, int x, int y) const;

    std::string caption_;
    std::vector<std::string> lines_;
    std::vector<std::string> buttons_;
    size_t defaultButton_ = 0;
    BoxIcon icon_ = BoxIcon::None;
    int textWidth_ = 0, textHeight_ = 0;
    int width_ = 0, height_ = 0;
};

}  // namespace forms::svg
