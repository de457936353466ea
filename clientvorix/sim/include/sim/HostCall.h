#pragma once
// Helpers every exported host function uses: nothing escapes the C ABI,
// texts are read within bounds and written within the caller's capacity.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

namespace sim {

// Longest text read from a caller's zero-terminated pointer; a longer one is
// cut there rather than read without end.
constexpr std::size_t kMaxInText = 65536;

// The caller's text (null = empty), at most kMaxInText bytes.
std::string InText(const char* text);
// At most `length` bytes of `text`, stopping early at a zero byte (a wrong
// length never makes us read past the terminator).
std::string InText(const char* text, int32_t length);
// Copies `text` into `out`, cut to capacity - 1 bytes and terminated; a null
// buffer or a capacity below 1 receives nothing. Returns what was stored.
std::string CopyOut(char* out, int32_t capacity, std::string_view text);

// A CP1252 text as journal JSON (UTF-8, zero bytes kept).
nlohmann::json J(std::string_view cp1252);

void JournalFailure(const char* lib, const char* fn, const char* what) noexcept;
// The scenario's CallFault for this call: true when it must fail; throws
// PlantedError when it must throw.
bool PlantedFault(const char* lib, const char* fn);

class PlantedError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Whether a planted throw can travel out of a library at all: on 32-bit
// Windows an exception cannot leave the module that threw it (each links its
// own unwinder), so there the throwing faults would only end the process.
#if defined(_WIN32) && !defined(_WIN64)
constexpr bool kPlantedThrowsLeaveLibraries = false;
#else
constexpr bool kPlantedThrowsLeaveLibraries = true;
#endif

// Runs `body`; an exception is journalled against lib/fn and `fallback`
// returned. Only a planted fault leaves otherwise.
template <class R, class F>
R Guarded(const char* lib, const char* fn, R fallback, F&& body) {
    if (PlantedFault(lib, fn)) return fallback;
    try {
        return body();
    } catch (const std::exception& e) {
        JournalFailure(lib, fn, e.what());
    } catch (...) {
        JournalFailure(lib, fn, "unknown error");
    }
    return fallback;
}

template <class F>
void GuardedVoid(const char* lib, const char* fn, F&& body) {
    if (PlantedFault(lib, fn)) return;
    try {
        body();
    } catch (const std::exception& e) {
        JournalFailure(lib, fn, e.what());
    } catch (...) {
        JournalFailure(lib, fn, "unknown error");
    }
}

}  // namespace sim

#include "host/HostAbi.h"

namespace sim {

// Writes a progress text through the screen's message label, when it has one.
void LabelText(ZvMessageLabel* label, const std::string& cp1252);

}  // namespace sim
