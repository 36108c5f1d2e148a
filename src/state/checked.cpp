// Rounding to Integer and 16/32-bit arithmetic that detects overflow.
#include "state/checked.h"

#include <cmath>
#include <limits>

namespace qelt {

namespace {

template <typename T>
std::optional<T> InRange(double exact) {
    if (!(exact >= std::numeric_limits<T>::min() && exact <= std::numeric_limits<T>::max())) {
        return std::nullopt;
    }
    return static_cast<T>(exact);
}

template <typename T>
T Narrow(double exact, const char* what) {
    if (const std::optional<T> narrowed = InRange<T>(exact)) {
        return *narrowed;
    }
    throw OverflowError(what);
}

}  // namespace

// std::nearbyint rounds in the current mode, which this program never changes from
// round-to-nearest-even.
Integer Nearest(double value) {
    return Narrow<Integer>(std::nearbyint(value), "Integer overflow");
}
Long NearestLong(double value) {
    return Narrow<Long>(std::nearbyint(value), "Long overflow");
}
std::optional<Integer> NearestIfInRange(double value) {
    return InRange<Integer>(std::nearbyint(value));
}

}  // namespace qelt
