#include "forms/MaskModel.h"

#include <algorithm>

#include "cp1252/Cp1252.h"

namespace forms {

namespace {

// Splits "mask;keep;blank" at the unescaped separators; the mask keeps its escapes.
std::vector<std::string> SplitFields(const std::string& editMask) {
    std::vector<std::string> fields(1);
    for (size_t i = 0; i < editMask.size(); ++i) {
        const char c = editMask[i];
        if (c == '\\' && i + 1 < editMask.size() && fields.size() == 1) {
            fields.back() += c;
            fields.back() += editMask[++i];
        } else if (c == ';' && fields.size() < 3) {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

}  // namespace

MaskModel::MaskModel(const std::string& editMask) : editMask_(editMask) {
    const std::vector<std::string> fields = SplitFields(editMask);
    if (fields.size() > 1) keepLiterals_ = fields[1] != "0";
    if (fields.size() > 2 && !fields[2].empty()) blank_ = fields[2][0];

    const std::string& mask = fields[0];
    int caseMode = 0;
    for (size_t i = 0; i < mask.size(); ++i) {
        const char c = mask[i];
        Slot slot;
        switch (c) {
            case '!': leadingBlanks_ = true; continue;
            case '>': caseMode = 1; continue;
            case '<':
                if (i + 1 < mask.size() && mask[i + 1] == '>') {
                    caseMode = 0;
                    ++i;
                } else {
                    caseMode = -1;
                }
                continue;
            case '\\':
                slot.literal = i + 1 < mask.size() ? mask[++i] : '\\';
                break;
            case '0': slot.kind = Kind::Digit; slot.required = true; break;
            case '9': slot.kind = Kind::Digit; break;
            case 'L': slot.kind = Kind::Letter; slot.required = true; break;
            case 'l': slot.kind = Kind::Letter; break;
            case 'A': slot.kind = Kind::AlphaNum; slot.required = true; break;
            case 'a': slot.kind = Kind::AlphaNum; break;
            case 'C': slot.kind = Kind::Any; slot.required = true; break;
            case 'c': slot.kind = Kind::Any; break;
            case '#': slot.kind = Kind::DigitSign; break;
            default: slot.literal = c; break;
        }
        slot.caseMode = caseMode;
        slots_.push_back(slot);
    }
}

std::string MaskModel::Display() const { return Display(0); }

std::string MaskModel::Display(char hidden) const {
    std::string shown;
    for (const Slot& s : slots_) {
        if (s.kind == Kind::Literal)
            shown += s.literal;
        else if (!s.value)
            shown += blank_;
        else
            shown += hidden ? hidden : s.value;
    }
    return shown;
}

std::string MaskModel::Text() const {
    std::string text;
    for (const Slot& s : slots_) {
        if (s.kind == Kind::Literal) {
            if (keepLiterals_) text += s.literal;
        } else {
            text += s.value ? s.value : ' ';
        }
    }
    return text;
}

void MaskModel::Clear() {
    for (Slot& s : slots_) s.value = 0;
}

// Lays the text in character by character. A literal of the text that stands
// where the mask has it is consumed there; a literal that arrives early leaves
// the editable positions before it blank, so "1/05/2024" does not slide.
// With "!" the text is laid from the right, so short texts get leading blanks.
void MaskModel::SetText(const std::string& text) {
    Clear();
    const int n = Length();
    const int step = leadingBlanks_ ? -1 : 1;
    int i = leadingBlanks_ ? n - 1 : 0;
    int j = leadingBlanks_ ? static_cast<int>(text.size()) - 1 : 0;
    const auto textLeft = [&] { return j >= 0 && j < static_cast<int>(text.size()); };
    for (; i >= 0 && i < n; i += step) {
        Slot& s = slots_[static_cast<size_t>(i)];
        if (s.kind == Kind::Literal) {
            if (textLeft() && text[static_cast<size_t>(j)] == s.literal) j += step;
            continue;
        }
        if (!textLeft()) break;
        const char ch = text[static_cast<size_t>(j)];
        if (ch != ' ' && !Accepts(i, ch)) {
            int k = i + step;
            while (k >= 0 && k < n && slots_[static_cast<size_t>(k)].kind != Kind::Literal) k += step;
            if (k >= 0 && k < n && slots_[static_cast<size_t>(k)].literal == ch) continue;
        }
        s.value = (ch != ' ' && Accepts(i, ch)) ? Convert(i, ch) : 0;
        j += step;
    }
}

bool MaskModel::IsLiteral(int pos) const {
    return pos < 0 || pos >= Length() || slots_[static_cast<size_t>(pos)].kind == Kind::Literal;
}

char MaskModel::Convert(int pos, char c) const {
    if (pos < 0 || pos >= Length()) return c;
    const int mode = slots_[static_cast<size_t>(pos)].caseMode;
    if (mode > 0) return cp1252::Cp1252Upper(c);
    if (mode < 0) return cp1252::Cp1252Lower(c);
    return c;
}

bool MaskModel::Accepts(int pos, char c) const {
    if (IsLiteral(pos)) return false;
    const Slot& s = slots_[static_cast<size_t>(pos)];
    if (c == ' ') return !s.required;  // a blank leaves an optional position empty
    const char x = Convert(pos, c);
    switch (s.kind) {
        case Kind::Digit: return cp1252::Cp1252IsDigit(x);
        case Kind::Letter: return cp1252::Cp1252IsLetter(x);
        case Kind::AlphaNum: return cp1252::Cp1252IsLetter(x) || cp1252::Cp1252IsDigit(x);
        case Kind::Any: return static_cast<unsigned char>(x) >= 32 && x != 127;
        case Kind::DigitSign: return cp1252::Cp1252IsDigit(x) || x == '+' || x == '-';
        case Kind::Literal: return false;
    }
    return false;
}

int MaskModel::Type(int pos, char c) {
    const int p = NextEditable(std::max(pos, 0));
    if (p >= Length() || !Accepts(p, c)) return -1;
    slots_[static_cast<size_t>(p)].value = c == ' ' ? 0 : Convert(p, c);
    return NextEditable(p + 1);
}

int MaskModel::Backspace(int pos) {
    int q = std::min(pos, Length()) - 1;
    while (q >= 0 && IsLiteral(q)) --q;
    if (q < 0) return std::clamp(pos, 0, Length());
    slots_[static_cast<size_t>(q)].value = 0;
    return q;
}

int MaskModel::NextEditable(int pos) const {
    int p = std::max(pos, 0);
    while (p < Length() && IsLiteral(p)) ++p;
    return p;
}

bool MaskModel::Complete() const {
    return std::none_of(slots_.begin(), slots_.end(),
                        [](const Slot& s) { return s.required && s.value == 0; });
}

}  // namespace forms
