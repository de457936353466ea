#pragma once
// Service Q entries live in field 20026 as text: each entry is the service
// letter, the three-character sub-code and its content, ended by ';'
// ("Q010000000150000;Q008ABC;"). Content cannot hold ';'.
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace sim {

constexpr int kServiceField = 20026;

// The entry of `letter` and `subcode`, from the sub-code on ("010000000150000").
std::optional<std::string> FindServiceEntry(std::string_view field20026, char letter,
                                            std::string_view subcode);
// `field20026` with the Q entries of `q` replaced or appended, in place order.
std::string MergeServiceQ(std::string_view field20026, const std::map<std::string, std::string>& q);

}  // namespace sim
