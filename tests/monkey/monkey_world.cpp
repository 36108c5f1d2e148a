// A started program on fake platform parts that can be copied.
#include "monkey/monkey_world.h"

#include "interaction/startup.h"

namespace qelt::testing {

namespace {

// Binding every member of Program makes this stop compiling when Program gains one, so that
// no part of a program's state can be left out of a copy.
void CopyProgramState(Program& to, const Program& from) {
    const auto& [platform, drawing, palette, mouse, actions, frame, lists, shown, history,
                 beforePick, cycle, width, ended, written, unkept] = from;
    static_cast<void>(platform);  // each copy keeps its own platform
    to.drawing = drawing;
    to.palette = palette;
    to.mouse = mouse;
    to.actions = actions;
    to.frame = frame;
    to.lists = lists;
    to.shown = shown;
    to.history = history;
    to.beforePick = beforePick;
    to.ClickCycle8sint = cycle;
    to.LastWidth8sint = width;
    to.ended = ended;
    to.writtenFile = written;
    to.unkeptFile = unkept;
}

void CopyCanvas(Canvas& to, const Canvas& from) {
    to.SetDrawWidth(from.DrawWidth());
    to.PSet(from.CurrentX(), from.CurrentY());  // the only way to place the pen; draws nothing
}

}  // namespace

MonkeyWorld::MonkeyWorld() : program(Platform{canvas, Bind(), clock, output, session}) {
    StartProgram(program);
}

MonkeyWorld::MonkeyWorld(const MonkeyWorld& other)
    : FakeMainControls(other),
      clock(other.clock),
      output(other.output),
      session(other.session),
      program(Platform{canvas, Bind(), clock, output, session}) {
    CopyCanvas(canvas, other.canvas);
    CopyProgramState(program, other.program);
}

}  // namespace qelt::testing
