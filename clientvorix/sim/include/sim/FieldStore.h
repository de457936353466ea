#pragma once
// The client's field store: numbered fields, each with occurrences addressed
// by index. Values are raw bytes (zero bytes allowed); an absent field or
// occurrence reads as empty.
#include <map>
#include <string>

#include <nlohmann/json.hpp>

namespace sim {

class FieldStore {
public:
    static constexpr int kMinField = 1;
    static constexpr int kMaxField = 65534;  // 65535 ends a transaction definition list
    static constexpr int kMaxIndex = 9999;

    static bool ValidField(int field) { return field >= kMinField && field <= kMaxField; }
    static bool ValidIndex(int index) { return index >= 0 && index <= kMaxIndex; }

    // False (and nothing stored) for a field or index out of range.
    bool Set(int field, std::string bytes, int index = 0);
    std::string Get(int field, int index = 0) const;
    bool Has(int field, int index = 0) const;
    // The field becomes absent, every occurrence with it.
    void Clear(int field);
    void ClearAll() { fields_.clear(); }
    // One past the highest occurrence index present; 0 when absent.
    int Occurrences(int field) const;

    using Occurrence = std::map<int, std::string>;
    const std::map<int, Occurrence>& All() const { return fields_; }

    // {"1003":"150000","20005":["..",".."]}: a field holding only index 0 is a
    // text, any other an array of its occurrences with the gaps empty.
    nlohmann::json ToJson() const;

private:
    std::map<int, Occurrence> fields_;
};

}  // namespace sim
