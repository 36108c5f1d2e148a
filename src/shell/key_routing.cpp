#include "shell/key_routing.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace qelt::shell {

namespace {

bool IsUndoOrRedo(const QKeyEvent* key) {
    return key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo) ||
           key->keyCombination() == QKeyCombination(Qt::CTRL, Qt::Key_Y);
}

// A text box, or an editable combo box, with typing of its own to take back or give again.
bool HoldsTyping(QObject* widget) {
    auto* text = qobject_cast<QLineEdit*>(widget);
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        text = combo->lineEdit();
    }
    return text != nullptr && (text->isUndoAvailable() || text->isRedoAvailable());
}

// Accepting the override gives the key to the focused widget; leaving it unaccepted lets the
// window's shortcut have it. An open popup or message box keeps the program's keys, as usual.
bool RouteShortcut(QObject* watched, QKeyEvent* key) {
    if (!IsUndoOrRedo(key) && key->key() != Qt::Key_Escape) {
        return false;
    }
    if (QApplication::activePopupWidget() != nullptr ||
        QApplication::activeModalWidget() != nullptr) {
        key->accept();
        return true;
    }
    if (IsUndoOrRedo(key) && watched->isWidgetType() && !HoldsTyping(watched)) {
        key->ignore();
        return true;
    }
    return false;
}

bool IsReturn(const QKeyEvent* key) {
    return (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
           (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

}  // namespace

bool KeyRouting::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        return RouteShortcut(watched, static_cast<QKeyEvent*>(event));
    }
    auto* button = qobject_cast<QPushButton*>(watched);
    if (event->type() != QEvent::KeyPress || button == nullptr) {
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    if (!IsReturn(key)) {
        return false;
    }
    // A held key would go on to press whatever button the focus moved to.
    if (!key->isAutoRepeat()) {
        button->click();
    }
    event->accept();
    return true;
}

}  // namespace qelt::shell
