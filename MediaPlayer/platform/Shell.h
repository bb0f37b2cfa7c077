#pragma once

// Message boxes, the Open dialog, diagnostics and the GUI thread's polling sleep.

#include <QString>
#include <QWidget>
#include <functional>

namespace platform {

// An error message box over owner, modal.
void errorBox(QWidget* owner, const QString& text, const QString& caption);
// The Open dialog; returns the chosen path, or an empty text when cancelled.
QString chooseOpenFile(QWidget* owner, const QString& title, const QString& filter);

// Tests answer the dialogs through these hooks; null restores the real dialogs.
void setErrorBoxHook(std::function<void(QWidget*, const QString&, const QString&)> hook);
void setChooseOpenFileHook(std::function<QString(QWidget*, const QString&, const QString&)> hook);

// A diagnostic line for developers (logging category "corvilo", off unless enabled).
void debugOutput(const char* text);

// Blocks the calling thread for the given time.
void sleepMs(unsigned long ms);

} // namespace platform
