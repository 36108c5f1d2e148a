#include "output/read_data_file.h"

#include <algorithm>
#include <charconv>
#include <optional>

#include "output/data_file_texts.h"

namespace qelt {

using namespace datafile;

namespace {

constexpr int kMaxGroups = decltype(DrawingState::Groups8pudt)::upper;
constexpr int kMaxGroupLines = decltype(GroupRec::LineNo)::upper;

// Raised inside the reader only; ReadDataFile returns its error.
struct Refusal {
    DataFileError error;
};

std::string Quoted(std::string_view text) {
    return '"' + std::string(text) + '"';
}

std::string_view WithoutTrailingSpaces(std::string_view text) {
    return text.substr(0, text.find_last_not_of(' ') + 1);
}

// The line as the writer wrote it, or after a tool removed its trailing spaces.
bool Matches(std::string_view line, std::string_view written) {
    return line == written || line == WithoutTrailingSpaces(written);
}

// An Integer as std::to_string writes it: no "+", no blanks, no leading zeros, no "-0".
std::optional<int> PlainNumber(std::string_view text) {
    const std::string_view digits = text.starts_with('-') ? text.substr(1) : text;
    if (digits.empty() || digits.size() > 5 || (digits[0] == '0' && text.size() > 1)) {
        return std::nullopt;
    }
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc{} || stop != end) {
        return std::nullopt;
    }
    return value;
}

std::string ControlByteFound(unsigned char byte) {
    constexpr std::string_view kHex = "0123456789ABCDEF";
    return std::string("expected text, found the control byte 0x") + kHex[byte >> 4U] +
           kHex[byte & 0xFU];
}

// The file's lines one at a time, without their line ends. The first line end says whether
// the file ends its lines in CR LF or, after a tool changed them, in LF; every line must agree.
class Lines {
  public:
    explicit Lines(std::string_view bytes) : rest_(bytes) {
        const std::size_t feed = bytes.find('\n');
        crlf_ = feed == bytes.npos || (feed > 0 && bytes[feed - 1] == '\r');
    }

    [[noreturn]] void Refuse(const std::string& message) const {
        throw Refusal{{number_, message}};
    }

    // The next line, which should be `what`.
    std::string_view Next(const std::string& what) {
        ++number_;
        if (rest_.empty()) {
            Refuse("expected " + what + ", found the end of the file");
        }
        const std::size_t feed = rest_.find('\n');
        std::string_view line = rest_.substr(0, feed);
        if (feed == rest_.npos || line.ends_with('\r') != crlf_) {
            Refuse(crlf_ ? "expected CR LF at the end of the line"
                         : "expected LF at the end of the line");
        }
        line.remove_suffix(crlf_ ? 1 : 0);
        for (const char c : line) {
            const auto byte = static_cast<unsigned char>(c);
            if (byte < 0x20 || byte == 0x7F) {
                Refuse(ControlByteFound(byte));
            }
        }
        rest_.remove_prefix(feed + 1);
        return line;
    }

    void ExpectEnd() {
        ++number_;
        if (!rest_.empty()) {
            Refuse("expected the end of the file");
        }
    }

