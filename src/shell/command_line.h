// The command line: qelt-cad [FILE], --help and --version.
#pragma once

#include <QString>
#include <optional>
#include <string>

namespace qelt::shell {

// What the arguments ask for.
struct CommandLine {
    std::optional<std::string> file;  // the data file to open, as the bytes the system gave
    QString error;                    // why the arguments cannot be taken, with the usage
};

// Reads the arguments as they are, with no display: the window system's own options are none
// of the program's. Answers --help and --version itself, on standard output with status 0.
CommandLine ParseCommandLine(int argc, char* argv[]);

}  // namespace qelt::shell
