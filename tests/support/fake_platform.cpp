// Fake platform parts that record what the program does with them.
#include "support/fake_platform.h"

#include <sstream>

#include "interaction/startup.h"

namespace qelt::testing {

namespace {

std::string Describe(std::initializer_list<Single> numbers, Integer width, Long colour) {
    std::ostringstream out;
    for (Single n : numbers) {
        out << n << ' ';
    }
    out << 'w' << width << " c" << colour;
    return out.str();
}

}  // namespace

void RecordingCanvas::ClearRaster() {
    calls.emplace_back("clear");
}

void RecordingCanvas::PlotDot(Single x, Single y, Integer width, Long colour) {
    calls.push_back("dot " + Describe({x, y}, width, colour));
}

void RecordingCanvas::DrawLine(Single x1, Single y1, Single x2, Single y2, Integer width,
                               Long colour) {
    calls.push_back("line " + Describe({x1, y1, x2, y2}, width, colour));
}

std::variant<Written, WriteFailure> FakeOutput::Replace(const std::string& name,
                                                        const std::string& bytes) {
    if (failure) {
        return WriteFailure{*failure};
    }
    files.emplace_back(name, bytes);
    return Written{"/work/" + name, ""};
}

std::variant<std::string, WriteFailure> FakeOutput::Keep(const std::string& bytes) {
    if (failure) {
        return WriteFailure{*failure};
    }
    kept.push_back(bytes);
    return "/state/" + std::to_string(kept.size()) + ".csv";
}

FakeWorld::FakeWorld(Single width, Single height)
    : canvas(width, height), program(Platform{canvas, Bind(), clock, output, session}) {}

Program& FakeWorld::Started() {
    StartProgram(program);
    return program;
}

}  // namespace qelt::testing
