// Builds a Windows command line from separate arguments, quoted so that the
// usual argument splitting (CommandLineToArgvW, the C runtime) gets the same
// arguments back.
#pragma once

#include <string>
#include <vector>

namespace cmdline {

std::wstring quote_arg(const std::wstring& arg);
std::wstring join(const std::vector<std::wstring>& argv);

}  // namespace cmdline
