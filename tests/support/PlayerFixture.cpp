#include "PlayerFixture.h"

#include "app/AppGlobals.h"
#include "app/Entry.h"
#include "app/MainWindow.h"
#include "platform/Shell.h"
#include "platform/Window.h"
#include "playback/PlayLogic.h"

#include <QCoreApplication>
#include <QFile>
#include <QTimer>

void PlayerFixture::SetUp() {
    ASSERT_TRUE(dir.isValid());
    PlayLogic::setEngineFactory([this](int kind) -> MediaPlayer* {
        if (kind != 1)
            return nullptr;
        ++enginesMade;
        auto* e = new FakeEngine(log, engineKind);
        e->initializeResult = initializeResult;
        e->failPaths = failPaths;
        return e;
    });
    platform::setErrorBoxHook([this](QWidget*, const QString& text, const QString& caption) {
        errorBoxes.push_back({text, caption});
    });
    ASSERT_TRUE(initMainWindow());
}

void endPlayer() {
    teardown();
    if (mainWindow != nullptr) {
        platform::destroyWindow(mainWindow);
        mainWindow = nullptr;
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    // Destroying the main window asks the application to quit, which outside a running
    // loop would end every later modal loop at once; a short run of the loop clears it.
    QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
}

void PlayerFixture::TearDown() {
    endPlayer();
    PlayLogic::setEngineFactory(nullptr);
    platform::setErrorBoxHook(nullptr);
    platform::setChooseOpenFileHook(nullptr);
    platform::setDefWindowProcHook(nullptr);
    layoutEnabled = false;
    fullScreen = false;
}

QString PlayerFixture::makeFiles(const QStringList& names) {
    for (const QString& name : names) {
        QFile f(pathOf(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly)) << name.toStdString();
    }
    return names.isEmpty() ? QString() : pathOf(names.first());
}

QString PlayerFixture::pathOf(const QString& name) const {
    return dir.path() + u'/' + name;
}

FakeEngine* PlayerFixture::engine() const {
    return playLogic != nullptr ? dynamic_cast<FakeEngine*>(playLogic->mediaPlayer) : nullptr;
}

void PlayerFixture::processEvents() {
    // Events posted while handling others wait for the next pass.
    for (int pass = 0; pass < 5; ++pass)
        QCoreApplication::processEvents();
}
