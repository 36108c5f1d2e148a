// Where the windows open on the screen the program starts on.
#include "shell/windows/placement.h"

#include <QMargins>
#include <QScreen>
#include <algorithm>
#include <optional>
#include <span>
#include <vector>

#include "shell/windows/twips.h"

namespace qelt::shell {

namespace {

// The room a window manager's frame takes: a title bar above, thin borders elsewhere. Without
// a window manager a window is placed where its frame would be, a little inside its room.
constexpr QMargins kFrame{4, 30, 4, 4};
constexpr int kGap = 10;

// Moves `outer` the least that puts it wholly inside `room`; one larger than the room keeps its
// top left corner, and so its title bar, inside.
QRect Inside(QRect outer, const QRect& room) {
    outer.moveLeft(std::max(room.left(), std::min(outer.left(), room.right() + 1 - outer.width())));
    outer.moveTop(std::max(room.top(), std::min(outer.top(), room.bottom() + 1 - outer.height())));
    return outer;
}

// Where a control of a window whose frame has its top left at `corner` lies on the screen,
// with a window manager's title bar or without one.
QRect OnScreen(QPoint corner, const QWidget& control) {
    const QRect bare(control.mapTo(control.window(), QPoint(0, 0)) + corner, control.size());
    return bare | bare.translated(kFrame.left(), kFrame.top());
}

// The place nearest `outer` wholly inside `screen` where `part` (a rectangle relative to the
// frame's top left corner, with both placements OnScreen allows for) covers none of `avoid`.
// The candidates are the screen's edges and the places that put `part` just beside each
// rectangle to avoid.
std::optional<QRect> Clear(const QRect& outer, const QRect& part, std::span<const QRect> avoid,
                           const QRect& screen) {
    std::vector<int> xs{outer.left(), screen.left(), screen.right() + 1 - outer.width()};
    std::vector<int> ys{outer.top(), screen.top(), screen.bottom() + 1 - outer.height()};
    for (const QRect& a : avoid) {
        xs.insert(xs.end(), {a.left() - 1 - part.right(), a.right() + 1 - part.left()});
        ys.insert(ys.end(), {a.top() - 1 - part.bottom(), a.bottom() + 1 - part.top()});
    }
    std::optional<QRect> best;
    const auto distance = [&](const QRect& r) {
        return (r.topLeft() - outer.topLeft()).manhattanLength();
    };
    for (int x : xs) {
        for (int y : ys) {
            const QRect at = Inside(QRect(QPoint(x, y), outer.size()), screen);
            const QRect covering = part.translated(at.topLeft());
            const bool clear =
                std::ranges::none_of(avoid, [&](const QRect& a) { return covering.intersects(a); });
            if (screen.contains(at) && clear && (!best || distance(at) < distance(*best))) {
                best = at;
            }
        }
    }
    return best;
}

// The largest part of the screen beside the main window: left of, right of, above or below it.
QRect LargestBeside(const QRect& main, const QRect& screen) {
    const QRect sides[] = {
        QRect(screen.topLeft(), QPoint(main.left() - 1, screen.bottom())),
        QRect(QPoint(main.right() + 1, screen.top()), screen.bottomRight()),
        QRect(screen.topLeft(), QPoint(screen.right(), main.top() - 1)),
        QRect(QPoint(screen.left(), main.bottom() + 1), screen.bottomRight()),
    };
    const auto area = [](const QRect& r) { return r.isValid() ? r.width() * r.height() : 0; };
    return *std::ranges::max_element(sides, {}, area);
}

// Puts the window's frame at `outer`, its content scrolled where the window is too small.
void Put(SecondaryWindow& window, const QRect& outer, QWidget* shown) {
    window.FitInto(outer.size().shrunkBy(kFrame), shown);
    window.move(outer.topLeft());
}

}  // namespace

void PlaceWindows(MainWindow& main, CrossSectionWindow& crossSection, SecondaryWindow& list,
                  SecondaryWindow& map) {
    const QRect screen = main.screen()->availableGeometry();
    // The client area goes to its design place, the frame around it, where that fits.
    const QRect design(QPoint(Px(6960), Px(1725)), main.size());
    const QRect mainOuter = Inside(design.marginsAdded(kFrame), screen);
    main.setGeometry(mainOuter.marginsRemoved(kFrame));
    const QRect end = OnScreen(mainOuter.topLeft(), *main.end);

    // The cross-section window below the main window; where it does not fit, the place nearest
    // that leaves "Write && End" out from under the main window.
    crossSection.adjustSize();
    const QRect crossDesign(QPoint(0, design.bottom() + 1 + kGap),
                            crossSection.size().grownBy(kFrame));
    const QRect writePart = OnScreen({}, *crossSection.writeAndEnd);
    const QRect beside = LargestBeside(mainOuter, screen);
    const QRect shrunk(crossDesign.topLeft(), crossDesign.size().boundedTo(beside.size()));
    const QRect cross =
        Clear(crossDesign, writePart, {&mainOuter, 1}, screen).value_or(Inside(shrunk, beside));
    Put(crossSection, cross, crossSection.writeAndEnd);
    // Where the window shrank, "Write && End" is somewhere in it once scrolled into view.
    const QRect writeAndEnd = cross.size() == crossDesign.size()
                                  ? OnScreen(cross.topLeft(), *crossSection.writeAndEnd)
                                  : cross;

    // The list window left of the main window, the map window right of it; neither covers END
    // or "Write && End".
    const QRect keepClear[] = {end, writeAndEnd};
    const auto place = [&](SecondaryWindow& window, QPoint at) {
        window.adjustSize();  // the size it would open at: at most two thirds of the screen
        const QRect wanted(at, window.size().grownBy(kFrame).boundedTo(screen.size()));
        const QRect whole(QPoint(0, 0), wanted.size());
        Put(window, Clear(wanted, whole, keepClear, screen).value_or(Inside(wanted, screen)),
            nullptr);
    };
    place(list, QPoint(0, design.top()));
    place(map, QPoint(design.right() + 1 + kGap, design.top()));
}

}  // namespace qelt::shell
