#pragma once
// The client's message catalogue (texts kept in clientvorix/catalogue/).
#include <map>
#include <string>

namespace sim {

// The text of a message in CP1252; an unknown number gives a text that says so.
std::string MessageText(int number);
bool HasMessage(int number);
// Number -> UTF-8 text, for whoever checks the catalogue as a whole.
const std::map<int, const char*>& MessageTable();

}  // namespace sim
