// Rounding to Integer and 16/32-bit arithmetic that detects overflow.
#pragma once

#include <cstdint>
#include <limits>
#include <optional>
#include <stdexcept>

#include "state/types.h"

namespace qelt {

// Raised where 16- or 32-bit arithmetic would leave its range; never undefined behaviour.
class OverflowError : public std::overflow_error {
  public:
    using std::overflow_error::overflow_error;
};

// Nearest integer, a tie going to the even neighbour (4.5 -> 4, 5.5 -> 6, -0.5 -> 0).
Integer Nearest(double value);
Long NearestLong(double value);
// The same, or none where Nearest would raise an overflow: for callers that expect to leave the
// range often, as an exception costs some forty thousand instructions.
std::optional<Integer> NearestIfInRange(double value);

// The exact result of 16- or 32-bit arithmetic, which 64 bits hold, in T or an overflow. Inline,
// since a repaint works out every mark's corners with it.
template <typename T>
T CheckedNarrow(std::int64_t exact, const char* what) {
    if (exact < std::numeric_limits<T>::min() || exact > std::numeric_limits<T>::max()) {
        throw OverflowError(what);
    }
    return static_cast<T>(exact);
}

inline Integer CheckedAdd(Integer a, Integer b) {
    return CheckedNarrow<Integer>(std::int64_t{a} + b, "Integer overflow");
}
inline Integer CheckedSub(Integer a, Integer b) {
    return CheckedNarrow<Integer>(std::int64_t{a} - b, "Integer overflow");
}
inline Integer CheckedMul(Integer a, Integer b) {
    return CheckedNarrow<Integer>(std::int64_t{a} * b, "Integer overflow");
}
inline Long CheckedAdd(Long a, Long b) {
    return CheckedNarrow<Long>(std::int64_t{a} + b, "Long overflow");
}
inline Long CheckedMul(Long a, Long b) {
    return CheckedNarrow<Long>(std::int64_t{a} * b, "Long overflow");
}

}  // namespace qelt
