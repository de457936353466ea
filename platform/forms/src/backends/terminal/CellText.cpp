#include "CellText.h"

#include <algorithm>

namespace forms {

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines(1);
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            lines.emplace_back();
        } else {
            lines.back() += text[i];
        }
    }
    return lines;
}

std::vector<std::string> Wrap(const std::string& text, int width) {
    std::vector<std::string> lines;
    for (const std::string& para : SplitLines(text)) {
        std::string line;
        size_t i = 0;
        while (i <= para.size()) {
            const size_t end = std::min(para.find(' ', i), para.size());
            const std::string word = para.substr(i, end - i);
            if (!line.empty() && static_cast<int>(line.size() + 1 + word.size()) > width) {
                lines.push_back(line);
                line.clear();
            }
            line += (line.empty() ? "" : " ") + word;
            i = end + 1;
        }
        lines.push_back(line);
    }
    return lines;
}

int AcceleratorIndex(const std::string& caption) {
    int shown = 0;
    for (size_t i = 0; i < caption.size(); ++i, ++shown) {
        if (caption[i] != '&') continue;
        if (i + 1 >= caption.size()) return -1;
        if (caption[i + 1] != '&') return shown;
        ++i;
    }
    return -1;
}

}  // namespace forms
