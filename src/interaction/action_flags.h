#pragma once

namespace qelt {

struct ActionFlags {
    bool ReadyForAction8pbol = false;
    bool AddingLine8pbol = false;
    bool SelectingLine8pbol = false;
    bool LineSearchOn8pbol = false;
    bool SearchAllLines8pbol = false;
    bool LineHit8pbol = false;
    bool LineFound8pbol = false;
    bool LineSelected8pbol = false;
    bool EditingPoints8pbol = false;
    bool MovingPoint8pbol = false;
    bool PickMidpoints8pbol = false;
    bool MidpointPicked8pbol = false;
};

}  // namespace qelt
