#pragma once
#include <string>

namespace profile {

// CP1252 upper-case letters and their lower-case forms compare equal, as the
// profile functions of the platform compare names.
char FoldCase(char c);
bool EqualsNoCase(const std::string& a, const std::string& b);
// The name with every letter folded: equal folds are names that compare equal.
std::string FoldName(const std::string& name);

}  // namespace profile
