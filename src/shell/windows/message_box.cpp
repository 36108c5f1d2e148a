// Message boxes that show their texts as they are, never as markup.
#include "shell/windows/message_box.h"

#include <QLabel>

namespace qelt::shell {

// The box's own text format reaches its main text only, not the informative one.
void ShowAsPlainText(QMessageBox& box) {
    box.setTextFormat(Qt::PlainText);
    for (QLabel* label : box.findChildren<QLabel*>()) {
        label->setTextFormat(Qt::PlainText);
    }
}

}  // namespace qelt::shell
