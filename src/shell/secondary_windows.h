#pragma once

#include <QWidget>
#include <memory>

namespace qelt::shell {

// A window that stays open until the program ends: its close box does nothing.
class SecondaryWindow : public QWidget {
    Q_OBJECT
  public:
    using QWidget::QWidget;

  protected:
    void closeEvent(QCloseEvent* event) override;
};

// The map, cross-section, list, rename and information windows. Only the cross-section
// window's "Write && End" button (objectName "End8cbn") does anything; the caller wires it.
std::unique_ptr<SecondaryWindow> MakeXSpick8frm();
std::unique_ptr<SecondaryWindow> MakeCADmap8frm();
std::unique_ptr<SecondaryWindow> MakeCADlistof8frm();
std::unique_ptr<SecondaryWindow> MakeCADrenameAndYouSure8frm();
std::unique_ptr<SecondaryWindow> MakeCAD_info_8frm();

}  // namespace qelt::shell
