#include "app/Layout.h"

#include "app/AppGlobals.h"
#include "platform/Window.h"
#include "ui/PlayWnd.h"
#include "ui/WindowToolkit.h"

#include <QRect>
#include <QWidget>
#include <algorithm>

namespace {

bool firstLayout = true;
// The windowed geometry and state to come back to from full screen.
QRect windowedGeometry;
bool windowedMaximized = false;

} // namespace

void resetLayout() {
    firstLayout = true;
}

void layoutWindows() {
    if (!layoutEnabled || !platform::isWindow(mainWindow))
        return;
    const int barSpace = 0; // no control bar yet
    if (firstLayout) {
        setClientSize(mainWindow, defaultVideoWidth, defaultVideoHeight + barSpace);
        centerWindow(mainWindow);
    }
    firstLayout = false;

    int width = mainWindow->width();
    int height = mainWindow->height();
    const int wantedWidth = std::max(width, minimumClientWidth);
    const int wantedHeight =
        height - barSpace >= minimumVideoHeight ? height : barSpace + minimumVideoHeight;
    if (wantedWidth != width || wantedHeight != height) {
        setClientSize(mainWindow, wantedWidth, wantedHeight);
        width = mainWindow->width();
        height = mainWindow->height();
    }
    if (playWnd != nullptr && platform::isWindow(playWnd->hwnd)) {
        playWnd->hwnd->setGeometry(0, 0, width, height - barSpace);
        playWnd->hwnd->show();
    }
}

void enterFullScreen() {
    if (fullScreen || !platform::isWindow(mainWindow))
        return;
    fullScreen = true;
    layoutEnabled = false;
    windowedMaximized = mainWindow->isMaximized();
    windowedGeometry = mainWindow->normalGeometry();
    mainWindow->showFullScreen();
    layoutEnabled = true;
    layoutWindows();
}

void leaveFullScreen() {
    if (!fullScreen || !platform::isWindow(mainWindow))
        return;
    fullScreen = false;
    layoutEnabled = false;
    mainWindow->showNormal();
    if (windowedGeometry.isValid())
        mainWindow->setGeometry(windowedGeometry);
    if (windowedMaximized)
        mainWindow->showMaximized();
    layoutEnabled = true;
    layoutWindows();
}
