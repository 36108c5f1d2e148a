// Putting every byte of a file on the disk, or saying why not.
#pragma once

#include <QByteArray>
#include <QFileDevice>
#include <optional>
#include <string>

namespace qelt::shell {

// Writes every byte of `bytes` to the open, unbuffered `file` and waits until the disk holds
// them; returns why not, or nothing.
std::optional<std::string> WriteAndSync(QFileDevice& file, const QByteArray& bytes);

}  // namespace qelt::shell
