#pragma once
#include <string>
#include <string_view>

namespace profile {

// CP1252 upper-case letters and their lower-case forms compare equal, as the
// profile functions of the platform compare names.
char FoldCase(char c);
bool EqualsNoCase(std::string_view a, std::string_view b);
// The name with every letter folded: equal folds are names that compare equal.
std::string FoldName(std::string_view name);

}  // namespace profile
