#include "SvgCanvas.h"

#include <algorithm>
#include <cstdio>

#include "TextMetrics.h"
#include "cp1252/Cp1252.h"

namespace forms::svg {

namespace {

// Numbers with at most two decimals and no trailing zeros, so the pictures
// read the same on every machine.
std::string N(double v) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.2f", v);
    std::string s = buffer;
    while (s.back() == '0') s.pop_back();
    if (s.back() == '.') s.pop_back();
    return s == "-0" ? "0" : s;
}

// The face whose metrics the widths were taken from, then the faces with the
// same metrics a viewer may have instead, so every renderer sets the text as
// wide as it was measured. A face we hold no metrics for is drawn in Arial's.
std::string Family(const Font& font) {
    if (font.name.find("Courier") != std::string::npos) return "'Courier New', 'Liberation Mono', Cousine, monospace";
    if (font.name.find("Times") != std::string::npos) return "'Times New Roman', 'Liberation Serif', Tinos, serif";
    return "Arial, 'Liberation Sans', Arimo, sans-serif";
}

const char* AnchorName(TextStyle::Anchor a) {
    switch (a) {
        case TextStyle::Anchor::Middle: return "middle";
        case TextStyle::Anchor::End: return "end";
        default: return "start";
    }
}

}  // namespace

std::string Hex(Color c) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "#%02x%02x%02x", c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
    return buffer;
}

std::string Escape(const std::string& cp1252) {
    std::string out;
    for (const char c : cp1252::Cp1252ToUtf8(cp1252)) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            case '\'': out += "&apos;"; break;
            default:
                // Control characters have no place in XML.
                if (static_cast<unsigned char>(c) >= 0x20 || c == '\t') out += c;
        }
    }
    return out;
}

Canvas::Canvas(int width, int height) {
    out_ << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << width << "\" height=\"" << height
         << "\" viewBox=\"0 0 " << width << ' ' << height << "\">\n";
}

void Canvas::Open(int x, int y, int width, int height, const std::string& name, bool cut) {
    out_ << "<svg x=\"" << x << "\" y=\"" << y << "\" width=\"" << std::max(0, width) << "\" height=\""
         << std::max(0, height) << "\" overflow=\"" << (cut ? "hidden" : "visible") << "\"><title>" << Escape(name)
         << "</title>\n";
    ++open_;
}

void Canvas::Clip(double x, double y, double width, double height) {
    out_ << "<svg class=\"clip\" x=\"" << N(x) << "\" y=\"" << N(y) << "\" width=\"" << N(std::max(0.0, width))
         << "\" height=\"" << N(std::max(0.0, height)) << "\" overflow=\"hidden\">\n";
    ++open_;
}

void Canvas::Close() {
    if (open_ == 0) return;
    out_ << "</svg>\n";
    --open_;
}

void Canvas::Rect(double x, double y, double width, double height, Color fill) {
    if (width <= 0 || height <= 0) return;
    out_ << "<rect x=\"" << N(x) << "\" y=\"" << N(y) << "\" width=\"" << N(width) << "\" height=\"" << N(height)
         << "\" fill=\"" << Hex(fill) << "\"/>\n";
}

void Canvas::Frame(double x, double y, double width, double height, Color stroke, bool dotted) {
    if (width <= 1 || height <= 1) return;
    out_ << "<rect x=\"" << N(x + 0.5) << "\" y=\"" << N(y + 0.5) << "\" width=\"" << N(width - 1)
         << "\" height=\"" << N(height - 1) << "\" fill=\"none\" stroke=\"" << Hex(stroke) << '"'
         << (dotted ? " stroke-dasharray=\"1 1\"" : "") << "/>\n";
}

void Canvas::Line(double x1, double y1, double x2, double y2, Color stroke) {
    out_ << "<line x1=\"" << N(x1) << "\" y1=\"" << N(y1) << "\" x2=\"" << N(x2) << "\" y2=\"" << N(y2)
         << "\" stroke=\"" << Hex(stroke) << "\"/>\n";
}

void Canvas::Ring(int x, int y, int width, int height, Color topLeft, Color bottomRight) {
    if (width < 2 || height < 2) return;
    const double l = x + 0.5, t = y + 0.5, r = x + width - 0.5, b = y + height - 0.5;
    Line(l, b, l, t, topLeft);
    Line(l, t, r, t, topLeft);
    Line(r, t, r, b, bottomRight);
    Line(l, b, r, b, bottomRight);
}

void Canvas::Text(double x, double y, const std::string& cp1252, const TextStyle& style) {
    if (cp1252.empty()) return;
    out_ << "<text x=\"" << N(x) << "\" y=\"" << N(y) << "\" font-family=\"" << Family(style.font)
         << "\" font-size=\"" << N(text::PixelSize(style.font)) << '"' << (style.font.bold ? " font-weight=\"bold\"" : "")
         << (style.font.italic ? " font-style=\"italic\"" : "") << " fill=\"" << Hex(style.color) << '"'
         << (style.anchor != TextStyle::Anchor::Start ? std::string(" text-anchor=\"") + AnchorName(style.anchor) + '"'
                                                      : std::string())
         << " xml:space=\"preserve\">";
    const auto at = static_cast<size_t>(style.spanStart);
    if (style.spanStart < 0 || style.spanLength <= 0 || at >= cp1252.size()) {
        out_ << Escape(cp1252);
    } else {
        const size_t length = std::min(static_cast<size_t>(style.spanLength), cp1252.size() - at);
        out_ << Escape(cp1252.substr(0, at)) << "<tspan"
             << (style.spanUnderline ? " text-decoration=\"underline\"" : "")
             << (style.spanRecoloured ? " fill=\"" + Hex(style.spanColor) + '"' : std::string()) << '>'
             << Escape(cp1252.substr(at, length)) << "</tspan>" << Escape(cp1252.substr(at + length));
    }
    out_ << "</text>\n";
}

void Canvas::Polygon(std::initializer_list<Point> points, Color fill, Color stroke) {
    out_ << "<polygon points=\"";
    const char* separator = "";
    for (const Point& p : points) {
        out_ << separator << N(p.x) << ',' << N(p.y);
        separator = " ";
    }
    out_ << "\" fill=\"" << Hex(fill) << "\" stroke=\"" << Hex(stroke) << "\"/>\n";
}

void Canvas::Circle(double cx, double cy, double r, Color fill, Color stroke) {
    out_ << "<circle cx=\"" << N(cx) << "\" cy=\"" << N(cy) << "\" r=\"" << N(r) << "\" fill=\"" << Hex(fill)
         << "\" stroke=\"" << Hex(stroke) << "\"/>\n";
}

std::string Canvas::Finish() {
    while (open_ > 0) Close();
    out_ << "</svg>\n";
    return out_.str();
}

}  // namespace forms::svg
