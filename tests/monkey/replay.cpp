#include "monkey/replay.h"

#include <sstream>

#include "monkey/checks.h"

namespace qelt::testing {

std::string DeliverChecked(MonkeyWorld& w, const Event& e) {
    const Before before = Remember(w);
    try {
        Deliver(w, e);
    } catch (const std::exception& error) {
        return std::string("the event threw: ") + error.what();
    }
    if (!ReachesProgram(e)) {
        return {};
    }
    std::string said;
    for (const std::string& finding : Violations(w, before, std::holds_alternative<KeyPress>(e))) {
        said += finding + "\n";
    }
    return said;
}

std::string Replay(MonkeyWorld& w, const Events& events) {
    for (std::size_t i = 0; i < events.size(); ++i) {
        const std::string wrong = DeliverChecked(w, events[i]);
        if (!wrong.empty()) {
            std::ostringstream said;
            said << "event " << i << ", " << events[i] << ": " << wrong;
            return said.str();
        }
    }
    return {};
}

}  // namespace qelt::testing
