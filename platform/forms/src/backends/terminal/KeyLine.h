#pragma once
// The keys that do something on the screen as it stands, for the bottom line.
#include <string>

namespace forms {

class Form;
struct BoxView;

std::string KeyLine(const Form* form, const BoxView* box);

}  // namespace forms
