// The fixed texts of the drawing data file.
#pragma once

#include <string_view>

// Their runs of spaces, trailing spaces and odd
// spellings ("CADoCode", "DataFIle", "Endof"/"EndOf") are part of the format that the
// cross-section generation reads: never tidy them.
namespace qelt::datafile {

// The column header.
inline constexpr std::string_view ColumnHeader = "X,Y,Line,CADoCode";
inline constexpr std::string_view VersionStamp = "Qelt-CAD-v3";
// A line that holds one space.
inline constexpr std::string_view BlankLine = " ";
// The declarations of the record kinds.
inline constexpr std::string_view DefineCadLine = "Define CADline IndexData > <bySequence> ";
inline constexpr std::string_view DefineInLine = "Define InLineData > Point ";
inline constexpr std::string_view DefinePoint = "Define Point IndexData > <X> <Y> <type>";
inline constexpr std::string_view DefineTopLevel =
    "Define TopLevelData CAD_Qelt>             TopLevel";
inline constexpr std::string_view DefineGroupData =
    "Define        GroupData CAD_Lines >         CADline";
// Followed by the number of lines.
inline constexpr std::string_view DefineLineCount =
    "Define        CADline >                     CADline #=";
// A line block: its header, "CADline=" + position + "   #=" + point count.
inline constexpr std::string_view LineStart =
    "LoopingStart     CADline Loop >                 CADline=";
inline constexpr std::string_view PointCountMark = "   #=";
inline constexpr std::string_view LineComment =
    "LoopingComment       InLineData comment >           X    Y    Type";
// A point line: PointStart + X + FieldGap + Y + FieldGap + code.
inline constexpr std::string_view PointStart =
    "InLine               Point >                        ";
inline constexpr std::string_view FieldGap = "  ";
inline constexpr std::string_view LineEnd =
    "LoopEnd              Endof >                        ________EndOf ";
// After the last line block.
inline constexpr std::string_view LinesEnd =
    "LoopEnd          Endof >                        ___EndOf";
// The group section.
inline constexpr std::string_view DefineGroup = "Define GroupData >       Group ";
inline constexpr std::string_view DefineLineNum = "Define LineData >        LineNum";
// Followed by the group's name and note.
inline constexpr std::string_view GroupStart = "Define GroupOf >                  Trends ";
// Followed by a line number.
inline constexpr std::string_view GroupMember = "InLine                                  ";
inline constexpr std::string_view GroupEnd = "End GroupData                     End";
// The end marker.
inline constexpr std::string_view DataEnd = "               >        End ";
inline constexpr std::string_view DataFileEnd =
    "DataFIle                                EndOfDataFile";

}  // namespace qelt::datafile
