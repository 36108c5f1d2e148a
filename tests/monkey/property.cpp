// Running a rapidcheck property from a GoogleTest test with fixed, overridable parameters.
#include "monkey/property.h"

#include <cstdlib>

namespace qelt::testing {

rc::detail::TestParams PropertyParams(std::uint64_t seed, int runs, int largestSize) {
    rc::detail::Configuration defaults;
    defaults.testParams.seed = seed;
    defaults.testParams.maxSuccess = runs;
    defaults.testParams.maxSize = largestSize;
    const char* given = std::getenv("RC_PARAMS");
    return given == nullptr ? defaults.testParams
                            : rc::detail::configFromString(given, defaults).testParams;
}

}  // namespace qelt::testing
