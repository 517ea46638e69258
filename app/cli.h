#pragma once
// The command-line companion: estimates and creates project files through the same code as
// the windows.
#include <ostream>
#include <string>
#include <vector>

namespace wattora {

struct Separators;

// Returns the exit code: 0 success, 1 a file could not be read or written, 2 usage.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           const Separators& separators);

}  // namespace wattora
