// Builds a secondary window from a table of its controls.
#include "shell/windows/window_builder.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <numeric>
#include <tuple>
#include <vector>

#include "shell/windows/look.h"

namespace qelt::shell {

namespace {

// A caption longer than this wraps over several lines rather than widening its window.
constexpr qsizetype kLongCaption = 60;
constexpr int kLongCaptionWidth = 360;
constexpr int kListRows = 3;
constexpr int kPaneMargin = 10;

// Qt shows a button's "&&" as one ampersand itself.
void SetCaption(QAbstractButton* button, const QString& stored) {
    button->setText(stored);
}

// A label without a buddy shows its text as it is, so it is given the text to show.
void SetCaption(QLabel* label, const QString& stored) {
    label->setText(ShownCaption(stored));
}

// Buttons of every kind draw their background in the button role, the rest in the window role.
void Paint(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(widget->backgroundRole(), colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

template <typename B>
B* NewButton(QWidget* window, const QString& caption) {
    auto* button = new B(window);
    SetCaption(button, caption);
    return button;
}

QLabel* NewLabel(QWidget* window, const QString& caption) {
    auto* label = new QLabel(window);
    label->setTextFormat(Qt::PlainText);
    SetCaption(label, caption);
    if (caption.size() > kLongCaption) {
        label->setWordWrap(true);
        label->setMinimumWidth(kLongCaptionWidth);
    }
    return label;
}

QComboBox* NewCombo(QWidget* window, const QString& text, std::span<const char* const> items) {
    auto* combo = new QComboBox(window);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);  // what the user types does not become an item
    for (const char* item : items) {
        combo->addItem(item);
    }
    combo->setEditText(text);
    return combo;
}

// A list without a size of its own is a short one beside others.
QListWidget* NewList(QWidget* window, QSize size) {
    auto* list = new QListWidget(window);
    if (size.isValid()) {
        list->setMinimumSize(size);
    } else {
        list->setFixedHeight(kListRows * list->fontMetrics().height() + 2 * list->frameWidth() + 4);
    }
    return list;
}

QLabel* NewImage(QWidget* window, const QString& words, QSize size) {
    auto* image = new QLabel(window);
    image->setPixmap(VerticalCaption(words, size, window->palette().color(QPalette::Window),
                                     image->font(), window->devicePixelRatioF()));
    image->setFixedSize(size);
    image->setAccessibleName(words);
    return image;
}

QFrame* NewFrame(QWidget* window, int style) {
    auto* frame = new QFrame(window);
    frame->setFrameStyle(style);
    return frame;
}

QWidget* Create(const ControlDesign& control, QWidget* window, const WindowDesign& design,
                QButtonGroup* options) {
    const QString text = QString::fromUtf8(control.text);
    switch (control.kind) {
        case Kind::Button:
            return NewButton<QPushButton>(window, text);
        case Kind::Check:
            return NewButton<QCheckBox>(window, text);
        case Kind::Option: {
            auto* option = NewButton<QRadioButton>(window, text);
            options->addButton(option);
            return option;
        }
        case Kind::Label:
            return NewLabel(window, text);
        case Kind::Text:
            return new QLineEdit(text, window);
        case Kind::Combo:
            return NewCombo(window, text, design.comboItems);
        case Kind::List:
            return NewList(window, control.size);
        case Kind::Image:
            return NewImage(window, text, control.size);
        case Kind::Picture: {
            QFrame* picture = NewFrame(window, QFrame::Panel | QFrame::Sunken);
            picture->setMinimumSize(control.size);
            return picture;
        }
        case Kind::Line:
            return NewFrame(window, QFrame::HLine | QFrame::Sunken);
        case Kind::Shape: {
            // Drawn over the controls it frames, so clicks must pass through it to them.
            QFrame* shape = NewFrame(window, QFrame::Box | QFrame::Plain);
            shape->setAttribute(Qt::WA_TransparentForMouseEvents);
            return shape;
        }
    }
    Q_UNREACHABLE();
}

bool HasBackground(Kind kind) {
    return kind == Kind::Label || kind == Kind::Check || kind == Kind::Option;
}

// On a warm window the warm labels and check boxes share its colour; the others keep the
// platform's colour rather than take the window's.
void PaintControls(const WindowDesign& design, const std::vector<QWidget*>& widgets) {
    for (std::size_t i = 0; i < widgets.size(); ++i) {
        const ControlDesign& control = design.controls[i];
        if (!HasBackground(control.kind)) {
            continue;
        }
        QWidget* widget = widgets[i];
        Paint(widget,
              control.warm ? kWarm : QApplication::palette(widget).color(widget->backgroundRole()));
    }
}

void Place(const WindowDesign& design, const std::vector<QWidget*>& widgets, QWidget* window) {
    auto* outer = new QGridLayout(window);
    const auto last =
        std::ranges::max(design.controls, {}, [](const ControlDesign& c) { return c.cell.pane; });
    std::vector<QGridLayout*> panes;
    for (int pane = 0; pane <= last.cell.pane; ++pane) {
        panes.push_back(new QGridLayout);
        panes.back()->setContentsMargins(kPaneMargin, kPaneMargin, kPaneMargin, kPaneMargin);
        outer->addLayout(panes.back(), 0, pane);
    }
    for (std::size_t i = 0; i < widgets.size(); ++i) {
        const ControlDesign& control = design.controls[i];
        const Cell& cell = control.cell;
        if (control.kind == Kind::Shape) {
            outer->addWidget(widgets[i], 0, cell.pane);
            continue;
        }
        const Qt::Alignment align = control.kind == Kind::Image ? Qt::AlignLeft : Qt::Alignment();
        panes[cell.pane]->addWidget(widgets[i], cell.row, cell.column, 1, cell.span, align);
    }
    // A spare last row takes up the height a shorter pane has left, keeping its controls at top.
    for (QGridLayout* pane : panes) {
        pane->setRowStretch(pane->rowCount(), 1);
    }
}

// Tab goes pane by pane, row by row, left to right, as the window is read; the table's window
// order jumps about.
void SetTabOrder(const WindowDesign& design, const std::vector<QWidget*>& widgets) {
    std::vector<std::size_t> order(widgets.size());
    std::iota(order.begin(), order.end(), 0);
    std::ranges::stable_sort(order, {}, [&](std::size_t i) {
        const Cell& c = design.controls[i].cell;
        return std::tuple(c.pane, c.row, c.column);
    });
    QWidget* last = nullptr;
    for (std::size_t i : order) {
        if (widgets[i]->focusPolicy() & Qt::TabFocus) {
            if (last != nullptr) {
                QWidget::setTabOrder(last, widgets[i]);
            }
            last = widgets[i];
        }
    }
}

}  // namespace

QString ShownCaption(const QString& stored) {
    QString shown;
    for (qsizetype i = 0; i < stored.size(); ++i) {
        if (stored[i] == u'&' && i + 1 < stored.size()) {
            ++i;
        }
        shown += stored[i];
    }
    return shown;
}

void BuildWindow(const WindowDesign& design, SecondaryWindow& window) {
    window.setObjectName(design.name);
    window.setWindowTitle(design.caption);
    if (design.tinted) {
        Paint(&window, kWarm);
    }
    auto* options = new QButtonGroup(&window);
    std::vector<QWidget*> widgets;
    for (const ControlDesign& control : design.controls) {
        widgets.push_back(Create(control, &window, design, options));
        widgets.back()->setObjectName(control.name);
    }
    if (design.tinted) {
        PaintControls(design, widgets);
    }
    Place(design, widgets, &window);
    SetTabOrder(design, widgets);
}

std::unique_ptr<SecondaryWindow> BuildWindow(const WindowDesign& design) {
    auto window = std::make_unique<SecondaryWindow>();
    BuildWindow(design, *window);
    return window;
}

}  // namespace qelt::shell
