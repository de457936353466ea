#include "profile/Profile.h"

#include <unistd.h>

#include <climits>

#include "profile/FileIo.h"
#include "profile/IniDocument.h"

namespace profile {

namespace {

IniDocument Load(const std::string& path) {
    const auto bytes = LoadFile(path);
    return bytes ? IniDocument::Parse(*bytes) : IniDocument();
}

}  // namespace

std::string GetPrivateProfileString(const std::string& section, const std::string& key,
                                    const std::string& defaultValue, const std::string& path) {
    if (auto value = Load(path).Get(section, key)) return std::move(*value);
    // The platform drops the default's trailing blanks.
    const auto last = defaultValue.find_last_not_of(' ');
    return last == std::string::npos ? std::string() : defaultValue.substr(0, last + 1);
}

int ParseProfileInt(const std::string& value, int defaultValue) {
    size_t i = 0;
    bool negative = false;
    if (i < value.size() && (value[i] == '-' || value[i] == '+')) negative = value[i++] == '-';
    if (i >= value.size() || value[i] < '0' || value[i] > '9') return defaultValue;
    long long n = 0;
    for (; i < value.size() && value[i] >= '0' && value[i] <= '9'; ++i) {
        // Saturate instead of overflowing on absurdly long numbers.
        if (n <= static_cast<long long>(INT_MAX) + 1) n = n * 10 + (value[i] - '0');
    }
    if (negative) n = -n;
    if (n > INT_MAX) return INT_MAX;
    if (n < INT_MIN) return INT_MIN;
    return static_cast<int>(n);
}

int GetPrivateProfileInt(const std::string& section, const std::string& key, int defaultValue,
                         const std::string& path) {
    // An empty value reads as missing; any other value that is not a number is 0.
    const auto value = Load(path).Get(section, key);
    return value && !value->empty() ? ParseProfileInt(*value, 0) : defaultValue;
}

bool WritePrivateProfileString(const std::string& section, const std::string& key,
                               const std::string& value, const std::string& path) {
    const auto bytes = LoadFile(path);
    // A file that exists but cannot be read must not be replaced by one key.
    if (!bytes && ::access(path.c_str(), F_OK) == 0) return false;
    IniDocument doc = bytes ? IniDocument::Parse(*bytes) : IniDocument();
    if (!doc.Set(section, key, value)) return false;
    return SaveFileAtomically(path, doc.Serialize());
}

std::vector<std::string> GetPrivateProfileSectionNames(const std::string& path) {
    return Load(path).SectionNames();
}

std::vector<std::string> GetPrivateProfileSectionKeys(const std::string& section,
                                                      const std::string& path) {
    return Load(path).Keys(section);
}

bool HasKey(const std::string& section, const std::string& key, const std::string& path) {
    return Load(path).HasKey(section, key);
}

}  // namespace profile
