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

// The first line of a file that the writer could not have written (1-based; one past the last
// line when the file ends too early), and what that line should have held.
struct DataFileError {
    int line = 0;
    std::string message;
    bool operator==(const DataFileError&) const = default;
};

// The drawing the program would hold had the user drawn the file's lines in file order: line k
// at place k, its points in pool slots 1, 2, 3, ... in file order, nothing selected. Takes
// exactly what DataFileText writes, also after a tool turned its CR LF into LF or removed the
// spaces at the ends of its lines. Throws nothing but std::bad_alloc.
std::variant<DrawingState, DataFileError> ReadDataFile(std::string_view bytes);

}  // namespace qelt
