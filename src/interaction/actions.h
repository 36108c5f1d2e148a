// The click logic of the action buttons and the states it moves between.
#pragma once

#include "interaction/program.h"

namespace qelt {

void Button1Pressed(Program& p);
void Button2Pressed(Program& p);
void Button3Pressed(Program& p);
void Button4Pressed(Program& p);
void CancelPressed(Program& p);

// Back to the idle state.
void ResetActionButtons(Program& p);
void StartSelectLine(Program& p);
void StartPointEditing(Program& p);
// Forgets what the last press found.
void ClearPressFlags(Program& p);

}  // namespace qelt
