// Builds a secondary window from a table of its controls.
#pragma once

#include <QSize>
#include <QString>
#include <memory>
#include <span>

#include "shell/windows/secondary_windows.h"

namespace qelt::shell {

enum class Kind { Button, Label, Text, Check, Option, Combo, List, Image, Picture, Line, Shape };

// Spans every column of the pane's grid.
inline constexpr int kWholeRow = -1;

// Where a control sits: a pane of the window (the panes stand side by side), a cell of the
// pane's grid and how many of its columns the control spans. A shape frames its whole pane.
struct Cell {
    int pane = 0;
    int row = 0;
    int column = 0;
    int span = 1;
};

struct ControlDesign {
    Kind kind;
    const char* name;
    const char* text;  // caption or default text; for an image, the words it shows
    Cell cell;
    QSize size{};       // the fixed size of an image, the least size of a picture or list box
    bool warm = false;  // a label or check box in the warm colour of its window
};

// The control in the warm colour of its window.
constexpr ControlDesign Warm(ControlDesign control) {
    control.warm = true;
    return control;
}

struct WindowDesign {
    const char* name;
    const char* caption;
    bool tinted = false;                        // the warm background colour
    std::span<const ControlDesign> controls;    // in window order
    std::span<const char* const> comboItems{};  // every combo box holds these
};

// The text a caption shows: a doubled ampersand shows as one, a single one marks the next
// character as the shortcut and is not shown, as a button's caption does it.
QString ShownCaption(const QString& stored);

// Gives the window its name, caption, colours and controls, these as its direct children in
// window order. The focus mark (MarkFocusedButton) is left to the caller, which can put it on
// once the main window is painted.
void BuildWindow(const WindowDesign& design, SecondaryWindow& window);
std::unique_ptr<SecondaryWindow> BuildWindow(const WindowDesign& design);

}  // namespace qelt::shell
