// A picture decoded in a process of its own, under limits of time and memory set by the program.
#pragma once

#include <QString>
#include <variant>

#include "shell/pictures/picture_decoding.h"

namespace qelt::shell {

// Whether this start of the program is the reader of one picture that the program started.
bool IsPictureReader(int argc, char* argv[]);

// The reader's whole run: takes the picture file from its standard input, decodes it within the
// limits and hands the pixels, or why there are none, to its standard output; never returns.
// Qt's own messages go where the caller has sent them.
[[noreturn]] void ServePictureReader();

// Starts the program again as the reader of the picture file open at `descriptor` and waits for
// its answer a few seconds at most; a reader that crashes or overruns a limit only costs its own
// process. Returns the picture or why it cannot be shown.
std::variant<ReadPicture, QString> ReadPictureInChild(int descriptor);

}  // namespace qelt::shell
