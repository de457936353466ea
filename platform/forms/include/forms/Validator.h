#pragma once
#include <string>

namespace forms {

// What an edit box accepts of the keys typed into it, declared with the box.
// The form applies it before the box's own key handler, and the key line asks
// it too, so a box never offers a key it would refuse. Enter and Backspace
// always pass.
struct Validator {
    enum class Kind {
        Anything,
        Digits,  // the digits from `lowest` to `highest`
        Amount,  // digits and one decimal separator ('.' and ',' both give the locale's)
    };
    Kind kind = Kind::Anything;
    char lowest = '0';
    char highest = '9';
    // Runs on each key really typed, before the rule (the keyboard's own
    // filter); a mere question about what a key would do skips it. A plain
    // function: rows are declared by the hundred and copied freely.
    char (*filter)(char key) = nullptr;

    // The key as the box takes it, given the box's text (0: refused).
    char Apply(char key, const std::string& text) const;
};

}  // namespace forms
