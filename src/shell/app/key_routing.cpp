// The keys that belong to the program wherever the focus is in its windows.
#include "shell/app/key_routing.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace qelt::shell {

namespace {

bool IsUndo(const QKeyEvent* key) {
    return key->matches(QKeySequence::Undo);
}

bool IsRedo(const QKeyEvent* key) {
    return key->matches(QKeySequence::Redo) ||
           key->keyCombination() == QKeyCombination(Qt::CTRL, Qt::Key_Y);
}

bool IsBackspace(const QKeyEvent* key) {
    return key->keyCombination() == QKeyCombination(Qt::Key_Backspace);
}

// Whether a text box, or an editable combo box, keeps the key for its own typing: Backspace
// always, undo only while it has typing to take back, redo only while it has typing to give
// again.
bool KeepsKey(QObject* widget, const QKeyEvent* key) {
    auto* text = qobject_cast<QLineEdit*>(widget);
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        text = combo->lineEdit();
    }
    if (text == nullptr) {
        return false;
    }
    return IsBackspace(key) || (IsUndo(key) && text->isUndoAvailable()) ||
           (IsRedo(key) && text->isRedoAvailable());
}

// Accepting the override gives the key to the focused widget; leaving it unaccepted lets the
// window's shortcut have it. An open popup or message box keeps the program's keys, as usual.
bool RouteShortcut(QObject* watched, QKeyEvent* key) {
    const bool shared = IsUndo(key) || IsRedo(key) || IsBackspace(key);
    if (!shared && key->key() != Qt::Key_Escape) {
        return false;
    }
    if (QApplication::activePopupWidget() != nullptr ||
        QApplication::activeModalWidget() != nullptr) {
        key->accept();
        return true;
    }
    if (shared && watched->isWidgetType() && !KeepsKey(watched, key)) {
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
    // A held key would go on to press whatever button the focus moved to; and the key that
    // confirms everything else must never end the program.
    if (!key->isAutoRepeat() && button->objectName() != "End8cbn") {
        button->click();
    }
    event->accept();
    return true;
}

}  // namespace qelt::shell
