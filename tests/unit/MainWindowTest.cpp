#include "PlayerFixture.h"

#include "app/Advertising.h"
#include "app/AppGlobals.h"
#include "app/Entry.h"
#include "app/MainWindow.h"
#include "platform/Accelerators.h"
#include "platform/Shell.h"
#include "platform/Window.h"
#include "playback/PlayLogic.h"
#include "res/Accelerators.h"
#include "res/Menus.h"
#include "res/resource.h"
#include "ui/PlayWnd.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPointer>
#include <QTimer>
#include <functional>

namespace {

class MainWindowTest : public PlayerFixture {
protected:
    void SetUp() override {
        PlayerFixture::SetUp();
        setAdsLibraryPath(dir.path() + "/no-such-libads.so");
    }
    void TearDown() override {
        setAdsLibraryPath(QString());
        PlayerFixture::TearDown();
    }

    LRESULT command(int id) { return mainWndProc(mainWindow, WM_COMMAND, WPARAM(id), 0); }

    // Opens a.mp4 of a three-file folder and leaves the engine in the given state.
    void playing(int state = 3) {
        makeFiles({"a.mp4", "b.mp4", "c.mp4"});
        ASSERT_TRUE(playLogic->openFile(pathOf("b.mp4")));
        engine()->state = state;
        engine()->time = 20000;
        engine()->length = 60000;
    }
};

struct CommandCase {
    const char* name;
    int id;
    int startState;
    std::function<void(PlayLogic&, FakeEngine&)> check;
};

// Listed by name, not as a dump of bytes.
void PrintTo(const CommandCase& c, std::ostream* os) {
    *os << c.name;
}

class CommandTest : public MainWindowTest, public ::testing::WithParamInterface<CommandCase> {};

TEST_P(CommandTest, ReachesTheController) {
    const CommandCase& c = GetParam();
    playing(c.startState);
    EXPECT_EQ(command(c.id), 0);
    ASSERT_NE(engine(), nullptr);
    c.check(*playLogic, *engine());
}

INSTANTIATE_TEST_SUITE_P(
    Table, CommandTest,
    ::testing::Values(
        CommandCase{"PlayWhilePlayingPauses", ID_PLAY, 3,
                    [](PlayLogic&, FakeEngine& e) { EXPECT_EQ(e.state, 4); }},
        CommandCase{"PlayWhilePausedPlays", ID_PLAY, 4,
                    [](PlayLogic&, FakeEngine& e) { EXPECT_EQ(e.state, 3); }},
        CommandCase{"PlayWhileStoppedPlays", ID_PLAY, 5,
                    [](PlayLogic&, FakeEngine& e) { EXPECT_EQ(e.state, 3); }},
        CommandCase{"Pause", ID_PAUSE, 3, [](PlayLogic&, FakeEngine& e) { EXPECT_EQ(e.state, 4); }},
        CommandCase{"Stop", ID_STOP, 4, [](PlayLogic&, FakeEngine& e) { EXPECT_EQ(e.state, 5); }},
        CommandCase{"CloseStopsPlaying", ID_CLOSE, 3,
                    [](PlayLogic&, FakeEngine& e) { EXPECT_EQ(e.state, 5); }},
        CommandCase{"CloseLeavesPausedAlone", ID_CLOSE, 4,
                    [](PlayLogic&, FakeEngine& e) { EXPECT_EQ(e.state, 4); }},
        CommandCase{"Mute", ID_MUTE, 3,
                    [](PlayLogic& p, FakeEngine& e) {
                        EXPECT_TRUE(p.muted);
                        EXPECT_TRUE(e.muted);
                    }},
        CommandCase{"Forward", ID_FORWARD, 3,
                    [](PlayLogic&, FakeEngine& e) { EXPECT_EQ(e.time, 25000); }},
        CommandCase{"Backward", ID_BACKWARD, 3,
                    [](PlayLogic&, FakeEngine& e) { EXPECT_EQ(e.time, 15000); }},
        CommandCase{"Next", ID_NEXT, 3,
                    [](PlayLogic& p, FakeEngine&) { EXPECT_EQ(p.fileName, "c.mp4"); }},
        CommandCase{"Previous", ID_PREVIOUS, 3,
                    [](PlayLogic& p, FakeEngine&) { EXPECT_EQ(p.fileName, "a.mp4"); }},
        CommandCase{"VolumeUp", ID_VOLUME_UP, 3,
                    [](PlayLogic& p, FakeEngine&) { EXPECT_EQ(p.volume, 100); }},
        CommandCase{"VolumeDown", ID_VOLUME_DOWN, 3,
                    [](PlayLogic& p, FakeEngine& e) {
                        EXPECT_EQ(p.volume, 90);
                        EXPECT_EQ(e.volume, 90);
                    }}),
    [](const auto& info) { return info.param.name; });

TEST_F(MainWindowTest, FullScreenCommandsToggleAndLeave) {
    command(ID_LEAVE_FULLSCREEN); // windowed: nothing
    EXPECT_FALSE(fullScreen);
    command(ID_FULLSCREEN);
    EXPECT_TRUE(fullScreen);
    EXPECT_TRUE(mainWindow->isFullScreen());
    command(ID_FULLSCREEN);
    EXPECT_FALSE(fullScreen);
    command(ID_FULLSCREEN);
    command(ID_LEAVE_FULLSCREEN);
    EXPECT_FALSE(fullScreen);
    EXPECT_FALSE(mainWindow->isFullScreen());
}

TEST_F(MainWindowTest, UnknownCommandGoesToTheDefaultHandling) {
    std::vector<std::pair<UINT, WPARAM>> seen;
    platform::setDefWindowProcHook([&](QWidget*, UINT m, WPARAM w, LPARAM) -> LRESULT {
        seen.emplace_back(m, w);
        return 77;
    });
    const WPARAM wParam = (WPARAM{1} << 16) | 40000;
    EXPECT_EQ(mainWndProc(mainWindow, WM_COMMAND, wParam, 0), 77);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].first, WM_COMMAND);
    EXPECT_EQ(seen[0].second, wParam);
    // The high word is not looked at for known ids.
    seen.clear();
    EXPECT_EQ(mainWndProc(mainWindow, WM_COMMAND, (WPARAM{1} << 16) | ID_MUTE, 0), 0);
    EXPECT_TRUE(seen.empty());
    EXPECT_TRUE(playLogic->muted);
}

