#pragma once

// Dialogs built from templates: a table of controls that keeps their ids, texts, positions
// in dialog units and z-order, driven by a dialog procedure.

#include "platform/messages.h"

#include <QString>
#include <QWidget>
#include <span>

namespace platform {

enum class ControlKind { IconStatic, Text, PushButton, DefPushButton };

struct DialogControl {
    int id;
    ControlKind kind;
    const char* text; // UTF-8
    int x, y, cx, cy; // dialog units
};

struct DialogTemplate {
    int id;
    const char* caption; // UTF-8
    int cx, cy;          // dialog units
    std::span<const DialogControl> controls;
};

// Returns TRUE (1) for what it handles, FALSE (0) otherwise.
using DialogProc = std::intptr_t (*)(QWidget* dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Shows the dialog modally over owner and returns the value given to endDialog.
std::intptr_t dialogBox(const DialogTemplate& templ, QWidget* owner, DialogProc proc);
void endDialog(QWidget* dialog, std::intptr_t result);
// The control with the id, or null.
QWidget* getDlgItem(QWidget* dialog, int id);
// Sets the text of a text control or the caption of a window.
void setWindowText(QWidget* window, const QString& text);

} // namespace platform
