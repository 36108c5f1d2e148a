// Drawings kept against loss in the user's state folder, by date and time.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <functional>
#include <utility>
#include <variant>

#include "platform/file_output.h"

namespace qelt::shell {

// The program's folder among the user's state: $XDG_STATE_HOME/qelt-cad, or, where that is not
// set to a full path, ~/.local/state/qelt-cad.
QString StateFolder();

// Data files kept in one folder, each named by the date and time it was kept; the last ten stay.
class KeptDrawings {
  public:
    KeptDrawings(QString folder, std::function<QDateTime()> now)
        : folder_(std::move(folder)), now_(std::move(now)) {}

    const QString& folder() const { return folder_; }
    // Puts `bytes` whole on the disk in a new file of the folder (made if missing), then removes
    // all but the last ten; returns the new file's full path.
    std::variant<QString, WriteFailure> Keep(const QByteArray& bytes);

  private:
    void KeepTheLastTen(const QString& newest);

    QString folder_;
    std::function<QDateTime()> now_;
};

}  // namespace qelt::shell
