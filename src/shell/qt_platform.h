// The platform parts on Qt: clock, file output and session.
#pragma once

#include <QWidget>
#include <functional>
#include <map>
#include <utility>

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
    // The full path of the file the last write failed to write, once; empty after a good write.
    QString TakeFailedPath() { return std::exchange(failedPath_, {}); }

  private:
    std::optional<std::string> Write(const QString& name, const std::string& bytes);

    QString failedPath_;
};

class QtSession : public Session {
  public:
    QtSession(std::map<Form, QWidget*> windows, QtFileOutput& output)
        : windows_(std::move(windows)), output_(output) {}
    void Show(Form form) override;
    void Alert(const std::string& text) override;
    void End() override;

  private:
    std::map<Form, QWidget*> windows_;
    QtFileOutput& output_;
};

}  // namespace qelt::shell
