#pragma once
#include <optional>
#include <vector>

#include "system/System.h"

namespace zvsys {

// The running processes of this machine, read from /proc: the executable's
// file name, or the kernel's short name when the executable cannot be read
// (another user's process). Processes that have ended but not been reaped
// are not running and are left out.
std::optional<std::vector<ProcessEntry>> ReadProcessTable();

}  // namespace zvsys
