// The platform parts on Qt: the clock and the session.
#pragma once

#include <QWidget>
#include <functional>
#include <map>
#include <utility>

#include "platform/clock.h"
#include "platform/session.h"
#include "shell/files/qt_file_output.h"

namespace qelt::shell {

class QtClock : public Clock {
  public:
    Single Timer() override;
};

class QtSession : public Session {
  public:
    QtSession(std::map<Form, QWidget*> windows, QtFileOutput& output)
        : windows_(std::move(windows)), output_(output) {}
    void Show(Form form) override;
    void Alert(const std::string& text) override;
    void Print(Stream stream, const std::string& line) override;
    void End() override;

  private:
    std::map<Form, QWidget*> windows_;
    QtFileOutput& output_;
};

}  // namespace qelt::shell