  private:
    std::string_view rest_;
    bool crlf_ = true;
    int number_ = 0;
};

struct PointFields {
    int x = 0;
    int y = 0;
    FixedString2 code;
};

// "X  Y  code"; a code of fewer than two characters was padded with spaces.
std::optional<PointFields> ParsePoint(std::string_view fields) {
    const std::size_t gap = fields.find(FieldGap);
    if (gap == fields.npos) {
        return std::nullopt;
    }
    const std::string_view x = fields.substr(0, gap);
    const std::string_view rest = fields.substr(gap + FieldGap.size());
    const std::size_t gap2 = rest.find(FieldGap);
    const std::string_view y = rest.substr(0, gap2);
    const std::string_view code = gap2 == rest.npos ? "" : rest.substr(gap2 + FieldGap.size());
    const auto xValue = PlainNumber(x);
    const auto yValue = PlainNumber(y);
    if (!xValue || !yValue || code.size() > 2) {
        return std::nullopt;
    }
    const PointFields point{*xValue, *yValue, FixedString2(code)};
    std::string written(x);
    written.append(FieldGap).append(y).append(FieldGap).append(point.code.str());
    if (!Matches(fields, written)) {
        return std::nullopt;
    }
    return point;
}

// Every later use of a point stays within its arithmetic, and these are the widest bounds for
// which it does. The pointer reaches the program as whole pixels from the canvas's corner;
// while a button is held it may be anywhere on a screen, which we take to be within
// -16384..16383: 32768 positions, the most whose differences all fit in 16 bits. The program
// stores pointer positions as points (adding, moving and inserting them), so its own points
// never leave that range either. Within it:
// - the point search subtracts a point from the pointer in 16 bits: 16383 - (-16384) = 32767
//   and -16384 - 16383 = -32767 fit, one pixel further on either side does not;
// - it squares and adds both differences in 32 bits: 2 * 32767^2 = 2,147,352,578 fits;
// - a segment's midpoint subtracts one end from the other: at most 32767; the pointer's
//   distance from a midpoint is again at most 32767;
// - the line search starts each line's box at +-32000, beyond every point;
// - a point's square symbol reaches half its size to either side: 0.5 % of the canvas width,
//   at most 82 pixels on a 16384-pixel canvas, so within +-16466.
bool IsFileCoordinate(int value) {
    return value >= MinFileCoordinate && value <= MaxFileCoordinate;
}

class DrawingReader {
  public:
    explicit DrawingReader(std::string_view bytes) : lines_(bytes) {}

    DrawingState Read() {
        for (std::string_view text : {ColumnHeader, VersionStamp, BlankLine, DefineCadLine,
                                      DefineInLine, DefinePoint, DefineTopLevel, DefineGroupData}) {
            Expect(text);
        }
        const int lines = ReadLineCount();
        for (int k = 1; k <= lines; ++k) {
            ReadLineBlock(k);
        }
        Expect(LinesEnd, " (end of the lines)");
        for (std::string_view text : {BlankLine, DefineGroup, DefineLineNum, BlankLine}) {
            Expect(text);
        }
        ReadGroups();
        Expect(DataFileEnd);
        lines_.ExpectEnd();
        return d_;
    }

  private:
    void Expect(std::string_view text, const std::string& context = "") {
        const std::string what = Quoted(text) + context;
        if (!Matches(lines_.Next(what), text)) {
            lines_.Refuse("expected " + what);
        }
    }

    // The rest of a line that starts with `start`.
    std::string_view After(std::string_view start, const std::string& what) {
        const std::string_view line = lines_.Next(what);
        if (!line.starts_with(start)) {
            lines_.Refuse("expected " + what);
        }
        return line.substr(start.size());
    }

    int ReadCount(std::string_view start, const std::string& what) {
        const auto count = PlainNumber(After(start, what));
        if (!count || *count < 0) {
            lines_.Refuse("expected " + what);
        }
        return *count;
    }

    void Limit(int value, int most, const std::string& said) const {
        if (value > most) {
            lines_.Refuse(said + "; at most " + std::to_string(most));
        }
    }

    int ReadLineCount() {
        const int count =
            ReadCount(DefineLineCount, Quoted(DefineLineCount) + " and the number of lines");
        Limit(count, MaxLines, std::to_string(count) + " lines");
        return count;
    }

