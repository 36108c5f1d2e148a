// A started program on fake platform parts that can be copied.
#pragma once

#include <string>

#include "interaction/program.h"
#include "platform/canvas.h"
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
    void DrawSquare(const SquareAt&, Integer, Integer, Long, Long) override {}
};

// A started program on fake platform parts that can be copied: the copy runs on its own parts
// with the same state, so a copy can go ahead on its own while the original stays as it was.
struct MonkeyWorld : FakeMainControls {
    MonkeyWorld();
    MonkeyWorld(const MonkeyWorld& other);
    MonkeyWorld& operator=(const MonkeyWorld&) = delete;

    SilentCanvas canvas;
    FakeClock clock;
    FakeOutput output;
    FakeSession session;
    Program program;
};

}  // namespace qelt::testing
