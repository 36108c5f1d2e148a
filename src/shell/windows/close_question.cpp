// The question asked before a drawing with unwritten changes would go.
#include "shell/windows/close_question.h"

#include <QMessageBox>

#include "shell/windows/message_box.h"

namespace qelt::shell {

WriteAnswer AskToWrite(QWidget* window, const QString& question, const QString& keptFolder) {
    QMessageBox box(QMessageBox::Question, "Qelt graphics", question,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, window);
    box.setObjectName("CloseQuestion");
    box.setInformativeText("Without writing it, the drawing is kept only in " + keptFolder +
                           ", where the last ten drawings kept stay.");
    ShowAsPlainText(box);
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
        case QMessageBox::Save:
            return WriteAnswer::Write;
        case QMessageBox::Discard:
            return WriteAnswer::Discard;
        default:
            return WriteAnswer::Stay;
    }
}

}  // namespace qelt::shell
