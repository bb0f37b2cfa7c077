#include "app/AppGlobals.h"

QWidget* mainWindow = nullptr;
PlayLogic* playLogic = nullptr;
PlayWnd* playWnd = nullptr;
int timerId = 0;
bool fullScreen = false;
bool layoutEnabled = false;
MediaPlayerApp* theApp = nullptr;
