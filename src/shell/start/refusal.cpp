// The program's own line on standard error when it does not go on.
#include "shell/start/refusal.h"

#include <iostream>

namespace qelt::shell {

int Refuse(const QString& why, int status) {
    std::cerr << "qelt-cad: " << why.toStdString() << '\n';
    return status;
}

}  // namespace qelt::shell
