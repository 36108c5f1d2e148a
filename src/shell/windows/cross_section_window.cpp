// The cross-section window's controls, and the one of them that writes and ends.
#include <QPushButton>

#include "shell/windows/secondary_windows.h"
#include "shell/windows/window_builder.h"

namespace qelt::shell {

namespace {

constexpr const char* kWriteAndEnd = "End8cbn";

// Three framed panes side by side: the group being assigned, what to plot, and the
// calculation with its boundaries. In window order, kind by kind.
const ControlDesign kControls[] = {
    {Kind::Text, "Text4", "CPT soil behaviour type chart, 2018", {2, 1, 1, 3}},
    {Kind::Text, "Text3", "none", {2, 2, 2, 2}},
    {Kind::Text, "Text2", "CRRe ", {2, 2, 1}},
    {Kind::Text, "Text1", "color scale file", {2, 3, 1, 3}},

    {Kind::Button, "Command14", "delete", {0, 10, 1}},
    {Kind::Button, "Command13", "new", {0, 10, 0}},
    {Kind::Button, "Command12", "change group type", {0, 10, 2, 2}},
    {Kind::Button, "Command9", "Zoom to Group (in plot)", {0, 11, 2, 2}},
    {Kind::Button, kWriteAndEnd, "Write && End", {2, 16, 2, 2}},
    {Kind::Button, "Command4", "delete trend >", {0, 15, 0, 2}},
    {Kind::Button, "Command2", "Rename", {0, 11, 0, 2}},
    {Kind::Button, "Command11", "Calculate CPT patterns and plot ", {2, 12, 0, 2}},
    {Kind::Button, "Command10", "Calculate settlement and plot", {2, 12, 2, 2}},
    {Kind::Button, "Command7", "save section infp to file", {2, 13, 0, 2}},
    {Kind::Button, "Command6", "cross section to make gridding file", {2, 13, 2, 2}},
    {Kind::Button, "Command1", "< add trend", {0, 15, 2, 2}},
    {Kind::Button, "DoLayerProjections8cbn", "Plot sub soil trendings", {2, 14, 0, 2}},
    {Kind::Button, "DoCrossSection8cbn", "cross section for screen display", {2, 14, 2, 2}},

    {Kind::Check, "Check14", "Selected items as white", {1, 7, 0, 2}},
    Warm({Kind::Check, "Check3", "Boundaries", {1, 8, 0}}),
    Warm({Kind::Check, "Check20", "Ground surface", {1, 8, 1}}),
    Warm({Kind::Check, "Check19", "Fault Lines", {1, 9, 0}}),
    Warm({Kind::Check, "Check18", "bottom of CPTs", {1, 9, 1}}),
    Warm({Kind::Check, "Check17", "Bottom of Gridding", {1, 10, 0}}),
    Warm({Kind::Check, "Check15", "Test Slip surface", {1, 10, 1}}),
    Warm({Kind::Check, "Check13", "comparison Areas", {1, 11, 0}}),
    Warm({Kind::Check, "Check12", "Mono zones", {1, 11, 1}}),
    Warm({Kind::Check, "Check11", "surface zones", {1, 12, 0}}),
    Warm({Kind::Check, "Check10", "River cuts", {1, 12, 1}}),
    Warm({Kind::Check, "Check9", "Show Last Gridding cross section", {1, 13, 0}}),
    Warm({Kind::Check, "Check8", "Isolated pockets", {1, 13, 1}}),
    Warm({Kind::Check, "Check7", "infrastructures", {1, 14, 0}}),
    Warm({Kind::Check, "Check6", "Failed lines", {1, 14, 1}}),
    Warm({Kind::Check, "Check5", "Trendings", {1, 15, 0}}),
    Warm({Kind::Check, "Check4", "unassigned Trendings", {1, 15, 1}}),
    Warm({Kind::Check, "Check1", "CPT probes", {1, 16, 0}}),
    Warm({Kind::Check, "Check2", "water table", {1, 16, 1}}),

    {Kind::Option, "Option3", "Let Qelt decide", {1, 2, 0, 2}},
    {Kind::Option, "Option2", "Show all items", {1, 3, 0, 2}},
    {Kind::Option, "Option1", "only for the group at left (and gray all others)", {1, 4, 0, 2}},

    {Kind::List, "List11", "", {0, 6, 0, 2}},
    {Kind::List, "List10", "", {0, 6, 2, 2}},
    {Kind::List, "List9", "", {0, 9, 0, 2}},
    {Kind::List, "List8", "", {0, 9, 2, 2}},
    {Kind::List, "List7", "", {0, 14, 0, 2}},
    {Kind::List, "List5", "", {0, 14, 2, 2}},
    {Kind::List, "List6", "", {2, 6, 0, 2}},
    {Kind::List, "List4", "", {2, 6, 2, 2}},
    {Kind::List, "List3", "", {2, 8, 0, 2}},
    {Kind::List, "List2", "", {2, 8, 2, 2}},
    {Kind::List, "List1", "", {2, 10, 0, 2}},

    {Kind::Label, "Label16", "method:", {2, 1, 0}},
    {Kind::Label, "Label15", "Engineering units", {2, 2, 0}},
    {Kind::Label, "Label14", "what to plot", {1, 0, 0, 2}},
    {Kind::Label, "Label11", "color scale", {2, 3, 0}},
    Warm({Kind::Label, "Label13", "<--- Group Name: group name --->", {0, 3, 0, 4}}),
    Warm({Kind::Label, "Label20", "at present opertion", {0, 1, 0, 4}}),
    Warm({Kind::Label, "Label12", "<--- project: --------------------->", {0, 2, 0, 4}}),
    {Kind::Label, "Label10", "Calculate && Plotting", {2, 0, 0, 4}},
    {Kind::Label, "Label9", "(optional)", {2, 9, 1}},
    {Kind::Label, "Label7", "Top boundary", {2, 9, 0}},
    {Kind::Label, "Label6", "(optional)", {2, 7, 3}},
    {Kind::Label, "Label5", "bottom boundary", {2, 7, 2}},
    {Kind::Label, "Label4", "Top boundary", {2, 7, 0, 2}},
    Warm({Kind::Label, "Label1", "All trends", {0, 13, 2, 2}}),
    Warm({Kind::Label, "Label28", "Line type:", {0, 5, 2, 2}}),
    {Kind::Label, "Label3", "Group type", {0, 8, 2, 2}},
    {Kind::Label, "Label2", "Trends in this group", {0, 13, 0, 2}},
    Warm({Kind::Label, "Label8", "Group assignment", {0, 0, 0, 4}}),
    {Kind::Label, "Label30", "Show the following selected PolyLines", {1, 6, 0, 2}},
    Warm({Kind::Label, "Label29", "Line name", {0, 5, 0, 2}}),
    {Kind::Label, "Label25", "right boundary", {2, 5, 2, 2}},
    {Kind::Label, "Label24", "Group name", {0, 8, 0, 2}},
    {Kind::Label, "Label23", "left boundary", {2, 5, 0, 2}},

    {Kind::Line, "Line8", "", {0, 4, 0, kWholeRow}},
    {Kind::Line, "Line7", "", {0, 7, 0, kWholeRow}},
    {Kind::Line, "Line6", "", {0, 12, 0, kWholeRow}},
    {Kind::Line, "Line4", "", {1, 5, 0, kWholeRow}},
    {Kind::Line, "Line5", "", {1, 1, 0, kWholeRow}},
    {Kind::Line, "Line3", "", {2, 4, 0, kWholeRow}},
    {Kind::Line, "Line2", "", {2, 11, 0, kWholeRow}},
    {Kind::Line, "Line1", "", {2, 15, 0, kWholeRow}},

    {Kind::Shape, "Shape3", "", {0}},
    {Kind::Shape, "Shape2", "", {1}},
    {Kind::Shape, "Shape1", "", {2}},
};

}  // namespace

std::unique_ptr<CrossSectionWindow> MakeCrossSectionWindow() {
    auto window = std::make_unique<CrossSectionWindow>();
    BuildWindow({.name = "XSpick8frm",
                 .caption = "Qelt --- Cross section",
                 .tinted = true,
                 .controls = kControls},
                *window);
    window->writeAndEnd = window->findChild<QPushButton*>(kWriteAndEnd);
    // No stray key may write and end: the window opens in its first text box, and a click on
    // the button leaves the focus where it was, as after a write that failed.
    window->writeAndEnd->setFocusPolicy(Qt::TabFocus);
    window->findChild<QWidget*>("Text4")->setFocus();
    return window;
}

}  // namespace qelt::shell
