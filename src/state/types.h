// The scalar types, bounded arrays and fixed texts of the program.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace qelt {

using Integer = std::int16_t;
using Long = std::int32_t;
using Single = float;

// The "none" value of the line and point selections (bit pattern 0xEAC5).
inline constexpr Integer NoLine = -5435;

// A fixed array addressed by the bounds it was declared with; an index outside them throws
// rather than touching memory that is not there.
template <typename T, int Lower, int Upper>
class Bounded {
  public:
    static constexpr int lower = Lower;
    static constexpr int upper = Upper;

    T& operator[](int i) { return items_.at(offset(i)); }
    const T& operator[](int i) const { return items_.at(offset(i)); }

    auto begin() { return items_.begin(); }
    auto end() { return items_.end(); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

    bool operator==(const Bounded&) const = default;

  private:
    static std::size_t offset(int i) { return static_cast<std::size_t>(i - Lower); }
    std::array<T, Upper - Lower + 1> items_{};
};

// A two-character text field: shorter values are padded with blanks, longer ones cut.
class FixedString2 {
  public:
    FixedString2() = default;
    FixedString2(std::string_view text) { assign(text); }  // NOLINT: assigned like a string

    FixedString2& operator=(std::string_view text) {
        assign(text);
        return *this;
    }
    std::string str() const { return {chars_.begin(), chars_.end()}; }
    std::string_view view() const { return {chars_.data(), chars_.size()}; }
    bool operator==(const FixedString2&) const = default;

  private:
    void assign(std::string_view text) {
        for (std::size_t i = 0; i < chars_.size(); ++i) {
            chars_[i] = i < text.size() ? text[i] : ' ';
        }
    }
    std::array<char, 2> chars_{' ', ' '};
};

}  // namespace qelt
