#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "output/data_file.h"
#include "output/data_file_texts.h"
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

}  // namespace
}  // namespace qelt::testing
