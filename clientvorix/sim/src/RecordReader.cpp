#include "sim/RecordReader.h"

#include "sim/Formatting.h"
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

bool AsksZeroAmount(const ZvTrnRecord* record, const FieldStore& fields) {
    constexpr uint32_t kAmountField = 1003;
    if (!record || record->flag != 1) return false;
    for (int i = 0; i < ZV_TRN_ENTRIES; ++i) {
        const uint32_t field = record->entries[i].field;  // packed member: copy before use
        if (field == ZV_TRN_END_OF_LIST) break;
        if (field != kAmountField) continue;
        const std::string amount = RemoveFormato(fields.Get(static_cast<int>(field)));
        return !amount.empty() && amount.find_first_not_of('0') == std::string::npos;
    }
    return false;
}

}  // namespace sim