TEST_F(MainWindowTest, OpenCommandAsksForAFileAndOpensIt) {
    makeFiles({"x.mp4"});
    QString title, filter;
    QString answer;
    platform::setChooseOpenFileHook([&](QWidget*, const QString& t, const QString& f) {
        title = t;
        filter = f;
        return answer;
    });
    command(ID_OPEN); // cancelled
    EXPECT_EQ(title, "Select File");
    EXPECT_EQ(filter, "Media Files (*.mp4)");
    EXPECT_EQ(playLogic->mediaPlayer, nullptr);
    answer = pathOf("x.mp4");
    command(ID_OPEN);
    EXPECT_EQ(playLogic->fileName, "x.mp4");
}

TEST_F(MainWindowTest, CaptionShowsTheFileOnlyWhilePlayingOrPaused) {
    updateTitle();
    EXPECT_EQ(mainWindow->windowTitle(), "Corvilo");
    playing();
    const struct {
        int state;
        const char* caption;
    } cases[] = {{3, "Corvilo - b.mp4"}, {4, "Corvilo - b.mp4"}, {0, "Corvilo"}, {1, "Corvilo"},
                 {5, "Corvilo"},         {6, "Corvilo"},         {7, "Corvilo"}};
    for (const auto& c : cases) {
        engine()->state = c.state;
        mainWndProc(mainWindow, WM_TIMER, 100, 0);
        EXPECT_EQ(mainWindow->windowTitle(), c.caption) << c.state;
    }
}

TEST_F(MainWindowTest, CaptionReadsMediaPlayerUntilTheFirstTick) {
    EXPECT_EQ(mainWindow->windowTitle(), "Media Player");
}

TEST_F(MainWindowTest, DropOpensOnlyTheFirstFile) {
    makeFiles({"one.mp4", "two.mp4", "three.mp4"});
    platform::DropFiles drop{{pathOf("one.mp4"), pathOf("two.mp4"), pathOf("three.mp4")}};
    mainWndProc(mainWindow, WM_DROPFILES, reinterpret_cast<WPARAM>(&drop), 0);
    EXPECT_EQ(playLogic->fileName, "one.mp4");
    int opens = 0;
    for (const std::string& call : *log)
        opens += call.rfind("openMedia", 0) == 0;
    EXPECT_EQ(opens, 1);

    platform::DropFiles empty;
    mainWndProc(mainWindow, WM_DROPFILES, reinterpret_cast<WPARAM>(&empty), 0);
    EXPECT_EQ(playLogic->fileName, "one.mp4");
    EXPECT_TRUE(errorBoxes.empty());
}

