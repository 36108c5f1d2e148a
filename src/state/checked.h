// Rounding to Integer and 16/32-bit arithmetic that detects overflow.
#pragma once

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

Integer CheckedAdd(Integer a, Integer b);
Integer CheckedSub(Integer a, Integer b);
Integer CheckedMul(Integer a, Integer b);
Long CheckedAdd(Long a, Long b);
Long CheckedMul(Long a, Long b);

}  // namespace qelt
