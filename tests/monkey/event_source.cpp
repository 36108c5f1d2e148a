// The monkey's random events, drawn to suit the state the program is in.
#include "monkey/event_source.h"

#include <algorithm>
#include <array>
#include <optional>

namespace qelt::testing {

namespace {

constexpr int kCanvasWidth = 785;
constexpr int kCanvasHeight = 442;
constexpr double kMidnight = 86400;

template <std::size_t N>
int Pick(Dice& dice, const std::array<int, N>& weights) {
    int total = 0;
    for (int w : weights) {
        total += w;
    }
    int roll = dice.Below(total);
    for (std::size_t i = 0; i < N; ++i) {
        roll -= weights[i];
        if (roll < 0) {
            return static_cast<int>(i);
        }
    }
    return 0;
}

struct Place {
    Single x;
    Single y;
};

Place OnCanvas(Dice& dice) {
    return {dice.Quarter(0, kCanvasWidth), dice.Quarter(0, kCanvasHeight)};
}

// On an edge of the canvas, or half a pixel to either side of it.
Place OnEdge(Dice& dice) {
    const Single nudge = static_cast<Single>(dice.Below(3) - 1) / 2;
    Place place = OnCanvas(dice);
    switch (dice.Below(4)) {
        case 0:
            place.x = nudge;
            break;
        case 1:
            place.x = kCanvasWidth + nudge;
            break;
        case 2:
            place.y = nudge;
            break;
        default:
            place.y = kCanvasHeight + nudge;
    }
    return place;
}

Place Anywhere(Dice& dice) {
    return {dice.Quarter(-2000, 3000), dice.Quarter(-2000, 3000)};
}

// Within `reach` pixels of point `index` counted over all lines, or of the midpoint after it.
Place NearPoint(const DrawingState& d, int index, bool midpoint, int reach, Dice& dice) {
    for (int k = 1; k <= d.LineCount8pint; ++k) {
        const int count = d.Lines8pudt[k].PtCount;
        if (index >= count) {
            index -= count;
            continue;
        }
        const PointRec& a = PointOf(d, k, index + 1);
        const PointRec& b = midpoint && index + 1 < count ? PointOf(d, k, index + 2) : a;
        return {static_cast<Single>((a.X + b.X) / 2.0) + dice.Quarter(-reach, reach),
                static_cast<Single>((a.Y + b.Y) / 2.0) + dice.Quarter(-reach, reach)};
    }
    return OnCanvas(dice);
}

Place NearAnyPoint(const DrawingState& d, bool midpoint, Dice& dice) {
    const int points = PointTotal(d.Lines8pudt, d.LineCount8pint);
    if (points == 0) {
        return OnCanvas(dice);
    }
    return NearPoint(d, dice.Below(points), midpoint, midpoint ? 1 : 3, dice);
}

// Strictly inside the box of a line, where the line search finds it.
Place InsideABox(const DrawingState& d, Dice& dice) {
    struct Box {
        int minX = 32000, maxX = -32000, minY = 32000, maxY = -32000;
    };
    std::array<Box, MaxLines> boxes{};
    int count = 0;
    for (int k = 1; k <= d.LineCount8pint; ++k) {
        Box box;
        for (int j = 1; j <= d.Lines8pudt[k].PtCount; ++j) {
            const PointRec& point = PointOf(d, k, j);
            box = {std::min<int>(box.minX, point.X), std::max<int>(box.maxX, point.X),
                   std::min<int>(box.minY, point.Y), std::max<int>(box.maxY, point.Y)};
        }
        if (d.Lines8pudt[k].PtCount > 0) {
            boxes[count++] = box;
        }
    }
    if (count == 0) {
        return NearAnyPoint(d, false, dice);
    }
    // Along an axis with no whole pixel inside, within the 4 pixels a point's square reaches.
    const auto within = [&](int lo, int hi) {
        return static_cast<Single>(hi - lo >= 2 ? lo + 1 + dice.Below(hi - lo - 1)
                                                : lo - 4 + dice.Below(hi - lo + 9));
    };
    const Box& box = boxes[dice.Below(count)];
    return {within(box.minX, box.maxX), within(box.minY, box.maxY)};
}

// Level with the new line's last point, or a pixel off, so that flat lines are drawn.
Place Level(const DrawingState& d, Dice& dice) {
    Place place = OnCanvas(dice);
    const PointRec& last = PointOf(d, d.LineCount8pint, d.Lines8pudt[d.LineCount8pint].PtCount);
    const bool flat = dice.Below(2) == 0;
    (flat ? place.y : place.x) = (flat ? last.Y : last.X) + static_cast<Single>(dice.Below(3) - 1);
    return place;
}

bool Selecting(std::optional<ActionState> state) {
    return state != ActionState::Idle && state != ActionState::NewLine;
}

enum class Spot { Canvas, Edge, Anywhere, NearPoint, NearMidpoint, InBox };

// A place of a kind drawn with these weights, in the order of Spot.
Place PlaceBy(const std::array<int, 6>& weights, const DrawingState& d, Dice& dice) {
    switch (static_cast<Spot>(Pick(dice, weights))) {
        case Spot::Canvas:
            return OnCanvas(dice);
        case Spot::Edge:
            return OnEdge(dice);
        case Spot::Anywhere:
            return Anywhere(dice);
        case Spot::NearPoint:
            return NearAnyPoint(d, false, dice);
        case Spot::NearMidpoint:
            return NearAnyPoint(d, true, dice);
        case Spot::InBox:
            break;
    }
    return InsideABox(d, dice);
}

// New points spread over the canvas so that lines get boxes; selecting and editing presses go
// where lines, points and midpoints are.
Place PressPlace(const MonkeyWorld& w, std::optional<ActionState> state, Dice& dice) {
    const DrawingState& d = w.program.drawing;
    if (state == ActionState::NewLine && d.Lines8pudt[d.LineCount8pint].PtCount > 0 &&
        dice.Below(4) == 0) {
        return Level(d, dice);
    }
    const std::array<int, 6> weights = state == ActionState::NewLine ? std::array{80, 8, 4, 8, 0, 0}
                                       : Selecting(state) ? std::array{5, 3, 2, 25, 15, 50}
                                                          : std::array{50, 10, 10, 10, 5, 15};
    return PlaceBy(weights, w.program.drawing, dice);
}

Place MovePlace(const MonkeyWorld& w, Dice& dice) {
    return PlaceBy({50, 8, 7, 20, 0, 15}, w.program.drawing, dice);
}

// Mostly where the pointer already is, as a release usually is.
Place ReleasePlace(const MonkeyWorld& w, Dice& dice) {
    const MouseState& m = w.program.mouse;
    if (dice.Below(4) != 0) {
        return {static_cast<Single>(m.MouseX8pint), static_cast<Single>(m.MouseY8pint)};
    }
    return MovePlace(w, dice);
}

// Over the window, now and then keeping one coordinate so that the move is filtered out.
Place FormPlace(const MonkeyWorld& w, Dice& dice) {
    Place place = dice.Below(2) == 0 ? Anywhere(dice) : OnCanvas(dice);
    const auto& last = w.program.mouse.FormMouseLast8psng;
    switch (dice.Below(8)) {
        case 0:
            place.x = last[0];
            break;
        case 1:
            place.y = last[1];
            break;
        default:
            break;
    }
    return place;
}

Integer HeldButtons(Dice& dice) {
    return static_cast<Integer>(Pick(dice, std::array<int, 8>{12, 6, 2, 1, 2, 1, 1, 1}));
}

Integer PressedButton(Dice& dice) {
    return std::array<Integer, 3>{1, 2, 4}[Pick(dice, std::array<int, 3>{12, 5, 2})];
}

// Irregular steps, the throttle's own 0.12 s, long pauses, and the run up to midnight.
Single NextTime(const MonkeyWorld& w, Dice& dice) {
    const double now = w.clock.now;
    double next = now;
    switch (Pick(dice, std::array<int, 5>{60, 10, 6, 3, 4})) {
        case 0:
            next = now + (1 + dice.Below(250)) / 1000.0;
            break;
        case 1:
            next = double{w.program.mouse.LastRedraw8psng[2]} + 0.12;
            break;
        case 2:
            next = now + 1 + dice.Below(40000);
            break;
        case 3:
            next = now + dice.Below(3) * 0.0001;
            break;
        default:
            next = kMidnight - (1 + dice.Below(300)) / 1000.0;
    }
    if (next >= kMidnight) {
        next -= kMidnight;
    }
    return static_cast<Single>(next);
}

// Weights of the action buttons in each state; only enabled ones can be clicked.
std::array<int, 5> ButtonWeights(const MonkeyWorld& w, std::optional<ActionState> state,
                                 const Temper& t) {
    const ActionFlags& f = w.program.actions;
    std::array<int, 5> weights{1, 1, 1, 1, 1};
    if (state == ActionState::Idle) {
        weights = {t.newLine, t.select, 1, 1, 1};
    } else if (state == ActionState::NewLine) {
        weights = {1, 1, t.finishLine, 1, t.cancelLine};
    } else if (state == ActionState::SelectLine) {
        weights = {1, 15, 1, 1, 2};
    } else if (state == ActionState::LineChosen && f.MovingPoint8pbol) {
        weights = {1, 1, 2, 2, 2};  // chosen while a point is carried
    } else if (state == ActionState::LineChosen && !f.EditingPoints8pbol) {
        weights = {1, 1, t.edit, t.deleteLine, 2};
    } else if (state == ActionState::PointEditing) {
        weights = {1, 3, 4, 1, 1};
    } else if (state == ActionState::Carrying) {
        weights = {1, 2, 2, 1, 1};
    }
    constexpr Action kActions[] = {Action::Button1, Action::Button2, Action::Button3,
                                   Action::Button4, Action::Cancel};
    for (std::size_t i = 0; i < weights.size(); ++i) {
        if (!ButtonOf(w, kActions[i]).Enabled()) {
            weights[i] = 0;
        }
    }
    return weights;
}

int PressWeight(std::optional<ActionState> state, const Temper& t) {
    if (state == ActionState::NewLine) {
        return t.addPoint;
    }
    return Selecting(state) ? 25 : 4;
}

}  // namespace

std::uint64_t Dice::Next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30U)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27U)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31U);
}

