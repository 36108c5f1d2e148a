// Readable names for the cases of parameterised tests, spelt from the numbers of each case.
#pragma once

#include <charconv>
#include <string>
#include <string_view>

namespace qelt::testing {

// Test names allow only letters, digits and underscores: "-2.5e+08" becomes
// "Minus2Point5ePlus08".
inline std::string Spelt(std::string_view text) {
    std::string name;
    for (char c : text) {
        if (c == '-') {
            name += "Minus";
        } else if (c == '+') {
            name += "Plus";
        } else if (c == '.') {
            name += "Point";
        } else {
            name += c;
        }
    }
    return name;
}

// The shortest text that reads back as the same number, so that the cases of a table differ.
template <typename Number>
std::string NumberName(Number value) {
    char text[32];
    return Spelt(std::string_view(text, std::to_chars(text, text + sizeof text, value).ptr));
}

}  // namespace qelt::testing
