// The plot frame, the world window and the axis labels' numbers.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "plotting/frame.h"
#include "state/checked.h"
#include "support/fake_platform.h"
#include "support/param_names.h"

namespace qelt::testing {
namespace {

struct Labels {
    std::string left, right, top, bottom;
    bool operator==(const Labels&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Labels& l) {
    return out << l.left << " | " << l.right << " | " << l.top << " | " << l.bottom;
}

Labels LabelsOf(const FakeWorld& w) {
    return {w.Left.Caption(), w.Right.Caption(), w.Top.Caption(), w.Bottom.Caption()};
}

// The world window the frame edges give at the scale of the old far value.
struct Axis {
    Single nearWorld, farWorld;
};

Axis Moved(Axis old, double frameNear, double frameFar, double scale) {
    const auto nearWorld = static_cast<Single>(frameNear * scale + old.nearWorld);
    return {nearWorld, static_cast<Single>(frameFar * scale + nearWorld)};
}

TEST(PlotFrame, StartUpOnTheWorkedExampleCanvas) {
    FakeWorld w;
    Program& p = w.Started();
    const PlotFrame& f = p.frame;
    EXPECT_EQ(f.CanvasLeft8pint, 0);
    EXPECT_EQ(f.CanvasRight8pint, 785);
    EXPECT_EQ(f.CanvasTop8pint, 0);
    EXPECT_EQ(f.CanvasBottom8pint, 442);
    EXPECT_EQ(f.CentreX8pint, 392) << "392.5 goes to the even 392";
    EXPECT_EQ(f.HalfWidth8pint, 196);
    EXPECT_EQ(f.CentreY8pint, 221);
    EXPECT_EQ(f.HalfHeight8pint, 110) << "110.5 goes to the even 110";
    EXPECT_EQ(LabelsOf(w), (Labels{"3448.344 ft", "6420.553 ft", "25.39882 ft", "49.36263 ft"}));
    EXPECT_FLOAT_EQ(f.UnitFactor8psng, 1.0F);
    EXPECT_EQ(f.UnitSuffix8pstr, " ft");
}

TEST(PlotFrame, EachConfirmedZoomMovesTheWorldWindowOnEvenWithAnUnchangedFrame) {
    FakeWorld w;
    Program& p = w.Started();
    const std::vector<std::string> rights{"9861.165 ft", "14899.99 ft", "22394.68 ft",
                                          "33600.38 ft"};
    for (const std::string& right : rights) {
        const Labels before = LabelsOf(w);
        ComputePlotFrame(p.plotView());
        EXPECT_EQ(w.Right.Caption(), right);
        EXPECT_NE(w.Left.Caption(), before.left);
        EXPECT_NE(w.Top.Caption(), before.top);
        EXPECT_NE(w.Bottom.Caption(), before.bottom);
        EXPECT_EQ(p.frame.HalfWidth8pint, 196);
        EXPECT_EQ(p.frame.HalfHeight8pint, 110);
    }
}

TEST(PlotFrame, AZoomBeyondTheSixteenBitSpanChangesNothing) {
    FakeWorld w;
    Program& p = w.Started();
    for (int zoom = 1; zoom <= 4; ++zoom) {
        ComputePlotFrame(p.plotView());
    }
    ASSERT_GT(p.frame.WorldRight8psng, 32767.5F);
    const Labels labels = LabelsOf(w);
    const PlotFrame before = p.frame;

    EXPECT_NO_THROW(ComputePlotFrame(p.plotView()));
    EXPECT_EQ(LabelsOf(w), labels);
    EXPECT_EQ(p.frame.WorldLeft8psng, before.WorldLeft8psng);
    EXPECT_EQ(p.frame.WorldRight8psng, before.WorldRight8psng);
    EXPECT_EQ(p.frame.WorldTop8psng, before.WorldTop8psng);
    EXPECT_EQ(p.frame.WorldBottom8psng, before.WorldBottom8psng);
}

TEST(PlotFrame, AnOverflowingClampKeepsTheHalfExtentsAndLabels) {
    FakeWorld w;
    Program& p = w.Started();
    const Labels labels = LabelsOf(w);
    p.frame.CentreY8pint = 32000;
    p.frame.HalfHeight8pint = 1000;  // the bottom edge would lie beyond 32767
    p.frame.HalfWidth8pint = 500;    // would be clamped, were the run to finish
    EXPECT_NO_THROW(ComputePlotFrame(p.plotView()));
    EXPECT_EQ(p.frame.HalfWidth8pint, 500);
    EXPECT_EQ(p.frame.HalfHeight8pint, 1000);
    EXPECT_EQ(LabelsOf(w), labels);
}

struct ClampCase {
    const char* name;
    Integer centreX, halfWidth, centreY, halfHeight;
    Integer clampedWidth, clampedHeight;
    // The frame edges the world window is computed from.
    Integer left, right, top, bottom;
};

class FrameClamp : public ::testing::TestWithParam<ClampCase> {};

TEST_P(FrameClamp, HalfExtentsAndTheEdgesTheWorldWindowUses) {
    const ClampCase& c = GetParam();
    FakeWorld w;
    Program& p = w.Started();
    PlotFrame& f = p.frame;
    f.CentreX8pint = c.centreX;
    f.HalfWidth8pint = c.halfWidth;
    f.CentreY8pint = c.centreY;
    f.HalfHeight8pint = c.halfHeight;
    const Axis x{f.WorldLeft8psng, f.WorldRight8psng};
    const Axis y{f.WorldTop8psng, f.WorldBottom8psng};

    ComputePlotFrame(p.plotView());

    EXPECT_EQ(f.HalfWidth8pint, c.clampedWidth);
    EXPECT_EQ(f.HalfHeight8pint, c.clampedHeight);
    const Axis movedX = Moved(x, c.left, c.right, static_cast<Single>(6421.0 / 785));
    const Axis movedY = Moved(y, c.top, c.bottom, static_cast<Single>(49.0 / 442));
    EXPECT_EQ(f.WorldLeft8psng, movedX.nearWorld);
    EXPECT_EQ(f.WorldRight8psng, movedX.farWorld);
    EXPECT_EQ(f.WorldTop8psng, movedY.nearWorld);
    EXPECT_EQ(f.WorldBottom8psng, movedY.farWorld);
}

INSTANTIATE_TEST_SUITE_P(
    Edges, FrameClamp,
    ::testing::Values(
        ClampCase{"None", 392, 196, 221, 110, 196, 110, 196, 588, 111, 331},
        ClampCase{"TouchingEveryEdge", 392, 392, 221, 221, 392, 221, 0, 784, 0, 442},
        ClampCase{"Left", 392, 393, 221, 110, 387, 110, -1, 779, 111, 331},
        ClampCase{"Right", 600, 300, 221, 110, 180, 110, 300, 900, 111, 331},
        ClampCase{"BothHorizontalSecondWins", 500, 600, 221, 110, 280, 110, -100, 995, 111, 331},
        ClampCase{"Bottom", 221, 100, 221, 300, 100, 216, 121, 321, 5, 521},
        ClampCase{"Top", 392, 196, 100, 101, 196, 95, 196, 588, -1, 201},
        ClampCase{"BothVerticalSecondWins", 392, 196, 100, 400, 196, 95, 196, 588, -237, 500}),
    [](const auto& info) { return std::string(info.param.name); });

struct SpanCase {
    const char* name;
    Single far;
    double span;
};

class WorldSpan : public ::testing::TestWithParam<SpanCase> {};

TEST_P(WorldSpan, FromTheNearestIntegerOfTheFarWorldValueOrTwenty) {
    const SpanCase& c = GetParam();
    FakeWorld w;
    Program& p = w.Started();
    PlotFrame& f = p.frame;
    f.WorldRight8psng = c.far;
    f.WorldBottom8psng = c.far;
    const Axis x{f.WorldLeft8psng, c.far};
    const Axis y{f.WorldTop8psng, c.far};

    ComputePlotFrame(p.plotView());

    const Axis movedX = Moved(x, 196, 588, static_cast<Single>(c.span / 785));
    const Axis movedY = Moved(y, 111, 331, static_cast<Single>(c.span / 442));
    EXPECT_EQ(f.WorldLeft8psng, movedX.nearWorld);
    EXPECT_EQ(f.WorldRight8psng, movedX.farWorld);
    EXPECT_EQ(f.WorldTop8psng, movedY.nearWorld);
    EXPECT_EQ(f.WorldBottom8psng, movedY.farWorld);
}

INSTANTIATE_TEST_SUITE_P(
    Values, WorldSpan,
    ::testing::Values(SpanCase{"Negative", -54.32F, 20}, SpanCase{"NearestZero", 0.4F, 20},
                      SpanCase{"HalfGoesToEvenZero", 0.5F, 20}, SpanCase{"NearestOne", 0.6F, 1},
                      SpanCase{"HalfGoesToEvenTwo", 1.5F, 2}, SpanCase{"Positive", 2017, 2017}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PlotFrame, ACanvasWithoutWidthTakesTwentyUnitsAsItsExtent) {
    FakeWorld w(0, 442);
    w.Started();
    EXPECT_EQ(w.Left.Caption(), "1954 ft");
    EXPECT_EQ(w.Right.Caption(), "1954 ft");
}

struct NumberCase {
    Single value;
    const char* text;
};

class LabelNumber : public ::testing::TestWithParam<NumberCase> {};

TEST_P(LabelNumber, Text) {
    EXPECT_EQ(FormatLabelNumber(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, LabelNumber,
    ::testing::Values(NumberCase{1954, "1954"}, NumberCase{12.0004F, "12"},
                      NumberCase{2.9995F, "3"}, NumberCase{-2.9995F, "-2"}, NumberCase{0.5F, "0.5"},
                      NumberCase{3448.344F, "3448.344"}, NumberCase{1.5E+08F, "1.5E+08"},
                      NumberCase{0, "0"}, NumberCase{-0.0F, "0"}, NumberCase{-0.0004F, "0"},
                      NumberCase{-0.9995F, "0"}, NumberCase{1E-05F, "1E-05"},
                      NumberCase{1.25E-05F, "1.25E-05"}, NumberCase{0.0001F, "0"},
                      NumberCase{-54.32F, "-54.32"}, NumberCase{1234567, "1234567"},
                      NumberCase{12345678, "1.234568E+07"}, NumberCase{100.0001F, "100"},
                      NumberCase{5.9991F, "6"}, NumberCase{7.99F, "7.99"},
                      NumberCase{25.39882F, "25.39882"}, NumberCase{0.9994F, "1"}),
    [](const auto& info) { return NumberName(info.param.value) + "As" + Spelt(info.param.text); });

}  // namespace
}  // namespace qelt::testing
