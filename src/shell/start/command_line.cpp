// The command line: qelt-cad [FILE], its options, --help and --version.
#include "shell/start/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>
#include <algorithm>
#include <optional>

namespace qelt::shell {

namespace {

void Describe(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        "Draws the polylines of a geotechnical cross-section and writes them to "
        "Qelt-CAD-float.csv in the working directory.");
    // Qt's own help option would also offer --help-all, for options the program does not take.
    parser.addOption({{"h", "help"}, "Displays help on commandline options."});
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
        {"scale",
         "With --export, pixels of a PNG picture per canvas pixel, 1 to 8 (2 unless given); not "
         "for .svg or .pdf.",
         "N", "2"});
}

// Each byte of an argument as one character, so that a name that is not UTF-8 comes back from
// the parser unchanged; the options themselves are plain ASCII.
QStringList Arguments(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLatin1(argv[i]);
    }
    return arguments;
}

std::string Bytes(const QString& argument) {
    return argument.toLatin1().toStdString();
}

// A text of the parser's, with the arguments it quotes read as the system's text.
QString Readable(const QString& text) {
    return QString::fromLocal8Bit(text.toLatin1());
}

// An option given twice would leave one of its values unused, and --scale is of use only to
// --export; a scale is one plain digit.
std::optional<QString> Misused(const QCommandLineParser& parser) {
    for (const auto& [name, shown] :
         {std::pair("backdrop", "-b (--backdrop)"), std::pair("export", "--export"),
          std::pair("scale", "--scale")}) {
        if (parser.isSet(name) && parser.values(name).size() > 1) {
            return QString("%1 can be given only once.").arg(shown);
        }
    }
    if (!parser.isSet("scale")) {
        return std::nullopt;
    }
    if (!parser.isSet("export")) {
        return QString("--scale goes with --export only.");
    }
    const QString scale = parser.value("scale");
    if (scale.size() != 1 || scale[0] < '1' || scale[0] > '8') {
        return QString("--scale takes one digit from 1 to 8.");
    }
    // Only a PNG picture has pixels to count.
    const QString format = QFileInfo(parser.value("export")).suffix().toLower();
    if (format == "svg" || format == "pdf") {
        return QString("--scale applies only to a .png picture.");
    }
    return std::nullopt;
}

}  // namespace

CommandLine ParseCommandLine(int argc, char* argv[]) {
    // Gives the usage the program's name; it takes none of the arguments.
    int nameOnly = std::min(argc, 1);
    QCoreApplication probe(nameOnly, argv);
    QCommandLineParser parser;
    // "-old.csv" is one unknown option, not -o -l -d -. -c -s -v.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    Describe(parser);
    CommandLine result;
    if (!parser.parse(Arguments(argc, argv))) {
        result.error = Readable(parser.errorText());
    } else if (parser.isSet("help")) {
        parser.showHelp(0);
    } else if (parser.isSet("version")) {
        parser.showVersion();
    } else if (parser.positionalArguments().size() > 1) {
        result.error = "Only one FILE can be opened.";
    } else if (auto why = Misused(parser)) {
        result.error = *why;
    } else if (!parser.positionalArguments().isEmpty()) {
        result.file = Bytes(parser.positionalArguments().constFirst());
    }
    if (parser.isSet("backdrop")) {
        result.backdrop = Bytes(parser.value("backdrop"));
    }
    if (parser.isSet("export")) {
        result.exportTo = Bytes(parser.value("export"));
    }
    result.scale = parser.value("scale").toInt();
    if (!result.error.isEmpty()) {
        result.error += "\n\n" + parser.helpText();
    }
    return result;
}

}  // namespace qelt::shell
