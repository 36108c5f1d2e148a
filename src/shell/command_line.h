// The command line: qelt-cad [FILE], its options, --help and --version.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace qelt::shell {

// The help or the version on standard output with status 0, when the arguments ask for either;
// needs no display, so it runs before the application object exists.
void AnswerHelpOrVersion(int argc, char* argv[]);

// What the arguments that the application object left ask for.
struct CommandLine {
    std::optional<QString> file;      // the data file to open, if one was given
    std::optional<QString> backdrop;  // a picture to show under the drawing
    std::optional<QString> exportTo;  // where to write a picture of the drawing, without windows
    QString scale;                    // a PNG picture's pixels per canvas pixel, as given
    QString error;                    // why the arguments cannot be taken, with the usage
};
CommandLine ParseCommandLine(const QStringList& arguments);

}  // namespace qelt::shell
