#include <gtest/gtest.h>

#include <variant>

#include "interaction/ending.h"
#include "interaction/open_drawing.h"
#include "output/data_file.h"
#include "output/read_data_file.h"
#include "program/startup.h"
#include "support/example_file.h"
#include "support/scenario.h"

namespace qelt::testing {
namespace {

DrawingState Example() {
    return std::get<DrawingState>(ReadDataFile(kExampleFile));
}

TEST(StartUp, EndsIdleWithABlankCanvasAndAnEmptyDrawing) {
    FakeWorld w;
    Program& p = w.Started();

    const Screen idle{{"Add a new line", true},   {"2) Select_Un/Assign_Yes", false},
                      {"3)    Edit_Done", false}, {"4)  Delete_Right_No", false},
                      {"Cancel ", false},         "waiting for your next activity"};
    EXPECT_EQ(Shown(w), idle);
    EXPECT_EQ(w.Concluding.Caption(), "Concluding info  for user...");
    EXPECT_EQ(w.canvas.calls.back(), "clear");
    EXPECT_EQ(p.mouse.MouseWhere8pstr, MouseWhere::FORM);
    EXPECT_EQ(p.mouse.MouseState8pstr, PressState::MOVE);
    EXPECT_TRUE(p.actions.ReadyForAction8pbol);
    EXPECT_FALSE(p.actions.LineSearchOn8pbol);
    EXPECT_EQ(p.drawing.LineCount8pint, 0);
    EXPECT_EQ(p.drawing.PointsUsed8pint, 0);
    EXPECT_EQ(p.drawing.SelectedLine8pint, 0) << "zero, not the none value";
    EXPECT_EQ(p.drawing.SelectedPoint8pint, 0);
    EXPECT_EQ(p.drawing.GroupCount8pint, 0);
    EXPECT_FALSE(w.session.ended);
}

TEST(StartUp, ShowsTheThreeSecondaryWindowsBeforeTheMainWindow) {
    FakeWorld w;
    w.Started();
    const std::vector<Form> order{Form::XSpick8frm, Form::CADmap8frm, Form::CADlistof8frm,
                                  Form::CAD8frm};
    EXPECT_EQ(w.session.shown, order);
}

TEST(StartUp, SymbolUnitIsOneHundredthOfTheCanvasWidthOnBothAxes) {
    FakeWorld w(785, 100);
    Program& p = w.Started();
    EXPECT_FLOAT_EQ(p.lists.SymbolUnitX8psng, 7.85F);
    EXPECT_EQ(p.lists.SymbolUnitY8psng, p.lists.SymbolUnitX8psng);
    EXPECT_FLOAT_EQ(p.lists.SymbolScale8psng, 0.01F);
}

TEST(StartUp, ProgramsRunSideBySideWithoutSharingState) {
    FakeWorld first;
    FakeWorld second;
    DrawLine(first.Started(), {{10, 10}, {50, 60}});
    second.Started();
    EXPECT_EQ(first.program.drawing.LineCount8pint, 1);
    EXPECT_EQ(second.program.drawing.LineCount8pint, 0);
    EXPECT_EQ(second.Button2.Caption(), "2) Select_Un/Assign_Yes");
}

// END writes nothing and ends at once; a drawing with changes not yet written is kept first.
TEST(End, EndsAtOnceKeepingOnlyADrawingNotWritten) {
    const struct {
        const char* name;
        void (*before)(FakeWorld&);
        bool kept;
    } cases[] = {
        {"nothing drawn", [](FakeWorld&) {}, false},
        {"a line drawn",
         [](FakeWorld& w) {
             DrawLine(w.program, {{10, 10}, {50, 60}});
         },
         true},
        {"a file read", [](FakeWorld& w) { OpenDrawing(w.program, Example(), "f"); }, false},
        {"a write failed",
         [](FakeWorld& w) {
             OpenDrawing(w.program, Example(), "f");
             DrawLine(w.program, {{10, 10}});
             w.output.failure = "full";
             WriteDataFile(w.program);
             w.output.failure.reset();
         },
         true},
    };
    for (const auto& c : cases) {
        FakeWorld w;
        w.Started();
        c.before(w);
        EndProgram(w.program);
        EXPECT_TRUE(w.session.ended && w.program.ended) << c.name;
        EXPECT_TRUE(w.output.files.empty()) << c.name;
        EXPECT_EQ(w.output.kept, c.kept ? std::vector{DataFileText(w.program.drawing)}
                                        : std::vector<std::string>{})
            << c.name;
        EXPECT_EQ(w.session.printed,
                  c.kept ? std::vector<std::string>{"err: qelt-cad: the unwritten drawing is "
                                                    "kept in /state/1.csv"}
                         : std::vector<std::string>{})
            << c.name;
    }
}

// Where the drawing cannot be kept, END says why and stays; END again ends without it.
TEST(End, ADrawingThatCannotBeKeptStaysUntilEndIsPressedAgain) {
    FakeWorld w;
    Program& p = w.Started();
    DrawLine(p, {{10, 10}});
    w.output.failure = "No space left on device";
    EndProgram(p);
    EXPECT_FALSE(w.session.ended || p.ended);
    EXPECT_EQ(w.session.alerts,
              std::vector<std::string>{"Could not keep the unwritten drawing: No space left on "
                                       "device --- Write & End writes it; the same again goes on "
                                       "without it"});
    EndProgram(p);
    EXPECT_TRUE(w.session.ended && p.ended);
    EXPECT_TRUE(w.session.printed.empty());
}

}  // namespace
}  // namespace qelt::testing
