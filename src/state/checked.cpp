// Rounding to Integer and 16/32-bit arithmetic that detects overflow.
#include "state/checked.h"

#include <cmath>
#include <limits>

namespace qelt {

namespace {

template <typename T>
T Narrow(double exact, const char* what) {
    if (!(exact >= std::numeric_limits<T>::min() && exact <= std::numeric_limits<T>::max())) {
        throw OverflowError(what);
    }
    return static_cast<T>(exact);
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

}  // namespace qelt
