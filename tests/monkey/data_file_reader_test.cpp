// The data file's reader over monkey drawings and damaged copies of their files.
#include <gtest/gtest.h>
#include <rapidcheck.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <chrono>
#include <iostream>
#include <sstream>
#include <string>
#include <variant>
#include <vector>

#include "monkey/checks.h"
#include "monkey/event_source.h"
#include "monkey/property.h"
#include "output/data_file.h"
#include "output/read_data_file.h"

namespace qelt::testing {
namespace {

// Fixed, so that every run reads the same files; RC_PARAMS names others.
constexpr std::uint64_t kSeed = 20'261'208;
constexpr int kDrawings = 1000;
constexpr int kDamagedPerDrawing = 200;
constexpr int kLongestRun = 600;

struct Tally {
    long long drawings = 0;
    long long taken = 0;
    long long refused = 0;
};

// The drawing that a run of the monkey's events leaves.
DrawingState MonkeyDrawing(std::uint64_t seed, int events) {
    Dice dice(seed);
    MonkeyWorld world;
    const Temper temper = RandomTemper(dice);
    for (int i = 0; i < events; ++i) {
        Deliver(world, NextEvent(world, temper, dice));
    }
    return world.program.drawing;
}

// The file's lines, each with its line end.
std::vector<std::string> Split(const std::string& file) {
    std::vector<std::string> lines;
    for (std::size_t at = 0; at < file.size();) {
        const std::size_t end = std::min(file.find('\n', at), file.size() - 1) + 1;
        lines.push_back(file.substr(at, end - at));
        at = end;
    }
    return lines;
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string file;
    for (const std::string& line : lines) {
        file += line;
    }
    return file;
}

char SomeByte(Dice& dice) {
    constexpr std::string_view kLikely("0123456789- \r\n\0\x7F", 16);
    return dice.Below(3) == 0 ? static_cast<char>(dice.Below(256))
                              : kLikely[static_cast<std::size_t>(dice.Below(16))];
}

// A number that sits on a limit, just past one, or in a form the writer never uses.
std::string SomeNumber(Dice& dice) {
    constexpr std::array<const char*, 22> kNumbers = {
        "0",     "-0",    "1",     "01",     "+1",    "19",    "20",     "21",
        "42",    "43",    "44",    "54",     "55",    "56",    "-16384", "-16385",
        "16383", "16384", "32767", "-32768", "99999", "123456"};
    return kNumbers[static_cast<std::size_t>(dice.Below(kNumbers.size()))];
}

void ChangeBytes(std::string& file, Dice& dice) {
    const std::size_t at = static_cast<std::size_t>(dice.Below(static_cast<int>(file.size())));
    switch (dice.Below(4)) {
        case 0:
            file[at] = static_cast<char>(file[at] ^ (1 << dice.Below(8)));
            break;
        case 1:
            file[at] = SomeByte(dice);
            break;
        case 2:
            file.insert(at, 1, SomeByte(dice));
            break;
        default:
            file.erase(at, static_cast<std::size_t>(1 + dice.Below(4)));
    }
}

void ChangeLines(std::string& file, Dice& dice) {
    std::vector<std::string> lines = Split(file);
    const int count = static_cast<int>(lines.size());
    const auto a = static_cast<std::size_t>(dice.Below(count));
    const auto b = static_cast<std::size_t>(dice.Below(count));
    switch (dice.Below(3)) {
        case 0:
            std::swap(lines[a], lines[b]);
            break;
        case 1:
            lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(b), lines[a]);
            break;
        default:
            lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(a));
    }
    file = Joined(lines);
}

// One line end loses its CR or gains one, or goes.
void ChangeLineEnd(std::string& file, Dice& dice) {
    std::size_t at =
        file.find('\n', static_cast<std::size_t>(dice.Below(static_cast<int>(file.size()))));
    if (at == std::string::npos) {
        at = file.size() - 1;
    }
    if (dice.Below(3) == 0) {
        file.erase(at, 1);
    } else if (at > 0 && file[at - 1] == '\r') {
        file.erase(at - 1, 1);
    } else {
        file.insert(at, 1, '\r');
    }
}

