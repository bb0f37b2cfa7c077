#pragma once

#include "platform/messages.h"

class QWidget;

// Shows the About box over the main window, modal.
void showAboutBox();
std::intptr_t aboutDlgProc(QWidget* dialog, UINT message, WPARAM wParam, LPARAM lParam);
