// A control of a window as the program sees it, and the main window's controls it writes.
#pragma once

#include <string>
#include <utility>

namespace qelt {

// A control of a window as the program sees it: a caption and an enabled state.
class Control {
  public:
    virtual ~Control() = default;
    virtual std::string Caption() const = 0;
    virtual void SetCaption(const std::string& caption) = 0;
    virtual bool Enabled() const = 0;
    virtual void SetEnabled(bool enabled) = 0;
};

// A control shown nowhere, which keeps what the program writes to it: for a program without
// windows, and for tests.
class KeptControl : public Control {
  public:
    explicit KeptControl(std::string caption = {}) : caption_(std::move(caption)) {}
    std::string Caption() const override { return caption_; }
    void SetCaption(const std::string& caption) override { caption_ = caption; }
    bool Enabled() const override { return enabled_; }
    void SetEnabled(bool enabled) override { enabled_ = enabled; }

  private:
    std::string caption_;
    bool enabled_ = true;
};

// The controls of the main window that the program writes.
struct MainControls {
    Control& Button1_NewRenameLeft_8cbn;
    Control& Button2_SelectAssignUnassignYes_8cbn;
    Control& Button3_EditDone_8cbn;
    Control& Button4_DeleteRightNo_8cbn;
    Control& Button_Cancel8cbn;
    Control& UserMustSee8lbl;
    Control& ConcludingInfoToUser8lbl;
    Control& Label21;
    Control& CADtop8lbl;
    Control& CADbotton8lbl;
    Control& CADleft8lbl;
    Control& CADright8lbl;
};

}  // namespace qelt
