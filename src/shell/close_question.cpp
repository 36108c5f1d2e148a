#include "shell/close_question.h"

#include <QMessageBox>

namespace qelt::shell {

CloseAnswer AskBeforeClosing(QWidget* window) {
    QMessageBox box(QMessageBox::Question, "Qelt graphics",
                    "Write the drawing to Qelt-CAD-float.csv before the program ends?",
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, window);
    box.setObjectName("CloseQuestion");
    box.setInformativeText("Without writing it, the drawing is lost.");
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
        case QMessageBox::Save:
            return CloseAnswer::Write;
        case QMessageBox::Discard:
            return CloseAnswer::Discard;
        default:
            return CloseAnswer::Stay;
    }
}

}  // namespace qelt::shell