void ChangeNumber(std::string& file, Dice& dice) {
    const std::size_t from = file.find_first_of(
        "0123456789", static_cast<std::size_t>(dice.Below(static_cast<int>(file.size()))));
    if (from == std::string::npos) {
        return;
    }
    const std::size_t start = from > 0 && file[from - 1] == '-' ? from - 1 : from;
    const std::size_t end = file.find_first_not_of("0123456789", from);
    file.replace(start, end - start, SomeNumber(dice));
}

// What an editor or a spreadsheet does to every line of the file: its spaces at the ends of
// lines removed, its line ends made LF, or both; or its runs of spaces made tabs, blanks put
// before its lines and commas after them, a byte order mark and empty lines added.
void ChangeAllLines(std::string& file, Dice& dice) {
    const int tool = dice.Below(4);
    std::vector<std::string> lines = Split(file);
    for (std::string& line : lines) {
        const std::size_t body = std::min(line.find_first_of("\r\n"), line.size());
        std::string end = line.substr(body);
        line.resize(body);
        if (tool == 0 || tool == 2) {
            line.resize(line.find_last_not_of(' ') + 1);
        }
        if ((tool == 1 || tool == 2) && !end.empty()) {
            end = "\n";
        }
        if (tool == 3) {
            std::replace(line.begin(), line.end(), ' ', '\t');
            line = " " + line + ",,";
        }
        line += end;
    }
    file = (tool == 3 ? "\xEF\xBB\xBF" : "") + Joined(lines) + (tool == 3 ? ",\r\n\n" : "");
}

// Point lines repeated, each with its line's point count raised to agree: the only damage that
// takes a file past the limits of the drawing without breaking it elsewhere.
void RepeatPoints(std::string& file, Dice& dice) {
    std::vector<std::string> lines = Split(file);
    for (int times = 1 + dice.Below(20); times > 0; --times) {
        const auto at = static_cast<std::size_t>(dice.Below(static_cast<int>(lines.size())));
        std::size_t start = at;
        while (start > 0 && !lines[start].starts_with("LoopingStart")) {
            --start;
        }
        std::string& head = lines[start];
        const std::size_t mark = head.rfind("#=") + 2;
        int count = 0;
        const auto [end, error] = std::from_chars(head.data() + std::min(mark, head.size()),
                                                  head.data() + head.size(), count);
        if (!lines[at].starts_with("InLine               Point") || mark < 2 ||
            error != std::errc{}) {
            continue;
        }
        head.replace(mark, static_cast<std::size_t>(end - head.data()) - mark,
                     std::to_string(count + 1));
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), lines[at]);
    }
    file = Joined(lines);
}

// Damage as disks, tools and hands do it: one to three changes.
std::string Damaged(const std::string& file, Dice& dice) {
    std::string damaged = file;
    for (int changes = 1 + dice.Below(3); changes > 0 && !damaged.empty(); --changes) {
        switch (dice.Below(11)) {
            case 0:
            case 1:
            case 2:
            case 3:
                ChangeBytes(damaged, dice);
                break;
            case 4:
            case 5:
                ChangeLines(damaged, dice);
                break;
            case 6:
                ChangeLineEnd(damaged, dice);
                break;
            case 7:
            case 8:
                ChangeNumber(damaged, dice);
                break;
            case 9:
                RepeatPoints(damaged, dice);
                break;
            default:
                ChangeAllLines(damaged, dice);
        }
    }
    return damaged;
}

bool SameGroups(const DrawingState& a, const DrawingState& b) {
    for (int g = 0; g <= decltype(a.Groups8pudt)::upper; ++g) {
        const GroupRec& x = a.Groups8pudt[g];
        const GroupRec& y = b.Groups8pudt[g];
        if (x.Name != y.Name || x.Note != y.Note || !(x.LineNo == y.LineNo) ||
            x.LineCount != y.LineCount) {
            return false;
        }
    }
    return a.GroupCount8pint == b.GroupCount8pint;
}

