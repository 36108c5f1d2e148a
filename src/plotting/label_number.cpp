// The numbers of the axis labels, written as the labels show them.
#include <cmath>
#include <cstdio>

#include "plotting/frame.h"

namespace qelt {

namespace {

// General format: `digits` significant digits, exponent form (E+08, E-05) for a decimal
// exponent of `digits` or more or below -4, no trailing zeros, and never "-0".
std::string GeneralText(double value, int digits) {
    if (value == 0) {
        return "0";
    }
    char text[32];
    std::snprintf(text, sizeof text, "%.*G", digits, value);
    return text;
}

}  // namespace

// Values a hair above an integer, or with 999 in their first three decimals, are shown as the
// integer, so that the axis labels do not flicker between 12 and 12.0004.
std::string FormatLabelNumber(Single value) {
    const std::string t = GeneralText(value, 7);
    const auto point = t.find('.');
    if (point == std::string::npos) {
        return t;
    }
    const std::string decimals = (t + "000").substr(point, 4);
    if (decimals == ".000") {
        return GeneralText(std::trunc(value), 7);
    }
    if (decimals == ".999") {
        return GeneralText(std::trunc(double{value} + 0.01), 15);
    }
    return t;
}

}  // namespace qelt
