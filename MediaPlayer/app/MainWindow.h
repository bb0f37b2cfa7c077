#pragma once

#include "platform/messages.h"

class QPainter;
class QWidget;
namespace platform {
struct DropFiles;
}

// The main window: every user command arrives here as WM_COMMAND.
LRESULT mainWndProc(QWidget* window, UINT message, WPARAM wParam, LPARAM lParam);

void updateTitle();
void chooseFile();
void closeFile();
void eraseBackground(QPainter* painter);
void onDropFiles(const platform::DropFiles* drop);
void closeMainWindow();
void teardown();
