#pragma once
// Reads a transaction definition record the way the authorisation library
// does: entries in order up to the first end marker, never past the 31st.
#include <nlohmann/json.hpp>

#include "host/RegistroTransacao.h"
#include "sim/FieldStore.h"

namespace sim {

// {"code":56,"flag":1,"entries":[{"field":1003,"value":".."},
//  {"field":1048,"tag":"CICLOS:","value":".."},{"text":"CICLOS:07"}]};
// null for a null record.
nlohmann::json DescribeRecord(const ZvTrnRecord* record, const FieldStore& fields);

// A financial record whose amount entry (field 1003) holds a zero amount
// ("0", "000", "0,00"); an empty amount is not a zero one.
bool AsksZeroAmount(const ZvTrnRecord* record, const FieldStore& fields);

}  // namespace sim
