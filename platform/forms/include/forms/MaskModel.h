#pragma once
#include <string>
#include <vector>

namespace forms {

// The rules of an edit mask string ("99/99/9999;1;_"): which positions take
// which characters, where the literals are, what the program reads back.
// Kept apart from the edit so it can be tested row by row.
class MaskModel {
public:
    MaskModel() = default;
    explicit MaskModel(const std::string& editMask);

    bool Empty() const { return slots_.empty(); }
    const std::string& EditMask() const { return editMask_; }
    bool KeepLiterals() const { return keepLiterals_; }
    char BlankChar() const { return blank_; }
    int Length() const { return static_cast<int>(slots_.size()); }

    // The displayed form of a value laid into the mask (blanks shown as BlankChar).
    std::string Display() const;
    // The same with every filled position as `hidden` ("**/__" for a secret):
    // what was typed stays unread, how much was typed shows.
    std::string Display(char hidden) const;
    // The text the program reads: blanks as spaces, literals kept when the
    // second field is "1", dropped otherwise.
    std::string Text() const;
    // Lays a program-set text into the mask.
    void SetText(const std::string& text);
    void Clear();

    bool IsLiteral(int pos) const;
    // Accepts a typed character at a position (case conversion applied);
    // returns false when the character does not fit the mask there.
    bool Accepts(int pos, char c) const;
    char Convert(int pos, char c) const;
    // Types c at or after pos (skipping literals); returns the caret after it,
    // or -1 when refused.
    int Type(int pos, char c);
    // Erases the character before the caret; returns the new caret.
    int Backspace(int pos);
    // First editable position at or after pos (Length() when none).
    int NextEditable(int pos) const;
    // True when every required position is filled.
    bool Complete() const;

private:
    enum class Kind { Literal, Digit, Letter, AlphaNum, Any, DigitSign };
    struct Slot {
        Kind kind = Kind::Literal;
        bool required = false;
        int caseMode = 0;  // 0 none, 1 upper, -1 lower
        char literal = 0;
        char value = 0;  // 0 = blank
    };
    std::string editMask_;
    bool keepLiterals_ = true;
    char blank_ = '_';
    bool leadingBlanks_ = false;
    std::vector<Slot> slots_;
};

}  // namespace forms
