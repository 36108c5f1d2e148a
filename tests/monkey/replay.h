// Replays a list of events with every rule checked after each.
#pragma once

#include <string>

#include "monkey/events.h"

namespace qelt::testing {

// Delivers one event and checks every rule after it; says what went wrong, or "" when nothing
// did. An exception out of the program counts as going wrong.
std::string DeliverChecked(MonkeyWorld& w, const Event& e);

// Delivers the events in order, up to the first that goes wrong, and says which it was and why;
// "" when all went well. This is how a sequence printed by the monkey is replayed.
std::string Replay(MonkeyWorld& w, const Events& events);

}  // namespace qelt::testing
