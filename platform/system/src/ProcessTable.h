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
// When a running process started (clock ticks since boot); nullopt when it has ended.
std::optional<uint64_t> ProcessStartTime(uint32_t id, const std::string& proc = "/proc");
// Whether a running process runs `program` (a local path), itself or as the
// script its interpreter runs.
bool ProgramRunning(const std::string& program, const std::string& proc = "/proc");

}  // namespace zvsys
