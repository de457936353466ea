#include "sim/RecordReader.h"

#include "sim/HostCall.h"

namespace sim {

nlohmann::json DescribeRecord(const ZvTrnRecord* record, const FieldStore& fields) {
    if (!record) return nullptr;
    nlohmann::json entries = nlohmann::json::array();
    for (int i = 0; i < ZV_TRN_ENTRIES; ++i) {
        const ZvTrnEntry& e = record->entries[i];
        const uint32_t field = e.field;  // packed member: copy before use
        if (field == ZV_TRN_END_OF_LIST) break;
        const std::string text = InText(e.text);
        if (field == ZV_TRN_TEXT_ENTRY) {
            entries.push_back({{"text", J(text)}});
            continue;
        }
        nlohmann::json entry = {{"field", field}};
        if (!text.empty()) entry["tag"] = J(text);
        const int f = field <= static_cast<uint32_t>(FieldStore::kMaxField) ? static_cast<int>(field) : 0;
        entry["value"] = J(fields.Get(f));
        entries.push_back(std::move(entry));
    }
    const uint16_t code = record->code;
    const uint8_t flag = record->flag;
    return {{"code", code}, {"flag", flag}, {"entries", std::move(entries)}};
}

}  // namespace sim
