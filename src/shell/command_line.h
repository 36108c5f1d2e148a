// The command line: qelt-cad [FILE], --help and --version.
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
    std::optional<QString> file;  // the data file to open, if one was given
    QString error;                // why the arguments cannot be taken, with the usage
};
CommandLine ParseCommandLine(const QStringList& arguments);

}  // namespace qelt::shell
