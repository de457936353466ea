#pragma once
// Answer codes (field 1009) and whether they approve: the package's
// conversion and the client's outcome line are both held to this one table,
// so they cannot come to disagree.
namespace answercodes {

struct AnswerCode {
    const char* code;
    bool approves;
};

inline constexpr AnswerCode kTable[] = {
    {"00", true}, {"0", true}, {" 0 ", true}, {"+0", true}, {"000", true},
    {"0A", false}, {"A0", false}, {"05", false}, {"51", false}, {"FF", false}, {"255", false},
    {"+", false}, {"-0 1", false}, {"", false}, {" ", false},
};

}  // namespace answercodes
