// The program's own line on standard error when it does not go on.
#pragma once

#include <QString>

namespace qelt::shell {

// Says `why` on standard error in one line of the program's own, "qelt-cad: " and `why`, and
// returns `status`, the one the program ends with for it.
int Refuse(const QString& why, int status);

}  // namespace qelt::shell
