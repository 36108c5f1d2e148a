// The data file written on the disk, with the file it replaces kept.
#pragma once

#include <QString>
#include <utility>

#include "platform/file_output.h"
#include "shell/files/kept_drawings.h"

namespace qelt::shell {

// Writes through a temporary file in the same folder that replaces the old file only once every
// byte has reached the disk, and only once the old file is kept beside it.
class QtFileOutput : public FileOutput {
  public:
    explicit QtFileOutput(KeptDrawings kept = {StateFolder(), &QDateTime::currentDateTime})
        : kept_(std::move(kept)) {}

    std::variant<Written, WriteFailure> Replace(const std::string& name,
                                                const std::string& bytes) override;
    std::variant<std::string, WriteFailure> Keep(const std::string& bytes) override;
    // Where drawings are kept.
    const QString& KeptFolder() const { return kept_.folder(); }
    // The full path of the file the last write failed to write, once; empty after a good write.
    QString TakeFailedPath() { return std::exchange(failedPath_, {}); }

  private:
    Written Write(const QString& name, const QByteArray& bytes);
    Written RewriteInPlace(const QString& name, const QByteArray& bytes, const QByteArray& old);

    KeptDrawings kept_;
    QString failedPath_;
};

}  // namespace qelt::shell
