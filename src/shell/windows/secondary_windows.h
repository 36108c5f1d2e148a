// The map, cross-section, list, rename and information windows.
#pragma once

#include <QPushButton>
#include <QWidget>
#include <memory>

class QScrollArea;

namespace qelt::shell {

// A window that stays open until the program ends: its close box only says why.
class SecondaryWindow : public QWidget {
    Q_OBJECT
  public:
    using QWidget::QWidget;

    // Makes the window fit `room` (its size without the frame): where its controls need more,
    // they move into a scroll area filling the window, scrolled to show `shown` (if given).
    void FitInto(QSize room, QWidget* shown);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    QScrollArea* scroll_ = nullptr;
    QWidget* shown_ = nullptr;
};

// The cross-section window, whose "Write && End" button is the only control of these windows
// that does anything; the caller wires it.
class CrossSectionWindow : public SecondaryWindow {
    Q_OBJECT
  public:
    using SecondaryWindow::SecondaryWindow;
    QPushButton* writeAndEnd = nullptr;  // End8cbn
};

// The map, cross-section, list, rename and information windows.
std::unique_ptr<CrossSectionWindow> MakeCrossSectionWindow();
std::unique_ptr<SecondaryWindow> MakeMapWindow();
std::unique_ptr<SecondaryWindow> MakeListWindow();
std::unique_ptr<SecondaryWindow> MakeRenameWindow();
std::unique_ptr<SecondaryWindow> MakeInfoWindow();

}  // namespace qelt::shell