bool SameDrawing(const DrawingState& a, const DrawingState& b) {
    return a.Points8pudt == b.Points8pudt && a.PointsUsed8pint == b.PointsUsed8pint &&
           a.Lines8pudt == b.Lines8pudt && a.LineCount8pint == b.LineCount8pint && SameGroups(a, b);
}

int LinesOf(const std::string& file) {
    const auto feeds = static_cast<int>(std::count(file.begin(), file.end(), '\n'));
    return feeds + (file.empty() || file.back() == '\n' ? 0 : 1);
}

// What is wrong with the reader's answer to a file, or "" when nothing is: a refusal names a
// line of the file (the one after its last when it ended too early); a drawing taken keeps every
// rule of the drawing and reads back the same from what the writer makes of it.
std::string Judged(const std::string& file, Tally& tally) {
    std::variant<DrawingState, DataFileError> read;
    try {
        read = ReadDataFile(file);
    } catch (const std::exception& error) {
        return std::string("the reader threw: ") + error.what();
    }
    if (const auto* error = std::get_if<DataFileError>(&read)) {
        ++tally.refused;
        const int lines = LinesOf(file);
        const bool early = error->message.ends_with("found the end of the file");
        const bool named =
            early ? error->line == lines + 1 : error->line >= 1 && error->line <= lines;
        std::ostringstream said;
        if (!named) {
            said << "refused at line " << error->line << " of " << lines << ": " << error->message;
        }
        return said.str();
    }
    ++tally.taken;
    const DrawingState& d = std::get<DrawingState>(read);
    Findings out;
    CheckDrawing(d, Before{}, out);
    std::string said;
    for (const std::string& finding : out) {
        said += "taken, but " + finding + "\n";
    }
    const auto again = ReadDataFile(DataFileText(d));
    if (!std::holds_alternative<DrawingState>(again) ||
        !SameDrawing(std::get<DrawingState>(again), d)) {
        said += "written back, it reads as another drawing";
    }
    return said;
}

// For each drawing of a monkey's run, the file read back writes the same bytes; then the file
// is damaged at random many times over, and every damaged file is either refused at one of its
// lines or gives a whole drawing.
TEST(DataFileReader, ReadsWhatTheWriterWritesAndNothingBreaksIt) {
    Tally tally;
    const auto params = PropertyParams(kSeed, kDrawings, rc::detail::TestParams{}.maxSize);
    const auto start = std::chrono::steady_clock::now();
    const PropertyResult result =
        CheckProperty("DataFileReader/ReadsWhatTheWriterWritesAndNothingBreaksIt", params, [&] {
            const auto seed = *rc::gen::noShrink(rc::gen::arbitrary<std::uint64_t>());
            const int events = *rc::gen::inRange(0, kLongestRun + 1);
            const std::string file = DataFileText(MonkeyDrawing(seed, events));
            const auto read = ReadDataFile(file);
            RC_ASSERT(std::holds_alternative<DrawingState>(read));
            RC_ASSERT(DataFileText(std::get<DrawingState>(read)) == file);
            ++tally.drawings;
            Dice dice(~seed);
            for (int i = 0; i < kDamagedPerDrawing; ++i) {
                const std::string damaged = Damaged(file, dice);
                const std::string wrong = Judged(damaged, tally);
                if (!wrong.empty()) {
                    RC_FAIL(wrong + "\nthe file:\n" + damaged);
                }
            }
        });
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    std::cout << "data file reader: seed " << params.seed << ", " << tally.drawings << " drawings, "
              << tally.taken + tally.refused << " damaged files (" << tally.taken << " taken, "
              << tally.refused << " refused) in " << took.count() << " s\n";
    if (!result.held) {
        FAIL() << "seed " << params.seed << ": " << result.report;
    }
}

}  // namespace
}  // namespace qelt::testing
