// The map window's controls.
#include "shell/windows/secondary_windows.h"
#include "shell/windows/window_builder.h"

namespace qelt::shell {

namespace {

// Three panes side by side: the map's vertical axis captions, the project and its map units,
// and the cross sections with their lines. In window order.
const ControlDesign kControls[] = {
    {Kind::Button, "Command6", "Rename", {2, 1, 1}},
    {Kind::Button, "Command1", "delete", {2, 1, 2}},
    {Kind::Check, "Check5", "If distance in file, convert to Lat/long", {1, 4, 0, 3}},
    {Kind::Button, "Command12", "Link sections", {2, 2, 2}},
    {Kind::Combo, "Combo1", "pick units", {1, 3, 1, 2}},
    {Kind::Check, "Check3", "use degrees in file", {1, 5, 0, 3}},
    {Kind::Check, "Check2", "lock projected CPT to sections", {2, 3, 0, 3}},
    {Kind::Check, "Check1", "allow closed loop", {2, 8, 1, 2}},
    {Kind::List, "List3", "", {2, 4, 0}},
    {Kind::List, "List5", "", {2, 4, 1, 2}},
    {Kind::Button, "Command10", "input Sequence Line ", {2, 7, 0}},
    {Kind::Button, "Command9", "Rename", {2, 7, 1}},
    {Kind::List, "List1", "", {2, 6, 0, 3}},
    {Kind::Button, "Command8", "delete", {2, 7, 2}},
    {Kind::Button, "Command7", "Add instructure", {2, 8, 0}},
    {Kind::Button, "Command5", "write to Qelt Map file", {2, 9, 0, 3}},
    {Kind::Button, "Command2", "add/remove CPTs to section", {2, 2, 0}},
    {Kind::Button, "Command4", "start a new Cross Section", {2, 1, 0}},
    {Kind::Button, "Command3", "Flip direction", {2, 2, 1}},
    {Kind::Text, "Text1", "50", {1, 6, 1}},
    {Kind::Combo, "Combo2", "cross sections", {2, 0, 1, 2}},
    Warm({Kind::Label, "Label5", "lateral units in map", {1, 3, 0}}),
    Warm({Kind::Label, "Label29", "Line name", {2, 5, 0}}),
    Warm({Kind::Label, "Label3", "Line type:", {2, 5, 1, 2}}),
    Warm({Kind::Label, "Label12", "<--- project: --------------------->", {1, 1, 0, 3}}),
    Warm({Kind::Label, "Label13", "<--- Group Name: group name --->", {1, 2, 0, 3}}),
    Warm({Kind::Label, "Label20", "at present opertion", {1, 0, 0, 3}}),
    {Kind::Label, "Label4", "cross section name", {2, 0, 0}},
    {Kind::Image, "Image2", "North (feet)", {0, 0, 0}, {18, 69}},
    {Kind::Image, "Image1", "North (degrees)", {0, 0, 1}, {19, 89}},
    {Kind::Label, "Label2", "Maximum CPT distance to section", {1, 6, 0}},
    {Kind::Label, "Label1", "feet", {1, 6, 2}},
};

const char* const kUnits[] = {"feet", "meters", "lat/long", "estimated feet from lat/long",
                              "estimated meters from lat/long"};

}  // namespace

std::unique_ptr<SecondaryWindow> MakeMapWindow() {
    return BuildWindow({.name = "CADmap8frm",
                        .caption = "Qelt --- Map ",
                        .tinted = true,
                        .controls = kControls,
                        .comboItems = kUnits});
}

}  // namespace qelt::shell