int Dice::Below(int n) {
    return static_cast<int>(Next() % static_cast<std::uint64_t>(n));
}

Single Dice::Quarter(int lo, int hi) {
    return static_cast<Single>(lo + Below((hi - lo) * 4 + 1) / 4.0);
}

// Many short lines, a few long ones, much editing, or anything between.
Temper RandomTemper(Dice& dice) {
    switch (dice.Below(4)) {
        case 0:
            return {.newLine = 40,
                    .addPoint = 40,
                    .finishLine = 40 + dice.Below(40),
                    .cancelLine = 1,
                    .select = 2,
                    .edit = 5,
                    .deleteLine = 1};
        case 1:
            return {.newLine = 20,
                    .addPoint = 60,
                    .finishLine = 1,
                    .cancelLine = 0,
                    .select = 5,
                    .edit = 10,
                    .deleteLine = 1};
        case 2:
            return {.newLine = 10,
                    .addPoint = 40,
                    .finishLine = 5 + dice.Below(10),
                    .cancelLine = 1,
                    .select = 20,
                    .edit = 20,
                    .deleteLine = 3};
        default:
            return {.newLine = 5 + dice.Below(40),
                    .addPoint = 40,
                    .finishLine = 1 + dice.Below(40),
                    .cancelLine = 1,
                    .select = 2 + dice.Below(20),
                    .edit = 5 + dice.Below(20),
                    .deleteLine = 1 + dice.Below(6)};
    }
}

