// The data file's exact bytes for drawings of every shape.
#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "interaction/history.h"
#include "interaction/open_drawing.h"
#include "output/data_file.h"
#include "output/data_file_texts.h"
#include "output/read_data_file.h"
#include "plotting/rendering.h"
#include "state/checked.h"
#include "support/example_file.h"
#include "support/scenario.h"

namespace qelt::testing {
namespace {

// The file's records, each closed by CR LF.
std::string Crlf(const std::vector<std::string_view>& records) {
    std::string text;
    for (std::string_view record : records) {
        text.append(record).append("\r\n");
    }
    return text;
}

std::vector<std::string_view> Joined(std::initializer_list<std::vector<std::string_view>> parts) {
    std::vector<std::string_view> all;
    for (const auto& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

const std::vector<std::string_view> kHead = {
    "X,Y,Line,CADoCode",
    "Qelt-CAD-v3",
    " ",
    "Define CADline IndexData > <bySequence> ",
    "Define InLineData > Point ",
    "Define Point IndexData > <X> <Y> <type>",
    "Define TopLevelData CAD_Qelt>             TopLevel",
    "Define        GroupData CAD_Lines >         CADline",
};

const std::vector<std::string_view> kLinesEnd = {
    "LoopEnd          Endof >                        ___EndOf",
    " ",
    "Define GroupData >       Group ",
    "Define LineData >        LineNum",
    " ",
};

const std::vector<std::string_view> kFileEnd = {
    "               >        End ",
    "DataFIle                                EndOfDataFile",
};

constexpr std::string_view kComment =
    "LoopingComment       InLineData comment >           X    Y    Type";
constexpr std::string_view kLineEnd =
    "LoopEnd              Endof >                        ________EndOf ";

const std::string kExample = kExampleFile;

TEST(DataFileText, WorkedExampleByteForByte) {
    DrawingState d;
    AddLine(d, {{100, 200}, {150, 250}});
    EXPECT_EQ(DataFileText(d), kExample);
}

TEST(DataFileText, EmptyDrawingHasSixteenRecordsAndNoByteOrderMark) {
    const std::string text = DataFileText(DrawingState{});
    EXPECT_EQ(text, Crlf(Joined({kHead,
                                 {"Define        CADline >                     CADline #=0"},
                                 kLinesEnd,
                                 kFileEnd})));
    std::size_t records = 0;
    for (std::size_t at = text.find("\r\n"); at != std::string::npos;
         at = text.find("\r\n", at + 2)) {
        ++records;
    }
    EXPECT_EQ(records, 16U);
    EXPECT_EQ(text.find('\n'), text.find("\r\n") + 1) << "no bare line feed";
    EXPECT_EQ(text.front(), 'X');
}

// Each case is one drawing and the records between the definitions and the group section.
struct Drawing {
    const char* name;
    void (*build)(DrawingState&);
    std::vector<std::string_view> lines;
};

class DataFileLines : public ::testing::TestWithParam<Drawing> {};

TEST_P(DataFileLines, WritesEachLineAsItsBlock) {
    DrawingState d;
    GetParam().build(d);
    EXPECT_EQ(DataFileText(d), Crlf(Joined({kHead, GetParam().lines, kLinesEnd, kFileEnd})));
}

INSTANTIATE_TEST_SUITE_P(
    Drawings, DataFileLines,
    ::testing::Values(
        Drawing{"LineWithoutPoints",
                [](DrawingState& d) { AddLine(d, {}); },
                {"Define        CADline >                     CADline #=1",
                 "LoopingStart     CADline Loop >                 CADline=1   #=0", kComment,
                 kLineEnd}},
        Drawing{"NegativeAndWideNumbersAreNotAligned",
                [](DrawingState& d) {
                    AddLine(d, {{-5, 0}, {32767, -32768}, {7, 12345}, {-1, -10}});
                },
                {"Define        CADline >                     CADline #=1",
                 "LoopingStart     CADline Loop >                 CADline=1   #=4", kComment,
                 "InLine               Point >                        -5  0  UN",
                 "InLine               Point >                        32767  -32768  UN",
                 "InLine               Point >                        7  12345  UN",
                 "InLine               Point >                        -1  -10  UN", kLineEnd}},
        Drawing{"CodeIsAlwaysTwoCharacters",
                [](DrawingState& d) {
                    d.Lines8pudt[AddLine(d, {{1, 2}})].Code = "A";
                    d.Lines8pudt[AddLine(d, {{3, 4}})].Code = "";
                    d.Lines8pudt[AddLine(d, {{5, 6}})].Code = "SAND";
                },
                {"Define        CADline >                     CADline #=3",
                 "LoopingStart     CADline Loop >                 CADline=1   #=1", kComment,
                 "InLine               Point >                        1  2  A ", kLineEnd,
                 "LoopingStart     CADline Loop >                 CADline=2   #=1", kComment,
                 "InLine               Point >                        3  4    ", kLineEnd,
                 "LoopingStart     CADline Loop >                 CADline=3   #=1", kComment,
                 "InLine               Point >                        5  6  SA", kLineEnd}},
        Drawing{"PointsInDrawingOrderNotPoolOrder",
                [](DrawingState& d) {
                    const Integer k = AddLine(d, {{10, 11}, {20, 21}, {30, 31}});
                    d.Lines8pudt[k].PtIdx[1] = 3;
                    d.Lines8pudt[k].PtIdx[3] = 1;
                },
                {"Define        CADline >                     CADline #=1",
                 "LoopingStart     CADline Loop >                 CADline=1   #=3", kComment,
                 "InLine               Point >                        30  31  UN",
                 "InLine               Point >                        20  21  UN",
                 "InLine               Point >                        10  11  UN", kLineEnd}},
        Drawing{"PositionNotLineNoAfterDeletingTheMiddleLine",
                [](DrawingState& d) {
                    AddLine(d, {{1, 1}});
                    AddLine(d, {{2, 2}, {22, 22}});
                    AddLine(d, {{3, 3}, {33, 33}, {333, 333}});
                    d.SelectedLine8pint = 2;
                    DeleteSelectedLine(d);
                    d.Lines8pudt[1].LineNo = 7;  // the position counts, never this number
                },
                {"Define        CADline >                     CADline #=2",
                 "LoopingStart     CADline Loop >                 CADline=1   #=1", kComment,
                 "InLine               Point >                        1  1  UN", kLineEnd,
                 "LoopingStart     CADline Loop >                 CADline=2   #=3", kComment,
                 "InLine               Point >                        3  3  UN",
                 "InLine               Point >                        33  33  UN",
                 "InLine               Point >                        333  333  UN", kLineEnd}}),
    [](const auto& info) { return info.param.name; });

TEST(DataFileText, GroupsOneToCountWithNameNoteAndMembers) {
    DrawingState d;
    d.Groups8pudt[0].Name = "never";
    d.GroupCount8pint = 2;
    GroupRec& first = d.Groups8pudt[1];
    first.Name = "Clay";
    first.Note = "soft, wet";
    first.LineCount = 2;
    first.LineNo[1] = 3;
    first.LineNo[2] = 12;
    d.Groups8pudt[2].Name = "Empty";
    EXPECT_EQ(DataFileText(d),
              Crlf(Joined({kHead,
                           {"Define        CADline >                     CADline #=0"},
                           kLinesEnd,
                           {"Define GroupOf >                  Trends Claysoft, wet",
                            "InLine                                  3",
                            "InLine                                  12",
                            "End GroupData                     End",
                            "Define GroupOf >                  Trends Empty",
                            "End GroupData                     End"},
                           kFileEnd})));
}

// The lengths are the format's own check on the runs of spaces in each text.
TEST(DataFileText, FixedTextsHaveTheirLengths) {
    using namespace datafile;
    const std::vector<std::pair<std::string_view, std::size_t>> texts = {
        {ColumnHeader, 17},    {VersionStamp, 11},  {BlankLine, 1},       {DefineCadLine, 40},
        {DefineInLine, 26},    {DefinePoint, 39},   {DefineTopLevel, 50}, {DefineGroupData, 51},
        {DefineLineCount, 54}, {LineStart, 56},     {PointCountMark, 5},  {LineComment, 66},
        {PointStart, 52},      {FieldGap, 2},       {LineEnd, 66},        {LinesEnd, 56},
        {DefineGroup, 31},     {DefineLineNum, 32}, {GroupStart, 41},     {GroupMember, 40},
        {GroupEnd, 37},        {DataEnd, 28},       {DataFileEnd, 53},
    };
    for (const auto& [text, length] : texts) {
        EXPECT_EQ(text.size(), length) << '"' << text << '"';
    }
}

// The state that a failed write must leave exactly as it was.
struct Snapshot {
    explicit Snapshot(const DrawingState& d)
        : points(d.Points8pudt), lines(d.Lines8pudt), counts{d.PointsUsed8pint,
                                                             d.LineCount8pint,
                                                             d.GroupCount8pint,
                                                             d.SelectedLine8pint,
                                                             d.SelectedPoint8pint,
                                                             d.FoundLine8pint,
                                                             d.FoundPoint8pint} {}
    bool operator==(const Snapshot&) const = default;

    Bounded<PointRec, 1, MaxPoints> points;
    Bounded<LineRec, 1, MaxLines> lines;
    std::vector<Integer> counts;
};

TEST(WriteDataFile, WritesOnceAndEnds) {
    FakeWorld w;
    Program& p = w.Started();
    DrawLine(p, {{100, 200}, {150, 250}});
    WriteDataFile(p);
    ASSERT_EQ(w.output.files.size(), 1U);
    EXPECT_EQ(w.output.files[0].first, "Qelt-CAD-float.csv");
    EXPECT_EQ(w.output.files[0].second, kExample);
    EXPECT_TRUE(w.session.ended);
    EXPECT_TRUE(p.ended);
    EXPECT_TRUE(w.session.alerts.empty());
}

TEST(WriteDataFile, FailureKeepsDrawingAndProgramAndSaysWhy) {
    FakeWorld w;
    Program& p = w.Started();
    DrawLine(p, {{100, 200}, {150, 250}});
    const Snapshot before(p.drawing);
    w.output.failure = "No space left on device";
    WriteDataFile(p);

    const std::string told =
        "Could not write Qelt-CAD-float.csv: No space left on device --- the drawing is kept; "
        "fix the cause and press Write & End again";
    EXPECT_FALSE(w.session.ended);
    EXPECT_FALSE(p.ended);
    EXPECT_TRUE(w.output.files.empty());
    EXPECT_TRUE(Snapshot(p.drawing) == before);
    EXPECT_EQ(w.session.alerts, std::vector<std::string>{told});
    EXPECT_EQ(w.Prompt.Caption(), told);

    w.output.failure.reset();
    WriteDataFile(p);
    ASSERT_EQ(w.output.files.size(), 1U);
    EXPECT_EQ(w.output.files[0].second, kExample);
    EXPECT_TRUE(w.session.ended);
    EXPECT_TRUE(p.ended);
}

TEST(WriteDataFile, DrawingGoesOnAfterAFailureAndTheLaterWriteHasEverything) {
    FakeWorld w;
    Program& p = w.Started();
    DrawLine(p, {{100, 200}});
    w.output.failure = "Permission denied";
    WriteDataFile(p);
    w.output.failure.reset();
    DrawLine(p, {{-3, 4}});
    WriteDataFile(p);
    ASSERT_EQ(w.output.files.size(), 1U);
    EXPECT_EQ(
        w.output.files[0].second,
        Crlf(Joined({kHead,
                     {"Define        CADline >                     CADline #=2",
                      "LoopingStart     CADline Loop >                 CADline=1   #=1", kComment,
                      "InLine               Point >                        100  200  UN", kLineEnd,
                      "LoopingStart     CADline Loop >                 CADline=2   #=1", kComment,
                      "InLine               Point >                        -3  4  UN", kLineEnd},
                     kLinesEnd,
                     kFileEnd})));
}

// The drawing read from a file that has to be taken.
DrawingState Taken(std::string_view file) {
    auto read = ReadDataFile(file);
    if (const auto* error = std::get_if<DataFileError>(&read)) {
        ADD_FAILURE() << "line " << error->line << ": " << error->message;
        return {};
    }
    return std::get<DrawingState>(std::move(read));
}

TEST(ReadDataFile, ExampleIsTheDrawingClickedInAndWritesItselfAgain) {
    FakeWorld w;
    Program& p = w.Started();
    DrawLine(p, {{100, 200}, {150, 250}});
    const DrawingState d = Taken(kExample);
    EXPECT_TRUE(d.Points8pudt == p.drawing.Points8pudt);
    EXPECT_TRUE(d.Lines8pudt == p.drawing.Lines8pudt);
    EXPECT_EQ(d.PointsUsed8pint, 2);
    EXPECT_EQ(d.LineCount8pint, 1);
    EXPECT_EQ(d.GroupCount8pint, 0);
    EXPECT_EQ(d.SelectedLine8pint, p.drawing.SelectedLine8pint);
    EXPECT_EQ(d.SelectedPoint8pint, p.drawing.SelectedPoint8pint);
    EXPECT_EQ(DataFileText(d), kExample);
}

// Every kind of record and field: an empty line, codes of every width, the extreme coordinates,
// and groups, one of them empty and nameless, one with two blanks in its name.
std::string VariedFile() {
    DrawingState d;
    d.Lines8pudt[AddLine(d, {{-16384, 16383}, {0, -1}})].Code = "A";
    AddLine(d, {});
    d.Lines8pudt[AddLine(d, {{16383, -16384}})].Code = "-5";
    d.Lines8pudt[AddLine(d, {{7, 12345}})].Code = ">";
    d.GroupCount8pint = 2;
    GroupRec& clay = d.Groups8pudt[1];
    clay.Name = "Clay,  soft";
    clay.LineCount = 2;
    clay.LineNo[1] = 4;
    clay.LineNo[2] = 1;
    return DataFileText(d);
}

std::string LfLineEnds(std::string file) {
    std::erase(file, '\r');
    return file;
}

std::string TrailingSpacesRemoved(const std::string& file) {
    std::string stripped;
    for (std::size_t at = 0; at < file.size();) {
        const std::size_t end = file.find_first_of("\r\n", at);
        const std::string_view line(file.data() + at, end - at);
        stripped.append(line.substr(0, line.find_last_not_of(' ') + 1));
        at = file.find('\n', end) + 1;
        stripped.append(file, end, at - end);
    }
    return stripped;
}

// Every run of spaces but a group name's a tab and a space; after lines that end in a space, CR LF
// as before, after the others commas, LF and blanks before the next line; a byte order mark
// before the first and an empty line after the last: as editors and spreadsheets may leave them.
std::string Relaid(const std::string& file) {
    std::string relaid = "\xEF\xBB\xBF";
    for (std::size_t at = 0; at < file.size(); at = file.find('\n', at) + 1) {
        const std::string line = file.substr(at, file.find('\r', at) - at);
        relaid += (line.starts_with("Define GroupOf")
                       ? line
                       : std::regex_replace(line, std::regex(" +"), "\t ")) +
                  (line.ends_with(' ') ? "\r\n" : ",,,\n \t");
    }
    return relaid + ",\r\n";
}

struct ToolChange {
    const char* name;
    std::string (*change)(const std::string&);
};

class ReadChangedFile : public ::testing::TestWithParam<ToolChange> {};

TEST_P(ReadChangedFile, GivesTheDrawingThatWritesTheFileAsItWas) {
    for (const std::string& file : {std::string(kExample), VariedFile()}) {
        const std::string changed = GetParam().change(file);
        EXPECT_EQ(DataFileText(Taken(changed)), file) << changed;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tools, ReadChangedFile,
    ::testing::Values(ToolChange{"Unchanged", [](const std::string& f) { return f; }},
                      ToolChange{"LfLineEnds", [](const std::string& f) { return LfLineEnds(f); }},
                      ToolChange{"TrailingSpacesRemoved", &TrailingSpacesRemoved},
                      ToolChange{"Both",
                                 [](const std::string& f) {
                                     return LfLineEnds(TrailingSpacesRemoved(f));
                                 }},
                      ToolChange{"Relaid", &Relaid},
                      ToolChange{"LastLineEndRemoved",
                                 [](const std::string& f) { return f.substr(0, f.size() - 2); }}),
    [](const auto& info) { return info.param.name; });

// The file of a drawing whose lines have these numbers of points, all at (1, 1).
std::string FileOfLines(const std::vector<int>& pointCounts) {
    DrawingState d;
    for (int count : pointCounts) {
        AddLine(d, Points(count, {1, 1}));
    }
    return DataFileText(d);
}

std::string Replaced(std::string file, std::string_view from, std::string_view to) {
    const std::size_t at = file.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? file : file.replace(at, from.size(), to);
}

// One point more in `line` than its `count` points.
std::string OnePointMore(const std::string& file, int line, int count) {
    const std::string start = "CADline=" + std::to_string(line) + "   #=";
    const std::string comment = std::string("\r\n") + std::string(kComment) + "\r\n";
    return Replaced(file, start + std::to_string(count) + comment,
                    start + std::to_string(count + 1) + comment +
                        "InLine               Point >                        1  1  UN\r\n");
}

struct BadFile {
    const char* name;
    std::string (*make)();
    int line;
    std::string message;
};

class ReadBadFile : public ::testing::TestWithParam<BadFile> {};

TEST_P(ReadBadFile, RefusedAtTheLineWithWhatWasExpected) {
    const std::string file = GetParam().make();
    const auto read = ReadDataFile(file);
    ASSERT_TRUE(std::holds_alternative<DataFileError>(read)) << file;
    EXPECT_EQ(std::get<DataFileError>(read), (DataFileError{GetParam().line, GetParam().message}));
}

INSTANTIATE_TEST_SUITE_P(
    Files, ReadBadFile,
    ::testing::Values(
        BadFile{"MoreLinesCountedThanGiven",
                [] { return Replaced(kExample, "#=1\r\n", "#=2\r\n"); }, 9,
                "line 9 says 2 lines, the file holds 1"},
        BadFile{"FewerLinesCountedThanGiven",
                [] { return Replaced(kExample, "#=1\r\n", "#=0\r\n"); }, 9,
                "line 9 says 0 lines, the file holds 1"},
        BadFile{"FewerPointsCountedThanGiven",
                [] { return Replaced(kExample, "#=2\r\n", "#=1\r\n"); }, 10,
                "line 10 says 1 point, the file holds 2"},
        BadFile{"MorePointsCountedThanGiven",
                [] { return Replaced(kExample, "#=2\r\n", "#=3\r\n"); }, 10,
                "line 10 says 3 points, the file holds 2"},
        BadFile{"BlockOfAnotherPosition",
                [] { return Replaced(kExample, "CADline=1", "CADline=2"); }, 10,
                R"(line 10: expected "LoopingStart CADline Loop > CADline=1 #=" )"
                "and the point count of line 1"},
        BadFile{"TwentyOnePointsInALine", [] { return OnePointMore(FileOfLines({20}), 1, 20); }, 10,
                "line 10: line 1 has 21 points; at most 20"},
        BadFile{"FiftySixPoints",
                [] {
                    return OnePointMore(FileOfLines({20, 20, 15}), 3, 15);
                },
                56, "line 56: 56 points in all; at most 55"},
        BadFile{"FortyFourLines",
                [] {
                    return Replaced(
                        Replaced(FileOfLines(std::vector<int>(43, 0)), "#=43\r\n", "#=44\r\n"),
                        "LoopEnd          Endof",
                        "LoopingStart     CADline Loop >                 CADline=44   #=0\r\n" +
                            std::string(kComment) + "\r\n" + std::string(kLineEnd) +
                            "\r\nLoopEnd          Endof");
                },
                9, "line 9: 44 lines; at most 43"},
        BadFile{"LeadingZero", [] { return Replaced(kExample, " 100  ", " 0100  "); }, 12,
                "line 12: expected X and Y as whole numbers without a plus sign or leading zeros, "
                "found 0100 (point 1 of line 1)"},
        BadFile{"DecimalPoint", [] { return Replaced(kExample, " 100  ", " 100.5  "); }, 12,
                "line 12: coordinates are whole pixels, found 100.5 (point 1 of line 1)"},
        BadFile{
            "CoordinateAboveTheBound", [] { return Replaced(kExample, "  250  ", "  16384  "); },
            13,
            "line 13: expected coordinates from -16384 to 16383, found 16384 (point 2 of line 1)"},
        BadFile{"CodeChangesWithinALine", [] { return Replaced(kExample, "250  UN", "250  SA"); },
                13,
                R"(line 13 gives the code "SA" and line 12 the code "UN" to points of line 1; )"
                "all points of a line have one code"},
        BadFile{"CodeNotText", [] { return Replaced(kExample, "200  UN", "200  \xE9"); }, 12,
                "line 12: expected a code of one or two printable ASCII characters, no blank or "
                "comma (point 1 of line 1)"},
        BadFile{"GroupOfALineThatIsNot",
                [] {
                    return Replaced(kExample, " \r\n               >",
                                    " \r\nDefine GroupOf >                  Trends Sand\r\n"
                                    "InLine                                  2\r\n"
                                    "End GroupData                     End\r\n"
                                    "               >");
                },
                21, "line 21: group 1 names line 2, but the file holds 1 line"},
        BadFile{"ChangedFixedText", [] { return Replaced(kExample, "v3", "v4"); }, 2,
                R"(line 2: expected "Qelt-CAD-v3")"},
        BadFile{"TextAfterTheEnd", [] { return kExample + std::string("\r\nx\r\n"); }, 23,
                "line 23: expected nothing after the end of the data"},
        BadFile{"EndsEarly",
                [] {
                    const std::string file = kExample;
                    return file.substr(0, file.find("LoopEnd          Endof"));
                },
                15,
                R"(line 15: expected "LoopEnd Endof > ___EndOf" (end of the lines), )"
                "found the end of the file"},
        BadFile{"Empty", [] { return std::string(); }, 1,
                R"(line 1: expected "X,Y,Line,CADoCode", found the end of the file)"},
        BadFile{"NulByte",
                [] { return Replaced(kExample, "200  UN", std::string("200\0  UN", 8)); }, 12,
                "line 12: expected text, found the control byte 0x00"}),
    [](const auto& info) { return info.param.name; });

TEST(ReadDataFile, LargestDrawingIsWellWithinTheCap) {
    DrawingState d;
    for (int k = 1; k <= MaxLines; ++k) {
        AddLine(d, Points(k <= 5 ? 10 : (k <= 10 ? 1 : 0), {-16384, -16384}));
    }
    d.GroupCount8pint = 9;
    for (int g = 1; g <= 9; ++g) {
        d.Groups8pudt[g].LineCount = 11;
        for (int i = 1; i <= 11; ++i) {
            d.Groups8pudt[g].LineNo[i] = static_cast<Integer>(30 + i);
        }
    }
    const std::string file = DataFileText(d);
    EXPECT_EQ(file.size(), 18'261U);
    EXPECT_EQ(DataFileText(Taken(file)), file);
    EXPECT_EQ(std::get<DataFileError>(ReadDataFile(std::string(MaxDataFileBytes + 1, ' '))),
              (DataFileError{1, "the file has 65537 bytes, more than a data file holds (65536)"}));
}

// Opened at start-up: the buttons offer the line, the canvas shows it, the completion line says
// what was read, and there is nothing before it to undo.
TEST(ReadDataFile, OpenedDrawingIsShownReadyToEdit) {
    FakeWorld w;
    Program& p = w.Started();
    OpenDrawing(p, Taken(kExample), "section7/Qelt-CAD-float.csv");
    EXPECT_EQ(w.Button2.Caption(), "Modify a Line");
    EXPECT_TRUE(w.Button2.Enabled());
    EXPECT_EQ(w.Concluding.Caption(), "Read 1 line, 2 points from section7/Qelt-CAD-float.csv");
    EXPECT_EQ(w.canvas.calls.back(), "dot 150 250 w1 c0");
    Undo(p);
    EXPECT_EQ(w.Concluding.Caption(), "Nothing to undo");
    WriteDataFile(p);
    EXPECT_EQ(w.output.files.at(0).second, kExample);
}

// Lines coded AA, BB, CC, ... as `lines` numbers them (1 for AA), each a stroke at a place of
// its own, and groups "G1", "G2", ... of these members.
using Groups = std::vector<std::vector<int>>;
std::string CodedFile(const std::vector<int>& lines, const Groups& groups) {
    DrawingState d;
    for (int i : lines) {
        d.Lines8pudt[AddLine(d, {{100 * i, 100}, {100 * i + 50, 150}})].Code =
            std::string(2, static_cast<char>('A' + i - 1));
    }
    for (const std::vector<int>& members : groups) {
        GroupRec& group = d.Groups8pudt[++d.GroupCount8pint];
        group.Name = "G" + std::to_string(d.GroupCount8pint);
        for (int line : members) {
            group.LineNo[++group.LineCount] = static_cast<Integer>(line);
        }
    }
    return DataFileText(d);
}

TEST(ReadDataFile, CodesAndGroupsFollowADeletedLine) {
    struct Case {
        int deleted;
        std::vector<int> left;
        Groups groups;
    };
    const Case cases[] = {
        {1, {2, 3}, {{2}, {1}}},
        {2, {1, 3}, {{1, 2}, {}}},
        {3, {1, 2}, {{1}, {2}}},
    };
    for (const Case& c : cases) {
        FakeWorld w;
        Program& p = w.Started();
        OpenDrawing(p, Taken(CodedFile({1, 2, 3}, {{1, 3}, {2}})), "coded");
        Button2Pressed(p);
        Click(p, 1, static_cast<Single>(100 * c.deleted + 25), 125);
        Button2Pressed(p);
        Button4Pressed(p);
        WriteDataFile(p);
        EXPECT_EQ(w.output.files.at(0).second, CodedFile(c.left, c.groups)) << c.deleted;
    }
}

// Points at the bounds, the pointer at the far side of them: the point search's differences
// and squares, and the symbols drawn around the points, stay in range; one pixel beyond does not.
TEST(ReadDataFile, CoordinateBoundsKeepThePointSearchInRange) {
    FakeWorld w;
    Program& p = w.Started();
    p.drawing = Taken(
        Replaced(Replaced(kExample, "100  200", "-16384  -16384"), "150  250", "16383  16383"));
    for (Integer far : {MinFileCoordinate, MaxFileCoordinate}) {
        EXPECT_NO_THROW(FindNearestPoint(p.drawing, NoLine, far, far, true)) << far;
    }
    EXPECT_NO_THROW(BuildDisplayList(p.plotView()));
    EXPECT_NO_THROW(PaintCanvas(p.plotView()));
    p.drawing.Points8pudt[1].X = MinFileCoordinate - 1;
    EXPECT_THROW(FindNearestPoint(p.drawing, NoLine, MaxFileCoordinate, 0, true), OverflowError);
}

}  // namespace
}  // namespace qelt::testing
