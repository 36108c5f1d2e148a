// The drawing data file: its name and its exact bytes for a drawing.
#include "output/data_file.h"

#include <array>
#include <charconv>

#include "output/data_file_texts.h"

namespace qelt {

using namespace datafile;

namespace {

// Builds the file one record at a time; every record ends in CR LF.
class Records {
  public:
    template <typename... Parts>
    void Add(const Parts&... parts) {
        (Append(parts), ...);
        text_ += "\r\n";
    }
    std::string Take() { return std::move(text_); }

  private:
    void Append(std::string_view part) { text_ += part; }
    void Append(const std::string& part) { text_ += part; }
    // Straight into the text, without a string of its own: a step of undo writes the whole file.
    void Append(Integer number) {
        std::array<char, 8> digits{};
        const char* end = std::to_chars(digits.begin(), digits.end(), number).ptr;
        text_.append(digits.data(), static_cast<std::size_t>(end - digits.data()));
    }

    std::string text_;
};

void AddLineBlock(Records& out, const DrawingState& d, Integer k) {
    const LineRec& line = d.Lines8pudt[k];
    const Integer count = line.PtCount;
    out.Add(LineStart, k, PointCountMark, count);
    out.Add(LineComment);
    const std::string code = line.Code.str();
    for (Integer j = 1; j <= count; ++j) {
        const PointRec& point = PointOf(d, k, j);
        out.Add(PointStart, point.X, FieldGap, point.Y, FieldGap, code);
    }
    out.Add(LineEnd);
}

void AddGroupBlock(Records& out, const GroupRec& group) {
    out.Add(GroupStart, group.Name, group.Note);
    const Integer members = group.LineCount;
    for (Integer i = 1; i <= members; ++i) {
        out.Add(GroupMember, group.LineNo[i]);
    }
    out.Add(GroupEnd);
}

std::string Counted(int count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

}  // namespace

std::string LinesAndPoints(const DrawingState& d) {
    return Counted(d.LineCount8pint, "line", "lines") + ", " +
           Counted(PointTotal(d.Lines8pudt, d.LineCount8pint), "point", "points");
}

std::string DataFileText(const DrawingState& d) {
    Records out;
    out.Add(ColumnHeader);
    out.Add(VersionStamp);
    out.Add(BlankLine);
    for (std::string_view definition :
         {DefineCadLine, DefineInLine, DefinePoint, DefineTopLevel, DefineGroupData}) {
        out.Add(definition);
    }
    const Integer lines = d.LineCount8pint;
    out.Add(DefineLineCount, lines);
    for (Integer k = 1; k <= lines; ++k) {
        AddLineBlock(out, d, k);
    }
    out.Add(LinesEnd);
    out.Add(BlankLine);
    out.Add(DefineGroup);
    out.Add(DefineLineNum);
    out.Add(BlankLine);
    const Integer groups = d.GroupCount8pint;
    for (Integer g = 1; g <= groups; ++g) {
        AddGroupBlock(out, d.Groups8pudt[g]);
    }
    out.Add(DataEnd);
    out.Add(DataFileEnd);
    return out.Take();
}

}  // namespace qelt
