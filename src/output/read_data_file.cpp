// Reads a drawing data file back into the drawing that the writer wrote it from.
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
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Raised inside the reader only; ReadDataFile returns its error.
struct Refusal {
    DataFileError error;
};

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// A line without the blanks at its end or the commas a spreadsheet pads a row with.
std::string_view WithoutPadding(std::string_view text) {
    while (!text.empty() && (IsBlank(text.back()) || text.back() == ',')) {
        text.remove_suffix(1);
    }
    return text;
}

// A line as it reads whatever the layout: without blanks at its ends or the commas after it,
// each run of blanks one space.
std::string Words(std::string_view line) {
    const std::string_view text = WithoutPadding(line);
    std::string words(text.size(), ' ');
    std::size_t length = 0;
    bool gap = false;
    for (const char c : text) {
        if (IsBlank(c)) {
            gap = length > 0;
        } else {
            length += gap ? 1 : 0;  // the blank already stands there
            words[length++] = c;
            gap = false;
        }
    }
    words.resize(length);
    return words;
}

// The rest of `words` (a line's Words) after `fixed`, a text of the file read as its words; a
// fixed text that ends in spaces is followed by a blank where the line goes on. Nothing where
// the line does not start with it.
std::optional<std::string_view> AfterFixed(std::string_view words, std::string_view fixed) {
    std::size_t at = 0;
    for (std::size_t j = 0; j < fixed.size();) {
        if (fixed[j] != ' ') {
            if (at == words.size() || words[at] != fixed[j]) {
                return std::nullopt;
            }
            ++at;
            ++j;
            continue;
        }
        j = std::min(fixed.find_first_not_of(' ', j), fixed.size());
        const bool atAnEnd = at == 0 || (at == words.size() && j == fixed.size());
        if (!atAnEnd && (at == words.size() || words[at++] != ' ')) {
            return std::nullopt;
        }
    }
    return words.substr(at);
}

// The text that ends `line` after `fixed`, which the line's Words start with, as it stands: a
// field's blanks are its own. Each run of blanks before it stands for a run of spaces of
// `fixed`, and one blank for the space that ends it.
std::string FieldAfter(std::string_view line, std::string_view fixed) {
    std::size_t at = 0;
    for (std::size_t word = fixed.find_first_not_of(' '); word != fixed.npos;) {
        const std::size_t end = std::min(fixed.find(' ', word), fixed.size());
        at = line.find_first_not_of(" \t", at) + (end - word);
        word = fixed.find_first_not_of(' ', end);
    }
    const std::string_view text = WithoutPadding(line);
    at += fixed.ends_with(' ') && at < text.size() ? 1 : 0;
    return std::string(text.substr(std::min(at, text.size())));
}

// Whether `words` (a line's Words) read as the fixed text.
bool SameWords(std::string_view words, std::string_view fixed) {
    const auto rest = AfterFixed(words, fixed);
    return rest && rest->empty();
}

std::string Counted(int count, const char* thing) {
    return std::to_string(count) + " " + thing + (count == 1 ? "" : "s");
}

