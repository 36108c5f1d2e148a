// Writing the data file in one step, as the window system offers it.
#pragma once

#include <optional>
#include <string>

namespace qelt {

class FileOutput {
  public:
    virtual ~FileOutput() = default;
    // Replaces the file `name` in the working directory with exactly `bytes`, in one step: on
    // failure any existing file is left as it was. Returns why it failed, or nothing.
    virtual std::optional<std::string> Replace(const std::string& name,
                                               const std::string& bytes) = 0;
};

}  // namespace qelt
