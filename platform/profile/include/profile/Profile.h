#pragma once
// The Windows profile (ini file) functions with their semantics: section and
// key names compare without regard to letter case, a read of a missing key
// gives the default, a write creates what is missing and keeps every other
// line of the file. Content is CP1252 bytes, passed through unchanged.
#include <string>
#include <vector>

namespace profile {

std::string GetPrivateProfileString(const std::string& section, const std::string& key,
                                    const std::string& defaultValue, const std::string& path);
// Leading digits of the value (optional sign); the default when missing or
// empty, 0 when not numeric.
int GetPrivateProfileInt(const std::string& section, const std::string& key, int defaultValue,
                         const std::string& path);
// False when the file cannot be written; the file is replaced whole or not at all.
bool WritePrivateProfileString(const std::string& section, const std::string& key,
                               const std::string& value, const std::string& path);
// Section names in file order.
std::vector<std::string> GetPrivateProfileSectionNames(const std::string& path);
// Key names of a section in file order.
std::vector<std::string> GetPrivateProfileSectionKeys(const std::string& section,
                                                      const std::string& path);
bool HasKey(const std::string& section, const std::string& key, const std::string& path);
// Leading digits of a value already read (optional sign), saturated at the
// int range; the default when there are none.
int ParseProfileInt(const std::string& value, int defaultValue);

}  // namespace profile
