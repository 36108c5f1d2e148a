// The display: the application object on it, and what the program says where there is none.
#pragma once

#include <QApplication>
#include <memory>

namespace qelt::shell {

// What the program says (nothing, if null) and its status where no display answers.
struct WithoutDisplay {
    const char* says;
    int status;
};
inline constexpr WithoutDisplay kNoDisplayFound{"no display found (is DISPLAY set?)", 1};

// The application object on the display that the environment names, made from `argc` and
// `argv`, which it keeps for its whole life. Where no display answers, Qt would abort with
// advice for whoever installed it; the program says `without.says` and ends with its status.
std::unique_ptr<QApplication> OpenDisplay(int& argc, char* argv[], WithoutDisplay without);

// Where the program has the only say, as in a picture made without a display: Qt's and the
// image libraries' own lines go nowhere, unless QT_LOGGING_RULES asks for them.
void HoldQtMessagesUnlessAsked();

// False on the platforms that draw into memory only (offscreen, minimal), where no one could
// answer a message box.
bool SeenByAPerson();

}  // namespace qelt::shell
