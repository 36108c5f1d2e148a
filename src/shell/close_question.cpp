#include "shell/close_question.h"

#include <QMessageBox>

#include "shell/message_box.h"

namespace qelt::shell {

CloseAnswer AskBeforeClosing(QWidget* window) {
    QMessageBox box(QMessageBox::Question, "Qelt graphics",
                    "Write the drawing to Qelt-CAD-float.csv before the program ends?",
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, window);
    box.setObjectName("CloseQuestion");
    box.setInformativeText("Without writing it, the drawing is lost.");
    ShowAsPlainText(box);
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
