// The two ways the program ends: END at once, "Write && End" once the file is written.
#include "interaction/ending.h"

#include <string>
#include <variant>

#include "output/data_file.h"

namespace qelt {

namespace {

void Tell(Program& p, const std::string& message) {
    p.platform.controls.UserMustSee8lbl.SetCaption(message);
    p.platform.session.Alert(message);
}

}  // namespace

bool HasUnwrittenChanges(const Program& p) {
    return DataFileText(p.drawing) != p.writtenFile;
}

bool KeepUnwritten(Program& p) {
    const std::string text = DataFileText(p.drawing);
    if (text == p.writtenFile || text == p.unkeptFile) {
        return true;
    }
    const auto kept = p.platform.output.Keep(text);
    if (const auto* failure = std::get_if<WriteFailure>(&kept)) {
        p.unkeptFile = text;
        Tell(p, "Could not keep the unwritten drawing: " + failure->why +
                    " --- Write & End writes it; the same again goes on without it");
        return false;
    }
    p.platform.session.Print(
        Stream::Error, "qelt-cad: the unwritten drawing is kept in " + std::get<std::string>(kept));
    return true;
}

void EndProgram(Program& p) {
    if (!KeepUnwritten(p)) {
        return;
    }
    p.ended = true;
    p.platform.session.End();
}

// The file is the only place a drawing is kept, so a failed write must not end the program:
// the user is told why, puts the cause right and presses the button again.
bool WriteDrawing(Program& p) {
    const std::string text = DataFileText(p.drawing);
    const auto written = p.platform.output.Replace(DataFileName, text);
    if (const auto* failure = std::get_if<WriteFailure>(&written)) {
        Tell(p, std::string("Could not write ") + DataFileName + ": " + failure->why +
                    " --- the drawing is kept; fix the cause and press Write & End again");
        return false;
    }
    p.writtenFile = text;
    const Written& where = std::get<Written>(written);
    std::string said = "qelt-cad: wrote " + where.path + " (" + LinesAndPoints(p.drawing) + ")";
    if (!where.kept.empty()) {
        said += "; the file it replaced is kept as " + where.kept;
    }
    p.platform.session.Print(Stream::Output, said);
    return true;
}

void WriteDataFile(Program& p) {
    if (WriteDrawing(p)) {
        EndProgram(p);
    }
}

}  // namespace qelt
