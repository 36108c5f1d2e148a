// Message boxes show their texts as they are: a file or folder name such as "<b>x" is no markup.
#pragma once

#include <QMessageBox>

namespace qelt::shell {

// Shows every text of `box` as plain text. Called once its texts are set, since the box makes
// the label of its informative text only when it is first given one.
void ShowAsPlainText(QMessageBox& box);

}  // namespace qelt::shell
