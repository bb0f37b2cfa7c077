#include "app/MainWindow.h"

#include "app/AboutBox.h"
#include "app/Advertising.h"
#include "app/AppGlobals.h"
#include "app/Corvilo.h"
#include "app/Layout.h"
#include "platform/Resources.h"
#include "platform/Shell.h"
#include "platform/Window.h"
#include "playback/MediaPlayer.h"
#include "playback/PlayLogic.h"
#include "res/resource.h"
#include "ui/PlayWnd.h"

#include <QApplication>
#include <QPainter>

namespace {

constexpr int statePlaying = 3;
constexpr int statePaused = 4;

struct Command {
    int id;
    void (*run)();
};

// Runs f on the controller when there is one.
template <auto f> void onController() {
    if (playLogic != nullptr)
        f(*playLogic);
}

const Command commandTable[] = {
    {IDM_ABOUT, showAboutBox},
    {ID_OPEN, chooseFile},
    {ID_EXIT, [] { platform::postMessage(mainWindow, WM_CLOSE, 0, 0); }},
    {ID_FULLSCREEN,
     [] {
         if (!fullScreen)
             enterFullScreen();
         else
             leaveFullScreen();
     }},
    {ID_LEAVE_FULLSCREEN, leaveFullScreen},
    {ID_PLAY, onController<[](PlayLogic& p) {
         if (p.isPlaying())
             p.pause();
         else
             p.play();
     }>},
    {ID_PAUSE, onController<[](PlayLogic& p) { p.pause(); }>},
    {ID_STOP, onController<[](PlayLogic& p) { p.stop(); }>},
    {ID_CLOSE, closeFile},
    {ID_MUTE, onController<[](PlayLogic& p) { p.toggleMute(); }>},
    {ID_FORWARD, onController<[](PlayLogic& p) { p.seekStep(+1); }>},
    {ID_PREVIOUS, onController<[](PlayLogic& p) { p.skip(-1); }>},
    {ID_NEXT, onController<[](PlayLogic& p) { p.skip(+1); }>},
    {ID_BACKWARD, onController<[](PlayLogic& p) { p.seekStep(-1); }>},
    {ID_VOLUME_UP, onController<[](PlayLogic& p) { p.stepVolume(+1); }>},
    {ID_VOLUME_DOWN, onController<[](PlayLogic& p) { p.stepVolume(-1); }>},
};

LRESULT onCommand(QWidget* window, WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    for (const Command& command : commandTable) {
        if (command.id == id) {
            command.run();
            return 0;
        }
    }
    return platform::defWindowProc(window, WM_COMMAND, wParam, lParam);
}

void onTimer() {
    updateTitle();
    if (playLogic != nullptr)
        playLogic->timerProc();
}

} // namespace

LRESULT mainWndProc(QWidget* window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: {
        const QIcon icon = platform::loadIcon(QStringLiteral("IDI_PLAYER"));
        window->setWindowIcon(icon);
        QApplication::setWindowIcon(icon); // the About box shows it too
        return 0;
    }
    case WM_DESTROY:
        QCoreApplication::exit(0);
        return 0;
    case WM_MOVE:
        return 0;
    case WM_SIZE:
        if (wParam != SIZE_MINIMIZED)
            layoutWindows();
        return 0;
    case WM_PAINT:
        if (QPainter* painter = platform::beginPaint(window))
            painter->fillRect(window->rect(), Qt::black);
        return 0;
    case WM_CLOSE:
        closeMainWindow();
        return 0;
    case WM_ERASEBKGND:
        eraseBackground(reinterpret_cast<QPainter*>(wParam));
        return 0;
    case WM_COMMAND:
        return onCommand(window, wParam, lParam);
    case WM_TIMER:
        onTimer();
        return 0;
    case WM_DROPFILES:
        onDropFiles(reinterpret_cast<const platform::DropFiles*>(wParam));
        return 0;
    default:
        return platform::defWindowProc(window, message, wParam, lParam);
    }
}

void updateTitle() {
    if (!platform::isWindow(mainWindow))
        return;
    MediaPlayer* engine = playLogic != nullptr ? playLogic->mediaPlayer : nullptr;
    const int state = engine != nullptr ? engine->getState() : 0;
    const QString name = playLogic != nullptr ? playLogic->fileName : QString();
    QString caption = QString::fromUtf16(Corvilo::displayName);
    if ((state == statePlaying || state == statePaused) && !name.isEmpty())
        caption = QStringLiteral("%1 - %2").arg(caption, name);
    mainWindow->setWindowTitle(caption);
}

void chooseFile() {
    const QString path = platform::chooseOpenFile(mainWindow, QStringLiteral("Select File"),
                                                  QString::fromUtf16(Corvilo::openFilter));
    if (!path.isEmpty() && playLogic != nullptr)
        playLogic->openFile(path);
}

void closeFile() {
    // A paused file stays paused.
    if (playLogic != nullptr && playLogic->mediaPlayer != nullptr &&
        playLogic->mediaPlayer->isPlaying())
        playLogic->stop();
}

void eraseBackground(QPainter* painter) {
    if (painter != nullptr && platform::isWindow(mainWindow))
        painter->fillRect(mainWindow->rect(), Qt::black);
}

void onDropFiles(const platform::DropFiles* drop) {
    // Only the first dropped file is opened. Its path is passed whole: cutting a long path
    // short would name some other file.
    if (drop == nullptr || drop->paths.isEmpty())
        return;
    const QString path = drop->paths.first();
    if (!path.isEmpty() && playLogic != nullptr)
        playLogic->openFile(path);
}

void closeMainWindow() {
    if (showAdvertising(mainWindow) == 2)
        return;
    if (platform::isWindow(mainWindow))
        mainWindow->hide();
    if (playLogic != nullptr)
        playLogic->stop();
    teardown();
    QWidget* window = mainWindow;
    mainWindow = nullptr;
    platform::destroyWindow(window);
}

void teardown() {
    if (platform::isWindow(mainWindow) && timerId != 0)
        mainWindow->killTimer(timerId);
    timerId = 0;
    if (playWnd != nullptr) {
        playWnd->destroyWindows();
        playWnd = nullptr;
    }
    PlayWnd::deleteInstance();
    if (playLogic != nullptr) {
        if (playLogic->mediaPlayer != nullptr) {
            playLogic->mediaPlayer->release();
            delete playLogic->mediaPlayer;
            playLogic->mediaPlayer = nullptr;
        }
        delete playLogic;
        playLogic = nullptr;
    }
}
