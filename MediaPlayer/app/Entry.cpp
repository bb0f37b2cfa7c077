#include "app/Entry.h"

#include "app/AppGlobals.h"
#include "app/Corvilo.h"
#include "app/Layout.h"
#include "app/MainWindow.h"
#include "platform/FileSystem.h"
#include "platform/Window.h"
#include "playback/PlayLogic.h"
#include "res/Accelerators.h"
#include "ui/PlayWnd.h"

#include <QApplication>
#include <QStringList>
#include <new>

namespace {

// libvlc can only embed its picture in an X11 window.
void preferX11() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
}

} // namespace

QString commandLineOf(int argc, char* argv[]) {
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    return args.join(u' ');
}

int wWinMain(int argc, char* argv[]) {
    preferX11();
    QApplication app(argc, argv);
    app.setApplicationName(QString::fromUtf16(Corvilo::productId));
    app.setOrganizationName(QString::fromUtf16(Corvilo::makerName));
    // The close sequence decides when the program ends, not the last window.
    app.setQuitOnLastWindowClosed(false);

    theApp = new Corvilo;
    // Taken whole as one path: it may hold blanks, and quotes are not removed.
    const QString commandLine = commandLineOf(argc, argv);

    if (!initMainWindow())
        return 0;
    if (!commandLine.isEmpty() && platform::isReadableFile(commandLine))
        playLogic->openFile(commandLine);
    mainWindow->setAcceptDrops(true);
    platform::installAccelerators(mainWindow, mainAccelerators());

    const int code = QApplication::exec();
    exitApp();
    return code;
}

bool initMainWindow() {
    resetLayout();
    mainWindow = platform::createWindow(mainWndProc, QStringLiteral("Media Player"));
    if (mainWindow == nullptr)
        return false;
    playLogic = new (std::nothrow) PlayLogic;
    if (playLogic == nullptr)
        return false;
    if (!createChildWindows())
        return false;
    timerId = mainWindow->startTimer(mainTimerPeriodMs);
    mainWindow->show();
    layoutEnabled = true;
    layoutWindows();
    return true;
}

bool createChildWindows() {
    playWnd = PlayWnd::instance();
    if (playWnd == nullptr)
        return false;
    return playWnd->create(mainWindow);
}

void exitApp() {
    // Windows destroyed by the close sequence go before the application does.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    delete theApp;
    theApp = nullptr;
}
