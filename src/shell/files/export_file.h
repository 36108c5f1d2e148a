// The file a picture of a drawing is written to: which names may be, and a write whole or none.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <string>
#include <vector>

namespace qelt::shell {

// Why no picture may be written to `out`, a name as the file system encodes it: it is a link,
// anything but a regular file, or the same file as one of `inputs` by whatever name. A name not
// yet taken may be written.
std::optional<QString> RefusedPictureFile(const std::string& out,
                                          const std::vector<std::string>& inputs);

// Puts `bytes` in the file `out` whole, in place of any file there, or leaves everything as it
// was and says why.
std::optional<QString> WriteWhole(const std::string& out, const QByteArray& bytes);

}  // namespace qelt::shell
