// The display lists and the drawing calls of a full repaint.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "plotting/rendering.h"
#include "support/param_names.h"
#include "support/scenario.h"

namespace qelt::testing {
namespace {

using Calls = std::vector<std::string>;

constexpr Long kNearBlack = 65793;
constexpr Long kLightGrey = 192 * 65793;
constexpr Long kRed = 255;

// The calls of the last repaint, from its clearing on.
Calls LastRepaint(const FakeWorld& w) {
    const Calls& calls = w.canvas.calls;
    const auto clear = std::find(calls.rbegin(), calls.rend(), "clear");
    return {clear == calls.rend() ? calls.begin() : clear.base() - 1, calls.end()};
}

TEST(DisplayList, ALineWithOnePointGetsASquareButNoSegment) {
    FakeWorld w;
    Program& p = w.Started();
    AddLine(p.drawing, {});
    AddLine(p.drawing, {{100, 50}});
    RedrawAll(p.plotView());
    EXPECT_EQ(p.lists.SegCount8pint, 0);
    ASSERT_EQ(p.lists.SymbolCount8pint, 1);
    EXPECT_EQ(p.lists.Symbols8pudt[1].X, 100);
    EXPECT_EQ(p.lists.Symbols8pudt[1].Y, 50);
    EXPECT_EQ(p.lists.Symbols8pudt[1].Kind, SymbolKind::Square);
    EXPECT_FLOAT_EQ(p.lists.Symbols8pudt[1].Size, 0.5F);
}

TEST(DisplayList, ATwoPointLineIsPaintedAsSegmentThenSquares) {
    FakeWorld w;
    Program& p = w.Started();
    AddLine(p.drawing, {{100, 50}, {200, 80}});
    RedrawAll(p.plotView());
    const Calls square100{"dot 96 46 w1 c0",          "line 96 46 104 46 w1 c0",
                          "line 104 46 104 54 w1 c0", "line 104 54 96 54 w1 c0",
                          "line 96 54 96 46 w1 c0",   "dot 100 50 w1 c0"};
    const Calls square200{"dot 196 76 w1 c0",         "line 196 76 204 76 w1 c0",
                          "line 204 76 204 84 w1 c0", "line 204 84 196 84 w1 c0",
                          "line 196 84 196 76 w1 c0", "dot 200 80 w1 c0"};
    Calls expected{"clear", "dot 100 50 w1 c0", "line 100 50 200 80 w2 c0"};
    expected.insert(expected.end(), square100.begin(), square100.end());
    expected.insert(expected.end(), square200.begin(), square200.end());
    EXPECT_EQ(LastRepaint(w), expected);

    RedrawAll(p.plotView());  // the squares left the canvas at width 1; the segment sets 2 again
    EXPECT_EQ(LastRepaint(w), expected);
}

// A repaint is left out only when the canvas shows what it would draw; either way the canvas,
// the pen and the lists end as a first repaint of the same drawing leaves them.
struct RepaintCase {
    const char* name;
    void (*change)(Program&, Canvas&);
    bool repainted;
};

class RepaintAfter : public ::testing::TestWithParam<RepaintCase> {};

TEST_P(RepaintAfter, ItOrNone) {
    FakeWorld w;
    FakeWorld fresh;
    for (FakeWorld* world : {&w, &fresh}) {
        AddLine(world->Started().drawing, {{100, 50}, {200, 80}, {300, 60}});
        AddLine(world->program.drawing, {{120, 300}, {3, 440}});
    }
    RedrawAll(w.program.plotView());
    RedrawAll(w.program.plotView());  // begun with the widths the first one left
    const std::size_t calls = w.canvas.calls.size();
    for (FakeWorld* world : {&w, &fresh}) {
        GetParam().change(world->program, world->canvas);
        fresh.program.shown = {};  // never painted, whatever its change painted
        RedrawAll(world->program.plotView());
    }
    EXPECT_EQ(w.canvas.calls.size() > calls, GetParam().repainted);
    EXPECT_EQ(LastRepaint(w), LastRepaint(fresh));
    EXPECT_TRUE(w.program.lists.Symbols8pudt == fresh.program.lists.Symbols8pudt);
    const auto pen = [](FakeWorld& world) {
        return std::tuple(world.canvas.CurrentX(), world.canvas.CurrentY(),
                          world.canvas.DrawWidth(), world.program.LastWidth8sint);
    };
    EXPECT_EQ(pen(w), pen(fresh));
}

INSTANTIATE_TEST_SUITE_P(
    Changes, RepaintAfter,
    ::testing::Values(
        RepaintCase{"Nothing", [](Program&, Canvas&) {}, false},
        RepaintCase{"APointWrittenIntoThePool",
                    [](Program& p, Canvas&) { p.drawing.Points8pudt[2].X = 210; }, true},
        RepaintCase{"ALineThroughAnotherPoint",
                    [](Program& p, Canvas&) { p.drawing.Lines8pudt[1].PtIdx[2] = 4; }, true},
        RepaintCase{"ALineSearchedFor",
                    [](Program& p, Canvas&) { p.actions.LineSearchOn8pbol = true; }, true},
        RepaintCase{"AnotherLineFound",
                    [](Program& p, Canvas&) {
                        p.actions.LineSearchOn8pbol = true;
                        p.drawing.SelectedLine8pint = 1;
                        RedrawAll(p.plotView());
                        p.drawing.SelectedLine8pint = 2;
                    },
                    true},
        RepaintCase{"TheListsWrittenOver",
                    [](Program& p, Canvas&) { p.lists.Symbols8pudt[1].X = 7; }, false},
        RepaintCase{"ADotThePenLeft",
                    [](Program&, Canvas& c) {
                        const Single x = c.CurrentX(), y = c.CurrentY();
                        c.PSet(5, 5);
                        c.MoveTo(x, y);
                    },
                    true},
        RepaintCase{"ThePenMoved", [](Program&, Canvas& c) { c.MoveTo(3, 3); }, false},
        RepaintCase{"ARepaintBegunAtAnotherWidth",
                    [](Program& p, Canvas& c) {
                        c.SetDrawWidth(2);
                        RedrawAll(p.plotView());
                    },
                    true},
        RepaintCase{"ThePenWidthSet", [](Program&, Canvas& c) { c.SetDrawWidth(5); }, true},
        RepaintCase{"TheZoomBoxShownAndGone",
                    [](Program& p, Canvas&) {
                        p.mouse.ZoomBoxDragging8pbol = true;
                        RedrawAll(p.plotView());
                        p.mouse.ZoomBoxDragging8pbol = false;
                    },
                    true}),
    [](const auto& info) { return std::string(info.param.name); });

struct ColourCase {
    const char* name;
    bool search;
    Integer selected;
    Long line1, line2, line3;
};

class LineColours : public ::testing::TestWithParam<ColourCase> {};

TEST_P(LineColours, SegmentsAndSquaresOfEachLine) {
    const ColourCase& c = GetParam();
    FakeWorld w;
    Program& p = w.Started();
    AddLine(p.drawing, {{10, 10}, {20, 20}});
    AddLine(p.drawing, {{30, 30}, {40, 40}});
    AddLine(p.drawing, {{50, 50}, {60, 60}});
    p.actions.LineSearchOn8pbol = c.search;
    p.drawing.SelectedLine8pint = c.selected;
    BuildDisplayList(p.plotView());
    const std::vector<Long> colours{c.line1, c.line2, c.line3};
    ASSERT_EQ(p.lists.SegCount8pint, 3);
    ASSERT_EQ(p.lists.SymbolCount8pint, 6);
    for (int line = 1; line <= 3; ++line) {
        EXPECT_EQ(p.lists.Segs8pudt[line].Color, colours[line - 1]) << "line " << line;
        EXPECT_EQ(p.lists.Segs8pudt[line].Width, 2);
        EXPECT_EQ(p.lists.Symbols8pudt[2 * line - 1].Color, colours[line - 1]) << "line " << line;
        EXPECT_EQ(p.lists.Symbols8pudt[2 * line].Color, colours[line - 1]) << "line " << line;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Search, LineColours,
    ::testing::Values(ColourCase{"OffIsPureBlack", false, 2, 0, 0, 0},
                      ColourCase{"OnWithAFoundLine", true, 2, kLightGrey, kNearBlack, kLightGrey},
                      ColourCase{"OnWithNoLine", true, NoLine, kLightGrey, kLightGrey, kLightGrey}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DisplayList, EveryPointOfAFullPoolGetsASquare) {
    FakeWorld w;
    Program& p = w.Started();
    std::vector<Points> lines(3);
    for (int i = 1; i <= MaxPoints; ++i) {
        lines[(i - 1) / 20].emplace_back(i * 10, 100);
    }
    for (const Points& line : lines) {
        AddLine(p.drawing, line);
    }
    RedrawAll(p.plotView());

    EXPECT_EQ(p.lists.SegCount8pint, 19 + 19 + 14);
    ASSERT_EQ(p.lists.SymbolCount8pint, 55);
    for (int k = 1; k <= 55; ++k) {
        EXPECT_EQ(p.lists.Symbols8pudt[k].X, k * 10) << "symbol " << k;
    }
    for (const SymbolRec& symbol : p.lists.Symbols8pudt) {
        EXPECT_EQ(symbol.Width, 1) << "every drawn entry had its width 0 replaced by 1";
    }
}

TEST(DisplayList, SymbolWidthsAreZeroUntilDrawn) {
    FakeWorld w;
    Program& p = w.Started();
    AddLine(p.drawing, {{10, 10}});
    BuildDisplayList(p.plotView());
    EXPECT_EQ(p.lists.Symbols8pudt[1].Width, 0);
    PaintCanvas(p.plotView());
    EXPECT_EQ(p.lists.Symbols8pudt[1].Width, 1);
}

struct SquareCase {
    Single unit;
    int half;
};

class SquareExtent : public ::testing::TestWithParam<SquareCase> {};

TEST_P(SquareExtent, HalfOfTheUnitRoundedHalfToEven) {
    FakeWorld w;
    Program& p = w.Started();
    p.lists.SymbolUnitX8psng = GetParam().unit;
    p.lists.SymbolUnitY8psng = GetParam().unit;
    w.canvas.calls.clear();
    DrawSquareSymbol(p.plotView(), 100, 200, 0.5F, 1, 0);
    const std::string lo = std::to_string(100 - GetParam().half);
    const std::string hi = std::to_string(100 + GetParam().half);
    const std::string top = std::to_string(200 - GetParam().half);
    EXPECT_EQ(w.canvas.calls.front(), "dot " + lo + " " + top + " w1 c0");
    EXPECT_EQ(w.canvas.calls[1], "line " + lo + " " + top + " " + hi + " " + top + " w1 c0");
}

INSTANTIATE_TEST_SUITE_P(Units, SquareExtent,
                         ::testing::Values(SquareCase{9, 4}, SquareCase{11, 6},
                                           SquareCase{7.85F, 4}, SquareCase{8, 4}),
                         [](const auto& info) {
                             return "Unit" + NumberName(info.param.unit) + "Half" +
                                    NumberName(info.param.half);
                         });

TEST(Rendering, AFirstSegmentStartingOutsideIsCutAtTheEdge) {
    FakeWorld w;
    Program& p = w.Started();
    AddLine(p.drawing, {{-10, 50}, {100, 160}});
    RedrawAll(p.plotView());
    const Calls repaint = LastRepaint(w);
    ASSERT_GE(repaint.size(), 2U);
    EXPECT_EQ(repaint[1], "line 0 60 100 160 w2 c0");
}

TEST(Rendering, ALineToAnOutsideVertexRunsToTheEdge) {
    FakeWorld w;
    Program& p = w.Started();
    AddLine(p.drawing, {{100, 100}, {900, 300}, {100, 300}});
    BuildDisplayList(p.plotView());
    p.lists.SymbolCount8pint = 0;
    PaintCanvas(p.plotView());
    EXPECT_EQ(LastRepaint(w), (Calls{"clear", "dot 100 100 w1 c0", "line 100 100 785 271.25 w2 c0",
                                     "line 785 300 100 300 w2 c0"}));
}

TEST(Rendering, ACircleSymbolIsASixteenGon) {
    FakeWorld w;
    Program& p = w.Started();
    p.lists.SymbolUnitX8psng = 10;
    p.lists.SymbolUnitY8psng = 10;
    w.canvas.calls.clear();
    Integer width = 0;
    DrawSymbol(p.plotView(), SymbolKind::Circle, 100, 100, kRed, 1, width);
    EXPECT_EQ(width, 1);
    EXPECT_EQ(w.canvas.calls,
              (Calls{"dot 90 100 w1 c0", "line 90 100 91 104 w1 c255", "line 91 104 93 107 w1 c255",
                     "line 93 107 96 109 w1 c255", "line 96 109 100 110 w1 c255",
                     "line 100 110 104 109 w1 c255", "line 104 109 107 107 w1 c255",
                     "line 107 107 109 104 w1 c255", "line 109 104 110 100 w1 c255",
                     "line 110 100 109 96 w1 c255", "line 109 96 107 93 w1 c255",
                     "line 107 93 104 91 w1 c255", "line 104 91 100 90 w1 c255",
                     "line 100 90 96 91 w1 c255", "line 96 91 93 93 w1 c255",
                     "line 93 93 91 96 w1 c255", "line 91 96 90 100 w1 c255"}));
    w.canvas.calls.clear();
    DrawCircleSymbol(p.plotView(), NoLine, 100, 1, 1, kRed, true);
    EXPECT_TRUE(w.canvas.calls.empty());
}

TEST(ZoomOverlay, AnInsideBoxIsOutlinedAfterTheSymbols) {
    FakeWorld w;
    Program& p = w.Started();
    AddLine(p.drawing, {{10, 10}});
    p.mouse.ZoomBoxDragging8pbol = true;
    RedrawAll(p.plotView());
    const Calls repaint = LastRepaint(w);
    const Calls box{"dot 196 111 w1 c0", "line 196 111 588 111 w2 c65793",
                    "line 588 111 588 331 w2 c65793", "line 588 331 196 331 w2 c65793",
                    "line 196 331 196 111 w2 c65793"};
    ASSERT_EQ(repaint.size(), 1 + 6 + box.size());
    EXPECT_EQ(Calls(repaint.end() - 5, repaint.end()), box);
    EXPECT_EQ(repaint[6], "dot 10 10 w1 c0") << "the symbol comes first";
}

TEST(ZoomOverlay, ABoxSmallerThanFortyIsCrossedOutInRed) {
    FakeWorld w;
    Program& p = w.Started();
    p.mouse.ZoomBoxDragging8pbol = true;
    p.frame.HalfWidth8pint = 100;
    p.frame.HalfHeight8pint = 39;
    RedrawAll(p.plotView());
    EXPECT_EQ(LastRepaint(w), (Calls{"clear", "dot 352 261 w1 c0", "line 352 261 432 181 w3 c255",
                                     "dot 432 261 w3 c0", "line 432 261 352 181 w3 c255"}));
}

TEST(ZoomOverlay, ABoxLeavingTheControlIsStruckThroughWithACircle) {
    FakeWorld w;
    Program& p = w.Started();
    p.mouse.ZoomBoxDragging8pbol = true;
    p.frame.HalfWidth8pint = 393;  // left edge at -1
    RedrawAll(p.plotView());
    const Calls expected{"clear",
                         "dot 368 221 w1 c0",
                         "line 368 221 371 231 w4 c255",
                         "line 371 231 375 238 w4 c255",
                         "line 375 238 382 242 w4 c255",
                         "line 382 242 392 245 w4 c255",
                         "line 392 245 402 242 w4 c255",
                         "line 402 242 409 238 w4 c255",
                         "line 409 238 413 231 w4 c255",
                         "line 413 231 416 221 w4 c255",
                         "line 416 221 413 211 w4 c255",
                         "line 413 211 409 204 w4 c255",
                         "line 409 204 402 200 w4 c255",
                         "line 402 200 392 197 w4 c255",
                         "line 392 197 382 200 w4 c255",
                         "line 382 200 375 204 w4 c255",
                         "line 375 204 371 211 w4 c255",
                         "line 371 211 368 221 w4 c255",
                         "dot 375 238 w4 c0",
                         "line 375 238 409 204 w4 c255",
                         "dot 785 331 w4 c0",
                         "line 785 331 0 111.28 w4 c255"};
    EXPECT_EQ(LastRepaint(w), expected);
}

struct OutsideCase {
    const char* name;
    Integer halfWidth, halfHeight;
    bool outside;
};

class ZoomBoxPlace : public ::testing::TestWithParam<OutsideCase> {};

// The right and bottom limits are the control's outer size, 789 x 446, not the canvas's.
TEST_P(ZoomBoxPlace, OutsideTheControl) {
    const OutsideCase& c = GetParam();
    FakeWorld w;
    Program& p = w.Started();
    p.mouse.ZoomBoxDragging8pbol = true;
    p.frame.HalfWidth8pint = c.halfWidth;
    p.frame.HalfHeight8pint = c.halfHeight;
    RedrawAll(p.plotView());
    const Calls repaint = LastRepaint(w);
    ASSERT_GT(repaint.size(), 2U);
    EXPECT_EQ(repaint[2].find("c255") != std::string::npos, c.outside) << repaint[2];
}

INSTANTIATE_TEST_SUITE_P(Edges, ZoomBoxPlace,
                         ::testing::Values(OutsideCase{"Inside", 196, 110, false},
                                           OutsideCase{"LeftAtZero", 392, 110, false},
                                           OutsideCase{"LeftBelowZero", 393, 110, true},
                                           OutsideCase{"TopAtZero", 196, 221, false},
                                           OutsideCase{"TopBelowZero", 196, 222, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ZoomOverlay, TheRightEdgeIsTestedAgainstTheOuterWidth) {
    FakeWorld w;
    Program& p = w.Started();
    p.frame.CentreX8pint = 500;
    p.mouse.ZoomBoxDragging8pbol = true;
    const std::vector<std::pair<Integer, bool>> widths{{289, false}, {290, true}};
    for (auto [halfWidth, outside] : widths) {
        p.frame.HalfWidth8pint = halfWidth;
        RedrawAll(p.plotView());
        const Calls repaint = LastRepaint(w);
        EXPECT_EQ(repaint[2].find("c255") != std::string::npos, outside) << halfWidth;
    }
}

TEST(ZoomOverlay, DraggingSetsTheHalfExtentsTheCompletingPressZoomsTo) {
    FakeWorld w;
    Program& p = w.Started();
    ZoomInBoxPressed(p);
    w.clock.now = 1;
    CanvasMoved(p, 0, 500, 300);
    EXPECT_EQ(p.frame.HalfWidth8pint, 108);
    EXPECT_EQ(p.frame.HalfHeight8pint, 79);
    EXPECT_EQ(w.Label21.Caption(), "108");
    const Calls repaint = LastRepaint(w);
    ASSERT_FALSE(repaint.empty());
    EXPECT_EQ(repaint.back(), "line 284 300 284 142 w2 c65793");

    w.clock.now = 2;
    CanvasMoved(p, 0, 100, 400);
    EXPECT_EQ(p.frame.HalfWidth8pint, 292) << "the distance, whichever side of the centre";
    EXPECT_EQ(p.frame.HalfHeight8pint, 179);
    EXPECT_EQ(w.Label21.Caption(), "292");

    const std::string left = w.Left.Caption();
    Click(p, 1, 100, 400);
    EXPECT_FALSE(p.mouse.ZoomBoxDragging8pbol);
    EXPECT_NE(w.Left.Caption(), left);
    EXPECT_EQ(p.frame.HalfWidth8pint, 292);
    EXPECT_EQ(p.frame.HalfHeight8pint, 179);
    EXPECT_EQ(LastRepaint(w).size(), 1U) << "no overlay once the zoom is done";
}

}  // namespace
}  // namespace qelt::testing
