// Replays a list of events with every rule checked after each.
#include "monkey/replay.h"

#include <sstream>

#include "monkey/checks.h"

namespace qelt::testing {

namespace {

Delivered KindOf(const Event& e) {
    if (const auto* key = std::get_if<KeyPress>(&e)) {
        return key->key == Key::Escape ? Delivered::Cancel : Delivered::UndoOrRedo;
    }
    const auto* click = std::get_if<ButtonClick>(&e);
    return click != nullptr && click->button == Action::Cancel ? Delivered::Cancel
                                                               : Delivered::Other;
}

}  // namespace

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
    for (const std::string& finding : Violations(w, before, KindOf(e))) {
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
