// The monkey's rules catch the faults they are written for.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "interaction/actions.h"
#include "monkey/checks.h"
#include "output/data_file.h"
#include "support/scenario.h"

namespace qelt::testing {
namespace {

// A started program with one line (100, 200), (150, 250), (120, 300), idle again.
struct OneLine {
    OneLine() {
        DrawLine(w.program, {{100, 200}, {150, 250}, {120, 300}});
        before = Remember(w);
    }
    MonkeyWorld w;
    Before before;
};

bool Says(const Findings& findings, const std::string& part) {
    return std::ranges::any_of(
        findings, [&](const std::string& f) { return f.find(part) != std::string::npos; });
}

TEST(MonkeyChecks, AWholeProgramPasses) {
    OneLine o;
    EXPECT_EQ(Violations(o.w, o.before), Findings{});
}

// Each broken rule is named; a check that cannot fail would let the monkey pass anything.
TEST(MonkeyChecks, EveryBrokenRuleIsFound) {
    struct Case {
        const char* said;
        std::function<void(OneLine&)> breakIt;
    };
    const Case cases[] = {
        {"slot 1 is point 1 of line 1 and point 2 of line 1",
         [](OneLine& o) { o.w.program.drawing.Lines8pudt[1].PtIdx[2] = 1; }},
        {"line 1 point 3 refers to free slot 3",
         [](OneLine& o) { o.w.program.drawing.Points8pudt[3].InUse = false; }},
        {"slot 9 is in use but no line refers to it",
         [](OneLine& o) { o.w.program.drawing.Points8pudt[9].InUse = true; }},
        {"line 1 point 2 refers to slot 40 outside 1..3",
         [](OneLine& o) { o.w.program.drawing.Lines8pudt[1].PtIdx[2] = 40; }},
        {"PointsUsed8pint went from 4 to 3", [](OneLine& o) { o.before.PointsUsed8pint = 4; }},
        {"SelectedLine8pint is 2 with 1 lines",
         [](OneLine& o) { o.w.program.drawing.SelectedLine8pint = 2; }},
        {"LineCount8pint is 44", [](OneLine& o) { o.w.program.drawing.LineCount8pint = 44; }},
        {"line 1 has PtCount 21",
         [](OneLine& o) { o.w.program.drawing.Lines8pudt[1].PtCount = 21; }},
        {"SymbolCount8pint is 56", [](OneLine& o) { o.w.program.lists.SymbolCount8pint = 56; }},
        {"the action flags form no known state",
         [](OneLine& o) { o.w.program.actions.MovingPoint8pbol = true; }},
        {"Button 1 is enabled",
         [](OneLine& o) {
             Button1Pressed(o.w.program);
             o.w.Button1.SetEnabled(true);
         }},
        {"Cancel is disabled",
         [](OneLine& o) {
             Button2Pressed(o.w.program);
             o.w.Cancel.SetEnabled(false);
         }},
        {"Button 2 is disabled", [](OneLine& o) { o.w.Button2.SetEnabled(false); }},
        {"LineSearchOn8pbol differs from SelectingLine8pbol",
         [](OneLine& o) { o.w.program.actions.LineSearchOn8pbol = true; }},
    };
    for (const Case& c : cases) {
        OneLine o;
        c.breakIt(o);
        const Findings findings = Violations(o.w, o.before);
        EXPECT_TRUE(Says(findings, c.said)) << c.said << "\n" << ::testing::PrintToString(findings);
    }
}

// The data file read back: every way the text can leave the format is named.
TEST(MonkeyChecks, DataFileFaultsAreFound) {
    struct Case {
        const char* said;
        std::string from;
        std::string to;
    };
    const Case cases[] = {
        {"does not end in CR LF", "EndOfDataFile\r\n", "EndOfDataFile"},
        {"does not end in CR LF", "Qelt-CAD-v3\r\n", "Qelt-CAD-v3\n"},
        {"the line count says 2 for 1 lines", "CADline #=1\r\n", "CADline #=2\r\n"},
        {"line 1 says #=2 over 3 point lines", "   #=3\r\n", "   #=2\r\n"},
        {"point 1 of line 1 is written \"0100  200  UN\"", "100  200", "0100  200"},
        {"point 2 of line 1 is written \"150  251  UN\"", "150  250", "150  251"},
        {"record 4 is", "<bySequence> \r\n", "<bySequence>\r\n"},
        {"text follows the end marker", "EndOfDataFile\r\n", "EndOfDataFile\r\n \r\n"},
        {"the file ends early", "DataFIle                                EndOfDataFile\r\n", ""},
    };
    OneLine o;
    const DrawingState& d = o.w.program.drawing;
    const std::string good = DataFileText(d);
    for (const Case& c : cases) {
        std::string text = good;
        const std::size_t at = text.find(c.from);
        ASSERT_NE(at, std::string::npos) << c.from;
        text.replace(at, c.from.size(), c.to);
        Findings findings;
        CheckDataFileText(text, d, findings);
        EXPECT_TRUE(Says(findings, c.said)) << c.said << "\n" << ::testing::PrintToString(findings);
    }
}

}  // namespace
}  // namespace qelt::testing
