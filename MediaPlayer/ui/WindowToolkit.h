#pragma once

class QWidget;

// Centres a window in its parent, or in the primary screen's work area when it has none.
void centerWindow(QWidget* window);
// Resizes a window so that its client area gets the wanted size.
void setClientSize(QWidget* window, int width, int height);
