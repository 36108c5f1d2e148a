#pragma once

#include "program/program.h"

namespace qelt {

// Click logic of the action buttons.
void Button1Pressed(Program& p);
void Button2Pressed(Program& p);
void Button3Pressed(Program& p);
void Button4Pressed(Program& p);
void CancelPressed(Program& p);

// The states the buttons move between.
void ResetActionButtons(Program& p);
void StartNewLine(Program& p);
void StartSelectLine(Program& p);
void ShowLineChoices(Program& p);
void StartPointEditing(Program& p);
void FinishNewLine(Program& p);
void FinishDeleteLine(Program& p);
void CancelNewLine(Program& p);
void ClearPressFlags(Program& p);

}  // namespace qelt