TEST_F(MainWindowTest, AboutBoxNamesTheProductAndCloses) {
    QString caption, text;
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        caption = modal->windowTitle();
        for (QLabel* label : modal->findChildren<QLabel*>())
            if (!label->text().isEmpty() && text.isEmpty())
                text = label->text();
        static_cast<QDialog*>(modal)->reject(); // Esc / the close button
    });
    command(IDM_ABOUT);
    EXPECT_EQ(caption, "About");
    EXPECT_EQ(text, "Corvilo, Version 1.0");
}

TEST_F(MainWindowTest, RefusedCloseKeepsEverythingPlaying) {
    playing();
    setAdsLibraryPath(QStringLiteral(CORVILO_ADS_KEEP));
    mainWndProc(mainWindow, WM_CLOSE, 0, 0);
    EXPECT_NE(mainWindow, nullptr);
    EXPECT_TRUE(platform::isWindow(mainWindow));
    EXPECT_TRUE(mainWindow->isVisible());
    ASSERT_NE(playLogic, nullptr);
    ASSERT_NE(engine(), nullptr);
    EXPECT_EQ(engine()->state, 3);
    EXPECT_NE(playWnd, nullptr);
}

TEST_F(MainWindowTest, CloseStopsTearsDownAndDestroysInOrder) {
    for (const QString& library :
         {pathOf("missing.so"), QStringLiteral(CORVILO_BUILD_DIR "/libads.so")}) {
        SCOPED_TRACE(library.toStdString());
        if (mainWindow == nullptr) {
            ASSERT_TRUE(initMainWindow());
        }
        log->clear();
        makeFiles({"a.mp4"});
        ASSERT_TRUE(playLogic->openFile(pathOf("a.mp4")));
        setAdsLibraryPath(library);
        QPointer<QWidget> window = mainWindow;
        log->clear();
        platform::postMessage(window, WM_COMMAND, ID_EXIT, 0);
        processEvents();
        EXPECT_EQ(*log, FakeEngine::Log({"stop", "release", "destroy"}));
        EXPECT_EQ(playLogic, nullptr);
        EXPECT_EQ(playWnd, nullptr);
        EXPECT_EQ(mainWindow, nullptr);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(window.isNull());
    }
}

TEST_F(MainWindowTest, AcceleratorsKeepTheirStoredOrderAndKeys) {
    const std::span<const platform::Accelerator> table = mainAccelerators();
    const struct {
        const char* keys;
        int cmd;
    } expected[] = {{"F", ID_FULLSCREEN},        {"Ctrl+O", ID_OPEN},   {"Left", ID_BACKWARD},
                    {"Right", ID_FORWARD},       {"M", ID_MUTE},        {"PgDown", ID_NEXT},
                    {"Space", ID_PLAY},          {"PgUp", ID_PREVIOUS}, {"Down", ID_VOLUME_DOWN},
                    {"Up", ID_VOLUME_UP},        {"Alt+/", IDM_ABOUT},  {"Alt+?", IDM_ABOUT},
                    {"Esc", ID_LEAVE_FULLSCREEN}};
    ASSERT_EQ(table.size(), std::size(expected));
    for (size_t i = 0; i < table.size(); ++i) {
        EXPECT_EQ(platform::toKeySequence(table[i]).toString(), expected[i].keys) << i;
        EXPECT_EQ(table[i].cmd, expected[i].cmd) << i;
    }
}

TEST_F(MainWindowTest, MenusHoldTheirCommands) {
    const MenuResource* context = findMenu(IDR_CONTEXT_MENU);
    ASSERT_NE(context, nullptr);
    ASSERT_EQ(context->popups.size(), 2u);
    std::vector<int> ids;
    for (const MenuItem& item : context->popups[0].items)
        ids.push_back(item.id);
    EXPECT_EQ(ids, std::vector<int>({ID_OPEN, 0, ID_PLAY, ID_PAUSE, ID_STOP, ID_PREVIOUS, ID_NEXT,
                                     0, ID_FULLSCREEN, ID_LEAVE_FULLSCREEN, 0, ID_EXIT}));
    ASSERT_NE(findMenu(IDR_MAIN_MENU), nullptr);
    ASSERT_NE(findMenu(IDR_TRAY_MENU), nullptr);
    EXPECT_EQ(findMenu(IDR_MAIN_MENU)->popups[0].items[1].id, ID_CLOSE);
    EXPECT_EQ(findMenu(999), nullptr);
}

TEST_F(MainWindowTest, WindowCarriesThePlayerIcon) {
    const QList<QSize> sizes = mainWindow->windowIcon().availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(16, 16)));
    EXPECT_TRUE(sizes.contains(QSize(256, 256)));
}

} // namespace
