// Files dropped on the program's windows: pictures and data files.
#pragma once

#include <QObject>
#include <QWidget>
#include <functional>
#include <string>

namespace qelt::shell {

// Takes one file dropped on a watched window, over any of its controls, and hands its path on
// as the file system encodes it.
class FileDrops : public QObject {
    Q_OBJECT
  public:
    FileDrops(std::function<void(const std::string& path)> dropped, QObject* parent)
        : QObject(parent), dropped_(std::move(dropped)) {}

    // The window takes drops, and so do its text boxes, which would otherwise type the path.
    void Watch(QWidget* window);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::function<void(const std::string&)> dropped_;
};

}  // namespace qelt::shell