std::string Quoted(std::string_view text) {
    return '"' + Words(text) + '"';
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

// One or two printable characters, neither a blank nor a comma.
bool IsCode(std::string_view code) {
    const auto printable = [](char c) { return c > ' ' && c < 0x7F && c != ','; };
    return !code.empty() && code.size() <= 2 && std::ranges::all_of(code, printable);
}

std::string ControlByteFound(unsigned char byte) {
    constexpr std::string_view kHex = "0123456789ABCDEF";
    return std::string("expected text, found the control byte 0x") + kHex[byte >> 4U] +
           kHex[byte & 0xFU];
}

// The file's lines one at a time, each as its Words. A line ends in CR LF, in LF, or with the
// file.
class Lines {
  public:
    explicit Lines(std::string_view bytes) : rest_(bytes) {
        if (rest_.starts_with(kByteOrderMark)) {
            rest_.remove_prefix(kByteOrderMark.size());
        }
    }

    [[noreturn]] void RefuseAt(int line, const std::string& message) const {
        throw Refusal{{line, "line " + std::to_string(line) + ": " + message}};
    }
    [[noreturn]] void Refuse(const std::string& message) const { RefuseAt(number_, message); }

    int Number() const { return number_; }

    // The next line, which should be `what`.
    std::string Next(const std::string& what) {
        ++number_;
        if (rest_.empty()) {
            Refuse("expected " + what + ", found the end of the file");
        }
        const Line& line = Front();
        if (!line.fault.empty()) {
            Refuse(line.fault);
        }
        rest_.remove_prefix(line.length);
        return line.words;
    }

    // The next line, without taking it; none at the end or where it cannot be read.
    const std::string* Peek() const {
        return rest_.empty() || !Front().fault.empty() ? nullptr : &Front().words;
    }

    // The next line as it stands, without its line end.
    std::string_view PeekText() const { return rest_.empty() ? std::string_view() : Front().text; }

    bool NextStartsWith(std::string_view start) const {
        const std::string* line = Peek();
        return line != nullptr && AfterFixed(*line, start);
    }

    // How many lines from the next one up to one that reads `stop` start with `start`.
    int CountAhead(std::string_view start, std::string_view stop) const {
        Lines ahead = *this;
        int count = 0;
        for (const std::string* line = ahead.Peek(); line != nullptr && !SameWords(*line, stop);
             line = ahead.Peek()) {
            count += AfterFixed(*line, start) ? 1 : 0;
            ahead.Next("");
        }
        return count;
    }

    // Only empty lines may follow.
    void ExpectEnd() {
        while (!rest_.empty()) {
            if (!Next("").empty()) {
                Refuse("expected nothing after the end of the data");
            }
        }
    }

  private:
    struct Line {
        std::string words;
        std::string_view text;   // as it stands in the file
        std::size_t length = 0;  // with its line end
        std::string fault;       // why it cannot be read, if it cannot
    };

    // The line at the front, read once however often it is looked at.
    const Line& Front() const {
        if (frontAt_ != rest_.data()) {
            front_ = Scan(rest_);
            frontAt_ = rest_.data();
        }
        return front_;
    }

    // Some editors save the last line without a line end: layout, like any other.
    static Line Scan(std::string_view rest) {
        const std::size_t feed = std::min(rest.find('\n'), rest.size());
        const std::size_t length = std::min(feed + 1, rest.size());
        std::string_view line = rest.substr(0, feed);
        line.remove_suffix(line.ends_with('\r') ? 1 : 0);
        for (const char c : line) {
            const auto byte = static_cast<unsigned char>(c);
            if ((byte < 0x20 && c != '\t') || byte == 0x7F) {
                return {{}, {}, length, ControlByteFound(byte)};
            }
        }
        return {Words(line), line, length, {}};
    }

    std::string_view rest_;
    int number_ = 0;
    mutable Line front_;
    mutable const char* frontAt_ = nullptr;
};

// Every later use of a point stays within its arithmetic, and these are the widest bounds for
// which it does. The pointer reaches the program as whole pixels from the canvas's corner;
// while a button is held it may be anywhere on a screen, and the canvas holds it within
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
        ReadLineBlocks();
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
    // The message of a line that is not what was expected is made only then.
    void Expect(std::string_view text, const std::string& context = "") {
        const std::string* next = lines_.Peek();
        if (next == nullptr || !SameWords(*next, text)) {
            Refuse(Quoted(text) + context);
        }
        lines_.Next("");
    }

    // The rest of the next line, which starts with `start`.
    std::string After(std::string_view start, const std::string& what) {
        const std::string* next = lines_.Peek();
        const auto rest = next != nullptr ? AfterFixed(*next, start) : std::nullopt;
        if (!rest) {
            Refuse(what);
        }
        std::string fields(*rest);
        lines_.Next("");
        return fields;
    }

    // At the next line: at the end of the file, where the line cannot be read, and otherwise
    // where it is not `what`.
    [[noreturn]] void Refuse(const std::string& what) {
        lines_.Next(what);
        lines_.Refuse("expected " + what);
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

    // Reads `count` things with `readOne`, each starting with `start`, up to the line that reads
    // `stop`. A count that what follows does not bear out is said at the count's own line.
    template <typename ReadOne>
    void ReadCounted(int countLine, int count, const char* thing, std::string_view start,
                     std::string_view stop, ReadOne readOne) {
        const auto refuse = [&](int held) {
            throw Refusal{{countLine, "line " + std::to_string(countLine) + " says " +
                                          Counted(count, thing) + ", the file holds " +
                                          std::to_string(held)}};
        };
        for (int i = 1; i <= count; ++i) {
            if (const std::string* next = lines_.Peek();
                next != nullptr && SameWords(*next, stop)) {
                refuse(i - 1);
            }
            readOne(i);
        }
        if (lines_.NextStartsWith(start)) {
            refuse(count + lines_.CountAhead(start, stop));
        }
    }

    void ReadLineBlocks() {
        const int lines =
            ReadCount(DefineLineCount, Quoted(DefineLineCount) + " and the number of lines");
        Limit(lines, MaxLines, std::to_string(lines) + " lines");
        ReadCounted(lines_.Number(), lines, "line", LineStart, LinesEnd,
                    [this](int k) { ReadLineBlock(k); });
    }

    void ReadLineBlock(int k) {
        const std::string name = std::to_string(k);
        const std::string start = std::string(LineStart) + name + std::string(PointCountMark);
        const int count = ReadCount(start, Quoted(start) + " and the point count of line " + name);
        Limit(count, MaxLinePoints, "line " + name + " has " + std::to_string(count) + " points");
        const int total = d_.PointsUsed8pint + count;
        Limit(total, MaxPoints, std::to_string(total) + " points in all");
        LineRec& line = d_.Lines8pudt[k];
        line.LineNo = static_cast<Integer>(k);
        line.InUse = true;
        line.Code = "UN";
        const int countLine = lines_.Number();
        Expect(LineComment, " (line " + name + "'s block)");
        ReadCounted(countLine, count, "point", PointStart, LineEnd,
                    [&](int j) { ReadPoint(line, k, j); });
        Expect(LineEnd, " (end of line " + name + "'s block)");
        d_.LineCount8pint = static_cast<Integer>(k);
        d_.SelectedLine8pint = static_cast<Integer>(k);
    }

    static std::string Where(int j, int k) {
        return " (point " + std::to_string(j) + " of line " + std::to_string(k) + ")";
    }

    // A file holds many points: what a message says of one is made only when it is needed.
    void ReadPoint(LineRec& line, int k, int j) {
        const std::string what = lines_.NextStartsWith(PointStart)
                                     ? std::string()
                                     : Quoted(PointStart) + " and X, Y and a code" + Where(j, k);
        const std::string fields = After(PointStart, what);
        const std::size_t gap = fields.find(' ');
        const std::size_t gap2 = fields.find(' ', gap + 1);
        if (gap == fields.npos || gap2 == fields.npos ||
            fields.find(' ', gap2 + 1) != fields.npos) {
            lines_.Refuse("expected X, Y and a code" + Where(j, k));
        }
        const int x = Coordinate(std::string_view(fields).substr(0, gap), j, k);
        const int y = Coordinate(std::string_view(fields).substr(gap + 1, gap2 - gap - 1), j, k);
        const std::string_view code = std::string_view(fields).substr(gap2 + 1);
        if (!IsCode(code)) {
            lines_.Refuse(
                "expected a code of one or two printable ASCII characters, no blank or "
                "comma" +
                Where(j, k));
        }
        if (j == 1) {
            firstPointLine_ = lines_.Number();
        } else if (!(FixedString2(code) == line.Code)) {
            const int at = lines_.Number();
            throw Refusal{{at, "line " + std::to_string(at) + " gives the code " + Quoted(code) +
                                   " and line " + std::to_string(firstPointLine_) + " the code " +
                                   Quoted(line.Code.str()) + " to points of line " +
                                   std::to_string(k) + "; all points of a line have one code"}};
        }
        const Integer slot = ++d_.PointsUsed8pint;
        d_.Points8pudt[slot] = {static_cast<Integer>(x), static_cast<Integer>(y), true};
        line.PtIdx[j] = slot;
        line.PtCount = static_cast<Integer>(j);
        line.Code = code;
        d_.SelectedPoint8pint = static_cast<Integer>(j);
    }

    int Coordinate(std::string_view text, int j, int k) const {
        const auto found = [&] { return ", found " + std::string(text) + Where(j, k); };
        if (text.find('.') != text.npos) {
            lines_.Refuse("coordinates are whole pixels" + found());
        }
        const auto value = PlainNumber(text);
        if (!value) {
            lines_.Refuse("expected X and Y as whole numbers without a plus sign or leading zeros" +
                          found());
        }
        if (!IsFileCoordinate(*value)) {
            lines_.Refuse("expected coordinates from " + std::to_string(MinFileCoordinate) +
                          " to " + std::to_string(MaxFileCoordinate) + found());
        }
        return *value;
    }

    // Group blocks up to the end marker.
    void ReadGroups() {
        const std::string what = Quoted(GroupStart) + " and a group name, or " + Quoted(DataEnd);
        for (int g = 1;; ++g) {
            const std::string_view text = lines_.PeekText();
            const std::string line = lines_.Next(what);
            if (SameWords(line, DataEnd)) {
                return;
            }
            if (!AfterFixed(line, GroupStart)) {
                lines_.Refuse("expected " + what);
            }
            Limit(g, kMaxGroups, std::to_string(g) + " groups");
            GroupRec& group = d_.Groups8pudt[g];
            group.Name = FieldAfter(text, GroupStart);
            ReadMembers(group, g);
            d_.GroupCount8pint = static_cast<Integer>(g);
        }
    }

    void ReadMembers(GroupRec& group, int g) {
        const std::string where = " (group " + std::to_string(g) + ")";
        const std::string what =
            Quoted(GroupMember) + " and a line number, or " + Quoted(GroupEnd) + where;
        for (int i = 1;; ++i) {
            const std::string line = lines_.Next(what);
            if (SameWords(line, GroupEnd)) {
                return;
            }
            const auto fields = AfterFixed(line, GroupMember);
            const auto number = fields ? PlainNumber(*fields) : std::nullopt;
            if (!number) {
                lines_.Refuse("expected " + what);
            }
            Limit(i, kMaxGroupLines,
                  "group " + std::to_string(g) + " has " + std::to_string(i) + " lines");
            if (*number < 1 || *number > d_.LineCount8pint) {
                lines_.Refuse("group " + std::to_string(g) + " names line " +
                              std::to_string(*number) + ", but the file holds " +
                              Counted(d_.LineCount8pint, "line"));
            }
            group.LineNo[i] = static_cast<Integer>(*number);
            group.LineCount = static_cast<Integer>(i);
        }
    }

    Lines lines_;
    DrawingState d_;
    int firstPointLine_ = 0;  // the file line of the current line's first point
};

}  // namespace

bool BeginsAsDataFile(std::string_view bytes) {
    const Lines lines(bytes);
    const std::string* first = lines.Peek();
    return first != nullptr && SameWords(*first, ColumnHeader);
}

std::variant<DrawingState, DataFileError> ReadDataFile(std::string_view bytes) {
    if (bytes.size() > MaxDataFileBytes) {
        return DataFileError{1, "the file has " + std::to_string(bytes.size()) +
                                    " bytes, more than a data file holds (" +
                                    std::to_string(MaxDataFileBytes) + ")"};
    }
    try {
        return DrawingReader(bytes).Read();
    } catch (const Refusal& refusal) {
        return refusal.error;
    }
}

}  // namespace qelt
