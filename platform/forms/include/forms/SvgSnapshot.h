#pragma once
// Pictures of what the operator is shown, as SVG documents drawn from the
// form model alone: the positions and sizes the screens declare, their fonts
// and colours, which control has the focus and what the boxes hold. So a
// screen can be reviewed as laid out for the till, whichever backend shows it.
#include <cstdint>
#include <string>

namespace forms {

class Form;

std::string FormSvg(const Form& f);
// A message box as shown: centred over the form it covers (without one, on its own).
std::string MessageBoxSvg(const Form* under, const std::string& text, const std::string& caption, uint32_t flags);

}  // namespace forms
