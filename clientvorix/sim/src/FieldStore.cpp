#include "sim/FieldStore.h"

#include "cp1252/Cp1252.h"

namespace sim {

bool FieldStore::Set(int field, std::string bytes, int index) {
    if (!ValidField(field) || !ValidIndex(index)) return false;
    fields_[field][index] = std::move(bytes);
    return true;
}

std::string FieldStore::Get(int field, int index) const {
    auto f = fields_.find(field);
    if (f == fields_.end()) return {};
    auto o = f->second.find(index);
    return o == f->second.end() ? std::string() : o->second;
}

bool FieldStore::Has(int field, int index) const {
    auto f = fields_.find(field);
    return f != fields_.end() && f->second.count(index) != 0;
}

void FieldStore::Clear(int field) { fields_.erase(field); }

int FieldStore::Occurrences(int field) const {
    auto f = fields_.find(field);
    if (f == fields_.end() || f->second.empty()) return 0;
    return f->second.rbegin()->first + 1;
}

nlohmann::json FieldStore::ToJson() const {
    nlohmann::json out = nlohmann::json::object();
    for (const auto& [field, occ] : fields_) {
        if (occ.empty()) continue;
        const std::string key = std::to_string(field);
        if (occ.size() == 1 && occ.begin()->first == 0) {
            out[key] = cp1252::Cp1252ToUtf8(occ.begin()->second);
            continue;
        }
        nlohmann::json list = nlohmann::json::array();
        for (int i = 0; i < Occurrences(field); ++i) list.push_back(cp1252::Cp1252ToUtf8(Get(field, i)));
        out[key] = std::move(list);
    }
    return out;
}

}  // namespace sim
