// The windows as a whole: showing them, alerting the user, ending the program.
#pragma once

#include <string>

namespace qelt {

enum class Form { XSpick8frm, CADmap8frm, CADlistof8frm, CAD8frm };

// Where a line for the person who started the program goes.
enum class Stream { Output, Error };

// The windows as a whole: showing them, telling the user something, ending the program.
class Session {
  public:
    virtual ~Session() = default;
    virtual void Show(Form form) = 0;
    virtual void Alert(const std::string& text) = 0;
    // One line on the program's standard output or standard error.
    virtual void Print(Stream stream, const std::string& line) = 0;
    // Ends the program at once; no further event of any window runs.
    virtual void End() = 0;
};

// The session of a program without windows: nothing is shown or said, and nothing ends.
class NoWindows : public Session {
  public:
    void Show(Form) override {}
    void Alert(const std::string&) override {}
    void Print(Stream, const std::string&) override {}
    void End() override {}
};

}  // namespace qelt
