#pragma once

#include <string>

#include "platform/canvas.h"
#include "program/program.h"
#include "support/fake_platform.h"

namespace qelt::testing {

// A canvas whose raster calls do nothing: the program's own work without any pixels.
class SilentCanvas : public Canvas {
  public:
    SilentCanvas() : Canvas(785, 442, 789, 446) {}

  protected:
    void ClearRaster() override {}
    void PlotDot(Single, Single, Integer, Long) override {}
    void DrawLine(Single, Single, Single, Single, Integer, Long) override {}
};

// A started program on fake platform parts that can be copied: the copy runs on its own parts
// with the same state, so a copy can go ahead on its own while the original stays as it was.
struct MonkeyWorld {
    MonkeyWorld();
    MonkeyWorld(const MonkeyWorld& other);
    MonkeyWorld& operator=(const MonkeyWorld&) = delete;

    SilentCanvas canvas;
    FakeControl Button1{"1) New_Rename_Left"};
    FakeControl Button2{"2) Select_Un/Assign_Yes"};
    FakeControl Button3{"3)    Edit_Done"};
    FakeControl Button4{"4)  Delete_Right_No"};
    FakeControl Cancel{"Cancel "};
    FakeControl Prompt{"User Must See this..."};
    FakeControl Concluding{"Concluding info  for user..."};
    FakeControl Label21{"Label21"};
    FakeControl Top{"top"};
    FakeControl Bottom{"bottom"};
    FakeControl Left{"left"};
    FakeControl Right{"right"};
    FakeClock clock;
    FakeOutput output;
    FakeSession session;
    Program program;
};

}  // namespace qelt::testing
