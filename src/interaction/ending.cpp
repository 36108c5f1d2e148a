#include "interaction/ending.h"

#include <string>

#include "output/data_file.h"

namespace qelt {

void EndProgram(Program& p) {
    p.ended = true;
    p.platform.session.End();
}

// The file is the only place a drawing is kept, so a failed write must not end the program:
// the user is told why, puts the cause right and presses the button again.
void WriteDataFile(Program& p) {
    const std::string text = DataFileText(p.drawing);
    if (const auto failure = p.platform.output.Replace(DataFileName, text)) {
        const std::string message = std::string("Could not write ") + DataFileName + ": " +
                                    *failure +
                                    " --- the drawing is kept; fix the cause and press "
                                    "Write & End again";
        p.platform.controls.UserMustSee8lbl.SetCaption(message);
        p.platform.session.Alert(message);
        return;
    }
    EndProgram(p);
}

}  // namespace qelt
