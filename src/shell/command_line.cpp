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
    parser.addOption({{"b", "backdrop"},
                      "A picture (PNG, JPEG, BMP, GIF or SVG) to show, lightened, under the "
                      "drawing to trace over. It is not stored: give it again with FILE. "
                      "Ctrl+B hides and shows it; a picture dropped on a window replaces it.",
                      "IMAGE"});
    parser.addOption({"export",
                      "Writes a picture of the drawing in FILE to OUT and ends, without a display "
                      "or a window. OUT ends in .png, .svg or .pdf.",
                      "OUT"});
    parser.addOption(
        {"scale", "Pixels of a PNG picture per canvas pixel, 1 to 8 (2 unless given).", "N", "2"});
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
    if (parser.isSet("backdrop")) {
        result.backdrop = parser.value("backdrop");
    }
    if (parser.isSet("export")) {
        result.exportTo = parser.value("export");
    }
    result.scale = parser.value("scale");
    if (!result.error.isEmpty()) {
        result.error += "\n\n" + parser.helpText();
    }
    return result;
}

}  // namespace qelt::shell
