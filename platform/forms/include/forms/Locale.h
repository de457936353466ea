#pragma once
#include <string>

namespace forms {

// The system's format settings that the screens read: decimal separator and
// short date format. Default pt-BR; tests may switch them.
struct FormatSettings {
    char decimalSeparator = ',';
    char dateSeparator = '/';
    std::string shortDateFormat = "dd/mm/yyyy";
};

FormatSettings& Settings();

// Reads a date written in the short date format; false when it is no valid date.
// Two-digit years are taken in the window of the platform (+/-50 years around now).
bool TryStrToDate(const std::string& text, int& year, int& month, int& day);

}  // namespace forms
