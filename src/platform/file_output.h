// Writing the data file, and keeping drawings against loss, as the system offers it.
#pragma once

#include <string>
#include <variant>

namespace qelt {

// Why a file could not be written, for a person to read.
struct WriteFailure {
    std::string why;
};

// Where a write put the data file, and where the file it replaced is kept.
struct Written {
    std::string path;  // the file written, in full
    std::string kept;  // the file it replaced, in full; empty when it replaced none or the same
};

class FileOutput {
  public:
    virtual ~FileOutput() = default;
    // Replaces the file `name` in the working directory with exactly `bytes`. The file it
    // replaces is kept first: beside it as `name` + "~" (an older one makes way) once the new
    // file is whole, or, where the folder takes no new file, among the kept drawings. On failure
    // both are left as they were.
    virtual std::variant<Written, WriteFailure> Replace(const std::string& name,
                                                        const std::string& bytes) = 0;
    // Keeps `bytes`, the data file of a drawing that was not written, among the kept drawings:
    // the user's state folder, by date and time, the last ten. Returns where, in full.
    virtual std::variant<std::string, WriteFailure> Keep(const std::string& bytes) = 0;
};

// A program without windows writes and keeps nothing.
class NoFileOutput : public FileOutput {
  public:
    std::variant<Written, WriteFailure> Replace(const std::string&, const std::string&) override {
        return WriteFailure{"a program without windows writes no data file"};
    }
    std::variant<std::string, WriteFailure> Keep(const std::string&) override {
        return WriteFailure{"a program without windows keeps no drawing"};
    }
};

}  // namespace qelt
