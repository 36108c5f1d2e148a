// The platform parts on Qt: clock, file output and session.
#pragma once

#include <QWidget>
#include <functional>
#include <map>

#include "platform/clock.h"
#include "platform/file_output.h"
#include "platform/session.h"

namespace qelt::shell {

class QtClock : public Clock {
  public:
    Single Timer() override;
};

// Writes through a temporary file in the same directory that replaces the old file only once
// every byte has reached the disk.
class QtFileOutput : public FileOutput {
  public:
    std::optional<std::string> Replace(const std::string& name, const std::string& bytes) override;
};

class QtSession : public Session {
  public:
    explicit QtSession(std::map<Form, QWidget*> windows) : windows_(std::move(windows)) {}
    void Show(Form form) override;
    void Alert(const std::string& text) override;
    void End() override;

  private:
    std::map<Form, QWidget*> windows_;
};

}  // namespace qelt::shell
