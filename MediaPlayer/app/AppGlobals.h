#pragma once

// Process-wide state of the player. Everything here is touched on the GUI thread only.

class QWidget;
class PlayLogic;
class PlayWnd;
class MediaPlayerApp;

extern QWidget* mainWindow;
extern PlayLogic* playLogic;
extern PlayWnd* playWnd;
extern int timerId;
extern bool fullScreen;
extern bool layoutEnabled;
extern MediaPlayerApp* theApp;

inline constexpr int mainTimerPeriodMs = 260;