    void ReadLineBlock(int k) {
        const std::string name = std::to_string(k);
        const std::string start = std::string(LineStart) + name + std::string(PointCountMark);
        const int count = ReadCount(start, Quoted(start) + " and the point count of line " + name);
        Limit(count, MaxLinePoints, "line " + name + " has " + std::to_string(count) + " points");
        const int total = d_.PointsUsed8pint + count;
        Limit(total, MaxPoints, std::to_string(total) + " points in all");
        Expect(LineComment, " (line " + name + "'s block)");
        LineRec& line = d_.Lines8pudt[k];
        line.LineNo = static_cast<Integer>(k);
        line.InUse = true;
        line.Code = "UN";
        for (int j = 1; j <= count; ++j) {
            ReadPoint(line, k, j);
        }
        Expect(LineEnd, " (end of line " + name + "'s block)");
        d_.LineCount8pint = static_cast<Integer>(k);
    }

    void ReadPoint(LineRec& line, int k, int j) {
        const std::string where =
            " (point " + std::to_string(j) + " of line " + std::to_string(k) + ")";
        const std::string what = Quoted(PointStart) + " and X, Y and code" + where;
        const auto point = ParsePoint(After(PointStart, what));
        if (!point) {
            lines_.Refuse("expected " + what);
        }
        if (!IsFileCoordinate(point->x) || !IsFileCoordinate(point->y)) {
            lines_.Refuse("expected coordinates from " + std::to_string(MinFileCoordinate) +
                          " to " + std::to_string(MaxFileCoordinate) + where);
        }
        if (j > 1 && !(point->code == line.Code)) {
            lines_.Refuse("expected the code " + Quoted(line.Code.str()) +
                          " of the line's first point" + where);
        }
        const Integer slot = ++d_.PointsUsed8pint;
        d_.Points8pudt[slot] = {static_cast<Integer>(point->x), static_cast<Integer>(point->y),
                                true};
        line.PtIdx[j] = slot;
        line.PtCount = static_cast<Integer>(j);
        line.Code = point->code;
    }

    // Group blocks up to the end marker.
    void ReadGroups() {
        const std::string what = Quoted(GroupStart) + " and a group name, or " + Quoted(DataEnd);
        for (int g = 1;; ++g) {
            const std::string_view line = lines_.Next(what);
            if (Matches(line, DataEnd)) {
                return;
            }
            if (!line.starts_with(GroupStart) && line != WithoutTrailingSpaces(GroupStart)) {
                lines_.Refuse("expected " + what);
            }
            Limit(g, kMaxGroups, std::to_string(g) + " groups");
            GroupRec& group = d_.Groups8pudt[g];
            group.Name = line.substr(std::min(line.size(), GroupStart.size()));
            ReadMembers(group, g);
            d_.GroupCount8pint = static_cast<Integer>(g);
        }
    }

    void ReadMembers(GroupRec& group, int g) {
        const std::string where = " (group " + std::to_string(g) + ")";
        const std::string what =
            Quoted(GroupMember) + " and a line number, or " + Quoted(GroupEnd) + where;
        for (int i = 1;; ++i) {
            const std::string_view line = lines_.Next(what);
            if (Matches(line, GroupEnd)) {
                return;
            }
            const auto number = line.starts_with(GroupMember)
                                    ? PlainNumber(line.substr(GroupMember.size()))
                                    : std::nullopt;
            if (!number) {
                lines_.Refuse("expected " + what);
            }
            Limit(i, kMaxGroupLines,
                  "group " + std::to_string(g) + " has " + std::to_string(i) + " lines");
            if (*number < 1 || *number > d_.LineCount8pint) {
                lines_.Refuse("expected the number of a line of the drawing" + where);
            }
            group.LineNo[i] = static_cast<Integer>(*number);
            group.LineCount = static_cast<Integer>(i);
        }
    }

    Lines lines_;
    DrawingState d_;
};

}  // namespace

std::variant<DrawingState, DataFileError> ReadDataFile(std::string_view bytes) {
    if (bytes.size() > MaxDataFileBytes) {
        return DataFileError{1, "expected at most " + std::to_string(MaxDataFileBytes) +
                                    " bytes, found " + std::to_string(bytes.size())};
    }
    try {
        return DrawingReader(bytes).Read();
    } catch (const Refusal& refusal) {
        return refusal.error;
    }
}

}  // namespace qelt
