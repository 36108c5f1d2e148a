// Reads a drawing data file back into the drawing that the writer wrote it from.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>

#include "state/drawing.h"

namespace qelt {

// The caller refuses a longer file unread. A drawing at every limit (43 lines, 55 points each
// written as "-16384", 9 groups of 11 members with empty names) writes 18,261 bytes; the rest
// of the 64 KiB leaves room for group names.
inline constexpr std::size_t MaxDataFileBytes = 64 * 1024;

// The coordinates a file may give a point; the reader says why these.
inline constexpr Integer MinFileCoordinate = -16384;
inline constexpr Integer MaxFileCoordinate = 16383;

// Where a file departs from what the writer writes: the line to look at (1-based; one past the
// last line when the file ends too early; a count's own line when what follows does not bear
// it out), and a message for a person that names that line, e.g. "line 12: expected ...".
struct DataFileError {
    int line = 0;
    std::string message;
    bool operator==(const DataFileError&) const = default;
};

// The drawing the program would hold had the user drawn the file's lines in file order: line k
// at place k, its points in pool slots 1, 2, 3, ... in file order, the last line and its last
// point selected. Takes what DataFileText writes, also after an editor or a spreadsheet changed
// its layout: a byte order mark, LF or CR LF line ends or none after the last line, blanks
// (spaces or tabs) for each run of spaces and at the ends of lines, commas at the ends of lines,
// empty lines after the end. A group's name is content: its blanks come back as they stand.
// Throws nothing but std::bad_alloc.
std::variant<DrawingState, DataFileError> ReadDataFile(std::string_view bytes);

// Whether the file whose bytes these are opens as a data file does, with its column header in
// any layout the reader takes: what tells a data file from a picture.
bool BeginsAsDataFile(std::string_view bytes);

}  // namespace qelt
