// The monkey's rule that the data file reads back into the drawing it was written from.
#include <charconv>
#include <optional>
#include <string_view>

#include "monkey/checks.h"
#include "output/data_file.h"

namespace qelt::testing {

namespace {

using namespace std::string_view_literals;

// The fixed records of the file, written out here on their own so that the writer's texts are
// checked against them rather than against themselves.
constexpr std::string_view kHeader[] = {
    "X,Y,Line,CADoCode"sv,
    "Qelt-CAD-v3"sv,
    " "sv,
    "Define CADline IndexData > <bySequence> "sv,
    "Define InLineData > Point "sv,
    "Define Point IndexData > <X> <Y> <type>"sv,
    "Define TopLevelData CAD_Qelt>             TopLevel"sv,
    "Define        GroupData CAD_Lines >         CADline"sv,
};
constexpr std::string_view kLineCount = "Define        CADline >                     CADline #=";
constexpr std::string_view kLineStart = "LoopingStart     CADline Loop >                 CADline=";
constexpr std::string_view kPointCount = "   #=";
constexpr std::string_view kLineComment =
    "LoopingComment       InLineData comment >           X    Y    Type";
constexpr std::string_view kPointStart = "InLine               Point >                        ";
constexpr std::string_view kFieldGap = "  ";
constexpr std::string_view kLineEnd =
    "LoopEnd              Endof >                        ________EndOf ";
constexpr std::string_view kFooter[] = {
    "LoopEnd          Endof >                        ___EndOf"sv,
    " "sv,
    "Define GroupData >       Group "sv,
    "Define LineData >        LineNum"sv,
    " "sv,
    "               >        End "sv,
    "DataFIle                                EndOfDataFile"sv,
};

// A number in its one written form: decimal, no blanks, no leading zeros, "-" when negative.
std::optional<int> ReadNumber(std::string_view text) {
    const std::string_view digits = text.starts_with('-') ? text.substr(1) : text;
    if (digits.empty() || (digits[0] == '0' && text.size() > 1)) {
        return std::nullopt;
    }
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

// Reads the file record by record, reporting the first place it breaks the format.
class Reader {
  public:
    Reader(std::string_view text, Findings& out) : text_(text), out_(out) {}

    bool AtEnd() const { return text_.empty(); }
    bool Failed() const { return failed_; }

    // The next record, without its CR LF.
    std::string_view Next() {
        if (failed_ || text_.empty()) {
            return Fail("the file ends early"), std::string_view{};
        }
        const std::size_t end = text_.find("\r\n");
        const std::string_view record = text_.substr(0, end);
        if (end == std::string_view::npos || record.find('\r') != record.npos ||
            record.find('\n') != record.npos) {
            return Fail("record ", record_ + 1, " does not end in CR LF"), std::string_view{};
        }
        text_.remove_prefix(end + 2);
        ++record_;
        return record;
    }

    bool Peek(std::string_view prefix) const { return !failed_ && text_.starts_with(prefix); }

    void Expect(std::string_view fixed) {
        const std::string_view record = Next();
        if (!failed_ && record != fixed) {
            Fail("record ", record_, " is \"", record, "\" instead of \"", fixed, "\"");
        }
    }

    // The record's text after `prefix`.
    std::string_view After(std::string_view prefix) {
        const std::string_view record = Next();
        if (!failed_ && !record.starts_with(prefix)) {
            Fail("record ", record_, " \"", record, "\" does not start with \"", prefix, "\"");
        }
        return failed_ ? std::string_view{} : record.substr(prefix.size());
    }

    template <typename... Parts>
    void Fail(const Parts&... parts) {
        if (!failed_) {
            Report(out_, "data file: ", parts...);
        }
        failed_ = true;
    }

  private:
    std::string_view text_;
    Findings& out_;
    int record_ = 0;
    bool failed_ = false;
};

// "<X>  <Y>  UN" of the point at `position` of `line`.
void ReadPoint(Reader& in, std::string_view fields, const DrawingState& d, int line, int position) {
    const std::size_t gap1 = fields.find(kFieldGap);
    const std::size_t gap2 = fields.find(kFieldGap, gap1 + kFieldGap.size());
    if (gap2 == fields.npos) {
        return in.Fail("point line \"", fields, "\" lacks its fields");
    }
    const auto x = ReadNumber(fields.substr(0, gap1));
    const auto y = ReadNumber(fields.substr(gap1 + 2, gap2 - gap1 - 2));
    const std::string_view code = fields.substr(gap2 + 2);
    if (position > d.Lines8pudt[line].PtCount) {
        return in.Fail("line ", line, " has a point line too many");
    }
    const PointRec& point = PointOf(d, line, position);
    if (x != point.X || y != point.Y || code != "UN") {
        in.Fail("point ", position, " of line ", line, " is written \"", fields, "\" for (",
                point.X, ", ", point.Y, ")");
    }
}

void ReadLineBlock(Reader& in, const DrawingState& d, int line) {
    const std::string_view numbers = in.After(kLineStart);
    const std::size_t mark = numbers.find(kPointCount);
    const auto position = ReadNumber(numbers.substr(0, mark));
    const auto count =
        mark == numbers.npos ? std::nullopt : ReadNumber(numbers.substr(mark + kPointCount.size()));
    if (in.Failed() || position != line || !count) {
        return in.Fail("line block ", line, " starts \"", numbers, "\"");
    }
    in.Expect(kLineComment);
    int points = 0;
    while (in.Peek(kPointStart)) {
        ReadPoint(in, in.After(kPointStart), d, line, ++points);
    }
    if (points != *count || points != d.Lines8pudt[line].PtCount) {
        in.Fail("line ", line, " says #=", *count, " over ", points, " point lines, for ",
                d.Lines8pudt[line].PtCount, " points");
    }
    in.Expect(kLineEnd);
}

}  // namespace

void CheckDataFile(const DrawingState& d, Findings& out) {
    std::string text;
    try {
        text = DataFileText(d);
    } catch (const std::exception& error) {
        return Report(out, "data file: the writer threw: ", error.what());
    }
    CheckDataFileText(text, d, out);
}

void CheckDataFileText(std::string_view text, const DrawingState& d, Findings& out) {
    Reader in(text, out);
    for (std::string_view fixed : kHeader) {
        in.Expect(fixed);
    }
    const auto lines = ReadNumber(in.After(kLineCount));
    if (in.Failed() || lines != d.LineCount8pint) {
        return in.Fail("the line count says ", lines.value_or(-1), " for ", d.LineCount8pint,
                       " lines");
    }
    for (int k = 1; k <= *lines && !in.Failed(); ++k) {
        ReadLineBlock(in, d, k);
    }
    for (std::string_view fixed : kFooter) {
        in.Expect(fixed);
    }
    if (!in.Failed() && !in.AtEnd()) {
        in.Fail("text follows the end marker");
    }
}

}  // namespace qelt::testing
