#include "shell/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace qelt::shell {

namespace {

void Describe(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        "Draws the polylines of a geotechnical cross-section and writes them to "
        "Qelt-CAD-float.csv in the working directory.");
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument("FILE", "A data file this program wrote, to edit it again.",
                                 "[FILE]");
}

}  // namespace

void AnswerHelpOrVersion(int argc, char* argv[]) {
    QCoreApplication probe(argc, argv);
    QCommandLineParser parser;
    Describe(parser);
    // Options of the window system, such as -platform, are not known here: they are left to
    // the application object, and to the full parse after it.
    static_cast<void>(parser.parse(QCoreApplication::arguments()));
    if (parser.isSet("help") || parser.isSet("help-all")) {
        parser.showHelp(0);
    }
    if (parser.isSet("version")) {
        parser.showVersion();
    }
}

CommandLine ParseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    Describe(parser);
    CommandLine result;
    if (!parser.parse(arguments)) {
        result.error = parser.errorText();
    } else if (parser.positionalArguments().size() > 1) {
        result.error = "Only one FILE can be opened.";
    } else if (!parser.positionalArguments().isEmpty()) {
        result.file = parser.positionalArguments().constFirst();
    }
    if (!result.error.isEmpty()) {
        result.error += "\n\n" + parser.helpText();
    }
    return result;
}

}  // namespace qelt::shell
