// The clipped drawing calls against the scale rectangle.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "plotting/primitives.h"
#include "support/fake_platform.h"
#include "support/param_names.h"

namespace qelt::testing {
namespace {

using Calls = std::vector<std::string>;

struct EdgeCase {
    int x, y;
    bool inside;
};

class InsideCanvas : public ::testing::TestWithParam<EdgeCase> {};

TEST_P(InsideCanvas, BothEndsOfBothAxesAreInside) {
    const EdgeCase& c = GetParam();
    FakeWorld w;
    const auto x = static_cast<Integer>(c.x);
    const auto y = static_cast<Integer>(c.y);
    EXPECT_EQ(IsInsideCanvas(w.canvas, x, y), c.inside);
    PlotPointIfInside(w.canvas, x, y);
    const Calls dotted{"dot " + std::to_string(c.x) + " " + std::to_string(c.y) + " w1 c0"};
    EXPECT_EQ(w.canvas.calls, c.inside ? dotted : Calls{});
    EXPECT_EQ(w.canvas.CurrentX(), c.x) << "the pen moves, inside or not";
}

INSTANTIATE_TEST_SUITE_P(Points, InsideCanvas,
                         ::testing::Values(EdgeCase{0, 0, true}, EdgeCase{785, 442, true},
                                           EdgeCase{785, 0, true}, EdgeCase{0, 442, true},
                                           EdgeCase{400, 200, true}, EdgeCase{-1, 0, false},
                                           EdgeCase{0, -1, false}, EdgeCase{786, 0, false},
                                           EdgeCase{0, 443, false}, EdgeCase{-1, 443, false},
                                           EdgeCase{-32768, 32767, false}),
                         // Appended, not "X" + ...: GCC 12 at -O3 warns falsely of an overlapping
                         // copy in a string inserted at its front.
                         [](const auto& info) {
                             return std::string("X")
                                 .append(NumberName(info.param.x))
                                 .append("Y")
                                 .append(NumberName(info.param.y))
                                 .append(info.param.inside ? "Inside" : "Outside");
                         });

TEST(Primitives, TheInsideTestFollowsTheCanvasSize) {
    FakeWorld narrow(100, 50);
    EXPECT_TRUE(IsInsideCanvas(narrow.canvas, 100, 50));
    EXPECT_FALSE(IsInsideCanvas(narrow.canvas, 101, 50));
    EXPECT_FALSE(IsInsideCanvas(narrow.canvas, 100, 51));
}

TEST(Primitives, APlottedPointMovesThePenAndTakesTheForegroundAndCurrentWidth) {
    FakeWorld w;
    w.canvas.SetDrawWidth(3);
    PlotPointIfInside(w.canvas, 10, 20);
    EXPECT_EQ(w.canvas.calls, Calls{"dot 10 20 w3 c0"});
    EXPECT_EQ(w.canvas.CurrentX(), 10);
    EXPECT_EQ(w.canvas.CurrentY(), 20);
}

// A line with an end outside is cut at the edge, bounds included, and the pen goes to its end;
// one wholly outside draws nothing and leaves the width and its cache alone.
TEST(Primitives, AnOutsideTargetIsReachedUpToTheEdge) {
    FakeWorld w;
    Program& p = w.program;
    PlotPointIfInside(w.canvas, 10, 10);
    LineToIfInside(p.plotView(), -10, 0, 255, 4);
    LineToIfInside(p.plotView(), 800, -1, 255, 5);
    EXPECT_EQ(w.canvas.CurrentX(), 800);
    EXPECT_EQ(w.canvas.CurrentY(), -1);
    EXPECT_EQ(w.canvas.DrawWidth(), 4);
    EXPECT_EQ(p.LastWidth8sint, 4);
    PlotPointIfInside(w.canvas, -5, 5);
    LineToIfInside(p.plotView(), 5, -5, 255, 2);  // through the corner
    EXPECT_EQ(w.canvas.calls,
              (Calls{"dot 10 10 w1 c0", "line 10 10 0 5 w4 c255", "line 0 0 0 0 w2 c255"}));
}

struct WidthCase {
    const char* name;
    std::vector<Integer> widths;
    // The width each line is drawn with when something else sets the canvas width to 9 after
    // every line: 9 shows that the cache left the canvas alone.
    std::vector<Integer> drawn;
};

class WidthCache : public ::testing::TestWithParam<WidthCase> {};

TEST_P(WidthCache, SetsTheCanvasWidthOnlyWhenItDiffersFromTheLastSet) {
    const WidthCase& c = GetParam();
    FakeWorld w;
    Program& p = w.program;
    std::vector<Integer> drawn;
    for (Integer width : c.widths) {
        LineToIfInside(p.plotView(), 5, 5, 0, width);
        const std::string& call = w.canvas.calls.back();
        drawn.push_back(static_cast<Integer>(std::stoi(call.substr(call.find(" w") + 2))));
        w.canvas.SetDrawWidth(9);
    }
    EXPECT_EQ(drawn, c.drawn);
    EXPECT_EQ(p.LastWidth8sint, c.widths.back());
}

INSTANTIATE_TEST_SUITE_P(Sequences, WidthCache,
                         ::testing::Values(WidthCase{"SameTwiceSetsOnce", {2, 2}, {2, 9}},
                                           WidthCase{"ChangingSetsEachTime", {2, 3, 2}, {2, 3, 2}},
                                           WidthCase{"ZeroFirstIsNotSet", {0, 0, 1}, {1, 9, 1}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Primitives, ASegmentFromAnOutsideStartIsCutAtTheEdge) {
    FakeWorld w;
    PlotPointIfInside(w.canvas, 10, 10);
    DrawSegment(w.program.plotView(), -5, 3, 30, 38, 255, 2);
    EXPECT_EQ(w.canvas.calls, (Calls{"dot 10 10 w1 c0", "line 0 8 30 38 w2 c255"}));
}

TEST(Primitives, ASegmentDotsItsStartAtTheWidthInForceBeforeTheLine) {
    FakeWorld w;
    DrawSegment(w.program.plotView(), 1, 2, 3, 4, 65793, 2);
    DrawSegment(w.program.plotView(), 5, 6, 786, 6, 65793, 3);
    EXPECT_EQ(w.canvas.calls, (Calls{"dot 1 2 w1 c0", "line 1 2 3 4 w2 c65793", "dot 5 6 w2 c0",
                                     "line 5 6 785 6 w3 c65793"}));
}

TEST(Primitives, AnUnclippedLineReachesOutsideAndLeavesTheWidthAlone) {
    FakeWorld w;
    w.canvas.SetDrawWidth(4);
    LineToUnclipped(w.canvas, 900, -3, 255);
    EXPECT_EQ(w.canvas.calls, Calls{"line 0 0 900 -3 w4 c255"});
    EXPECT_EQ(w.program.LastWidth8sint, 0);
    EXPECT_EQ(w.canvas.CurrentX(), 900);
}

TEST(Primitives, ABoxIsOutlinedInNearBlackAtWidthTwo) {
    FakeWorld w;
    Program& p = w.Started();
    w.canvas.calls.clear();
    DrawBox(p.plotView(), 10, 50, 20, 60);
    EXPECT_EQ(w.canvas.calls,
              (Calls{"dot 10 20 w1 c0", "line 10 20 50 20 w2 c65793", "line 50 20 50 60 w2 c65793",
                     "line 50 60 10 60 w2 c65793", "line 10 60 10 20 w2 c65793"}));
}

// A box on the canvas's edge is drawn along it; one a pixel beyond, not at all.
struct BoxCase {
    const char* name;
    std::array<Integer, 4> box;  // x1, x2, y1, y2
    Calls calls;
};

class BoxAtAnEdge : public ::testing::TestWithParam<BoxCase> {};

TEST_P(BoxAtAnEdge, IsDrawnAsFarAsTheCanvasReaches) {
    const auto& [name, box, calls] = GetParam();
    FakeWorld w;
    Program& p = w.Started();
    w.canvas.calls.clear();
    DrawBox(p.plotView(), box[0], box[1], box[2], box[3]);
    EXPECT_EQ(w.canvas.calls, calls);
    EXPECT_EQ(w.canvas.CurrentX(), box[0]);
    EXPECT_EQ(w.canvas.CurrentY(), box[2]);
}

INSTANTIATE_TEST_SUITE_P(Edges, BoxAtAnEdge,
                         ::testing::Values(BoxCase{"OnTheLeft",
                                                   {-20, 0, 20, 60},
                                                   {"line 0 20 0 20 w2 c65793",
                                                    "line 0 20 0 60 w2 c65793",
                                                    "line 0 60 0 60 w2 c65793"}},
                                           BoxCase{"BeyondTheLeft", {-20, -1, 20, 60}, {}}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace qelt::testing
