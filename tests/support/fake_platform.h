// Fake platform parts that record what the program does with them.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "interaction/program.h"
#include "platform/platform.h"

namespace qelt::testing {

// A canvas that records every raster call as text, e.g. "dot 10 20 w1 c0" or
// "line 0 0 10 20 w2 c0" or "clear".
class RecordingCanvas : public Canvas {
  public:
    RecordingCanvas(Single width = 785, Single height = 442)
        : Canvas(width, height, width + 4, height + 4) {}
    std::vector<std::string> calls;

  protected:
    void ClearRaster() override;
    void PlotDot(Single x, Single y, Integer width, Long colour) override;
    void DrawLine(Single x1, Single y1, Single x2, Single y2, Integer width, Long colour) override;
};

using FakeControl = KeptControl;

class FakeClock : public Clock {
  public:
    Single now = 0;
    Single Timer() override { return now; }
};

class FakeOutput : public FileOutput {
  public:
    std::optional<std::string> failure;  // makes every write and keep fail with this reason
    std::vector<std::pair<std::string, std::string>> files;
    std::vector<std::string> kept;
    std::variant<Written, WriteFailure> Replace(const std::string& name,
                                                const std::string& bytes) override;
    std::variant<std::string, WriteFailure> Keep(const std::string& bytes) override;
};

class FakeSession : public Session {
  public:
    std::vector<Form> shown;
    std::vector<std::string> alerts;
    std::vector<std::string> printed;  // "out: " or "err: " and the line
    bool ended = false;
    void Show(Form form) override { shown.push_back(form); }
    void Alert(const std::string& text) override { alerts.push_back(text); }
    void Print(Stream stream, const std::string& line) override {
        printed.push_back((stream == Stream::Output ? "out: " : "err: ") + line);
    }
    void End() override { ended = true; }
};

// The main window's controls that the program writes, with their design captions.
struct FakeMainControls {
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

    MainControls Bind() {
        return {Button1,    Button2, Button3, Button4, Cancel, Prompt,
                Concluding, Label21, Top,     Bottom,  Left,   Right};
    }
};

// A complete program on fake platform parts.
struct FakeWorld : FakeMainControls {
    FakeWorld(Single width = 785, Single height = 442);

    RecordingCanvas canvas;
    FakeClock clock;
    FakeOutput output;
    FakeSession session;
    Program program;

    // Runs the window's load event, as the program does when it starts.
    Program& Started();
};

}  // namespace qelt::testing
