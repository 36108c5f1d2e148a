// The command line: qelt-cad [FILE], its options, --help and --version.
#pragma once

#include <QString>
#include <optional>
#include <string>

namespace qelt::shell {

// What the arguments ask for.
struct CommandLine {
    // Names as the bytes the system gave.
    std::optional<std::string> file;      // the data file to open
    std::optional<std::string> backdrop;  // a picture to show under the drawing
    std::optional<std::string> exportTo;  // where to write a picture of the drawing
    int scale = 2;                        // a PNG picture's pixels per canvas pixel
    QString error;                        // why the arguments cannot be taken, with the usage
};

// Reads the arguments as they are, with no display: the window system's own options are none
// of the program's. Answers --help and --version itself, on standard output with status 0.
CommandLine ParseCommandLine(int argc, char* argv[]);

}  // namespace qelt::shell
