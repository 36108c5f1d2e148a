// Runs of a row of pixels set to one colour without touching any pixel beyond them.
#pragma once

#include <QRgb>
#include <algorithm>
#include <cstdint>
#include <cstring>

namespace qelt::shell {

// A colour as one pixel and as two, taken once for all the runs of a mark.
struct RunColour {
    explicit RunColour(QRgb colour) : one(colour), two(colour * std::uint64_t{0x1'0000'0001}) {}
    QRgb one;
    std::uint64_t two;
};

// Most runs of a repaint are two to six pixels. Those of two to eight are set with two or four
// stores of two pixels each, overlapping as the length needs, rather than by a loop whose end
// the processor would guess wrong at every other row.
inline void FillRun(QRgb* run, int count, const RunColour& colour) {
    const auto pair = [&](int at) { std::memcpy(run + at, &colour.two, sizeof colour.two); };
    if (count >= 2 && count <= 8) {
        pair(0);
        pair(count - 2);
        if (count > 4) {
            pair(2);
            pair(count - 4);
        }
    } else if (count == 1) {
        *run = colour.one;
    } else if (count > 8) {
        std::fill_n(run, count, colour.one);
    }
}

}  // namespace qelt::shell
