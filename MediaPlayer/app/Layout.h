#pragma once

// The main window's layout and its full-screen mode.

inline constexpr int defaultVideoWidth = 672;
inline constexpr int defaultVideoHeight = 420;
inline constexpr int minimumClientWidth = 480;
inline constexpr int minimumVideoHeight = 300;

void layoutWindows();
void enterFullScreen();
void leaveFullScreen();
// Starts the next layout as the first one again (a new main window).
void resetLayout();
