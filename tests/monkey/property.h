// Running a rapidcheck property from a GoogleTest test with fixed, overridable parameters.
#pragma once

#include <rapidcheck.h>

#include <cstdint>
#include <sstream>
#include <string>

namespace qelt::testing {

// The given seed, number of runs and largest size, unless RC_PARAMS names others.
rc::detail::TestParams PropertyParams(std::uint64_t seed, int runs, int largestSize);

struct PropertyResult {
    bool held = false;
    std::string report;  // rapidcheck's account, with the shortest failing case
};

template <typename Property>
PropertyResult CheckProperty(const std::string& id, const rc::detail::TestParams& params,
                             Property property) {
    rc::detail::TestMetadata metadata;
    metadata.id = id;
    metadata.description = id;
    const auto result = rc::detail::checkTestable(property, metadata, params);
    std::ostringstream report;
    rc::detail::printResultMessage(result, report);
    return {result.template is<rc::detail::SuccessResult>(), report.str()};
}

}  // namespace qelt::testing
