// The events that reach a program from outside, and how they are delivered and printed.
#include "monkey/events.h"

#include <charconv>
#include <ostream>

#include "interaction/actions.h"
#include "interaction/history.h"
#include "interaction/mouse.h"

namespace qelt::testing {

namespace {

template <typename... Handlers>
struct Overloaded : Handlers... {
    using Handlers::operator()...;
};
template <typename... Handlers>
Overloaded(Handlers...) -> Overloaded<Handlers...>;

// The shortest text that reads back as the same Single.
std::string Number(Single value) {
    char text[32];
    const auto end = std::to_chars(std::begin(text), std::end(text), value).ptr;
    return {text, end};
}

const char* NameOf(Action button) {
    constexpr const char* kNames[] = {"Action::Button1", "Action::Button2", "Action::Button3",
                                      "Action::Button4", "Action::Cancel"};
    return kNames[static_cast<int>(button)];
}

void ClickOn(Program& p, Action button) {
    switch (button) {
        case Action::Button1:
            return Button1Pressed(p);
        case Action::Button2:
            return Button2Pressed(p);
        case Action::Button3:
            return Button3Pressed(p);
        case Action::Button4:
            return Button4Pressed(p);
        case Action::Cancel:
            return CancelPressed(p);
    }
}

}  // namespace

const FakeControl& ButtonOf(const MonkeyWorld& w, Action button) {
    switch (button) {
        case Action::Button1:
            return w.Button1;
        case Action::Button2:
            return w.Button2;
        case Action::Button3:
            return w.Button3;
        case Action::Button4:
            return w.Button4;
        case Action::Cancel:
            break;
    }
    return w.Cancel;
}

bool ReachesProgram(const Event& e) {
    return !std::holds_alternative<TimerAt>(e);
}

void Deliver(MonkeyWorld& w, const Event& e) {
    Program& p = w.program;
    std::visit(Overloaded{
                   [&](const Press& m) { CanvasPressed(p, m.button, m.x, m.y); },
                   [&](const Move& m) { CanvasMoved(p, m.buttons, m.x, m.y); },
                   [&](const Release& m) { CanvasReleased(p, m.x, m.y); },
                   [&](const FormMove& m) { MovedOverWindow(p, m.buttons, m.x, m.y); },
                   [&](const ButtonClick& c) {
                       if (ButtonOf(w, c.button).Enabled()) {
                           ClickOn(p, c.button);
                       }
                   },
                   [&](const ZoomIn&) { ZoomInBoxPressed(p); },
                   [&](const KeyPress& k) {
                       if (k.key == Key::Backspace) {
                           TakeBackPoint(p);
                       } else if (k.key != Key::Escape) {
                           k.key == Key::Undo ? Undo(p) : Redo(p);
                       } else if (w.Cancel.Enabled()) {  // Escape presses an enabled Cancel
                           CancelPressed(p);
                       }
                   },
                   [&](const TimerAt& t) { w.clock.now = t.seconds; },
               },
               e);
    if (ReachesProgram(e)) {
        RecordStep(p);
    }
}

std::ostream& operator<<(std::ostream& out, const Event& e) {
    auto mouse = [&](const char* kind, Integer button, Single x, Single y) {
        out << kind << '{' << button << ", " << Number(x) << ", " << Number(y) << '}';
    };
    std::visit(Overloaded{
                   [&](const Press& m) { mouse("Press", m.button, m.x, m.y); },
                   [&](const Move& m) { mouse("Move", m.buttons, m.x, m.y); },
                   [&](const Release& m) { mouse("Release", m.button, m.x, m.y); },
                   [&](const FormMove& m) { mouse("FormMove", m.buttons, m.x, m.y); },
                   [&](const ButtonClick& c) { out << "ButtonClick{" << NameOf(c.button) << '}'; },
                   [&](const ZoomIn&) { out << "ZoomIn{}"; },
                   [&](const KeyPress& k) {
                       constexpr const char* kNames[] = {"Undo", "Redo", "Escape", "Backspace"};
                       out << "KeyPress{Key::" << kNames[static_cast<int>(k.key)] << '}';
                   },
                   [&](const TimerAt& t) { out << "TimerAt{" << Number(t.seconds) << '}'; },
               },
               e);
    return out;
}

}  // namespace qelt::testing
