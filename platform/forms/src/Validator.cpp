#include "forms/Validator.h"

#include "forms/Locale.h"
#include "forms/Types.h"

namespace forms {

char Validator::Apply(char key, const std::string& text) const {
    if (kind == Kind::Anything || key == VK_BACK || key == VK_RETURN) return key;
    if (kind == Kind::Digits) return key >= lowest && key <= highest ? key : 0;
    if (key >= '0' && key <= '9') return key;
    if (key != ',' && key != '.') return 0;
    const char separator = Settings().decimalSeparator;
    return text.find(separator) == std::string::npos ? separator : 0;
}

}  // namespace forms
