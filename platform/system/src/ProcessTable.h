#pragma once
#include <optional>
#include <string>
#include <vector>

#include "system/System.h"

namespace zvsys {

// The running processes of this machine, read from /proc (or a folder laid out
// like it): the executable's file name, or the kernel's short name when the
// executable cannot be read (another user's process). Processes that have
// ended, whether unreaped or gone while the list is read, are left out.
std::optional<std::vector<ProcessEntry>> ReadProcessTable(const std::string& proc = "/proc");

}  // namespace zvsys