Event NextEvent(const MonkeyWorld& w, const Temper& temper, Dice& dice) {
    const std::optional<ActionState> state = StateOf(w.program.actions);
    const std::array<int, 5> buttons = ButtonWeights(w, state, temper);
    int clicks = 0;
    for (int weight : buttons) {
        clicks += weight;
    }
    const bool down = w.program.mouse.MouseState8pstr == PressState::DOWN;
    // While a line is drawn, its points are often taken back and given again.
    const bool adding = state == ActionState::NewLine;
    const std::array<int, 8> pressMoveReleaseFormClickZoomKeyTime{
        PressWeight(state, temper), 25, down ? 30 : 5, 6, clicks, 1, adding ? 8 : 3, 15};
    switch (Pick(dice, pressMoveReleaseFormClickZoomKeyTime)) {
        case 0: {
            const Place at = PressPlace(w, state, dice);
            return Press{PressedButton(dice), at.x, at.y};
        }
        case 1: {
            const Place at = MovePlace(w, dice);
            return Move{HeldButtons(dice), at.x, at.y};
        }
        case 2: {
            const Place at = ReleasePlace(w, dice);
            return Release{PressedButton(dice), at.x, at.y};
        }
        case 3: {
            const Place at = FormPlace(w, dice);
            return FormMove{HeldButtons(dice), at.x, at.y};
        }
        case 4:
            return ButtonClick{static_cast<Action>(Pick(dice, buttons))};
        case 5:
            return ZoomIn{};
        case 6:
            return KeyPress{static_cast<Key>(
                Pick(dice, adding ? std::array{4, 3, 1, 4} : std::array{4, 2, 3, 1}))};
        default:
            return TimerAt{NextTime(w, dice)};
    }
}

}  // namespace qelt::testing
