#pragma once
#include <string>
#include <vector>

namespace zvsys {

// Splits a command line the way a Windows program's start-up code does: the
// program name ends at the first blank outside quotes and takes no escapes;
// in the arguments 2n backslashes before a quote give n backslashes and the
// quote opens or closes quoting, 2n+1 give n backslashes and a literal quote,
// and a doubled quote inside quotes is a literal quote.
std::vector<std::string> SplitCommandLine(const std::string& commandLine);

}  // namespace zvsys
