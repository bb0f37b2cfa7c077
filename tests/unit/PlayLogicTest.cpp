#include "PlayerFixture.h"

#include "app/AppGlobals.h"
#include "app/MainWindow.h"
#include "playback/PlayLogic.h"
#include "ui/PlayWnd.h"

#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QWidget>
#include <thread>
#include <vlc/vlc.h>

namespace {

using PlayLogicTest = PlayerFixture;

const QStringList abc = {"a.mp4", "b.mp4", "c.mp4"};

QStringList listPaths(const PlayListData& list) {
    QStringList names;
    for (int i = 0; i < list.count(); ++i)
        names << fileNameOf(list.pathAt(i));
    return names;
}

TEST_F(PlayLogicTest, OpenFilePlaysAndBuildsTheFolderList) {
    makeFiles({"a.mp4", "b.mp4", "c.mp4", "notes.txt"});
    ASSERT_TRUE(playLogic->openFile(pathOf("b.mp4")));
    ASSERT_NE(engine(), nullptr);
    EXPECT_EQ(engine()->state, 3);
    EXPECT_EQ(playLogic->fileName, "b.mp4");
    EXPECT_EQ(playLogic->filePath, pathOf("b.mp4"));
    EXPECT_EQ(playLogic->mediaKind, 1);
    EXPECT_EQ(listPaths(playLogic->playList), abc);
    EXPECT_EQ(playLogic->playList.currentIndex(), 1);
    EXPECT_TRUE(playLogic->canSkip());
    // The engine draws into the video window's render window, shown for media with video.
    EXPECT_EQ(engine()->window, playWnd->renderHwnd);
    EXPECT_TRUE(playWnd->renderWindowVisible());
    EXPECT_TRUE(errorBoxes.empty());
}

TEST_F(PlayLogicTest, EngineIsMadeOnceAndReusedForLaterFiles) {
    makeFiles(abc);
    ASSERT_TRUE(playLogic->openFile(pathOf("a.mp4")));
    FakeEngine* first = engine();
    QWidget* render = playWnd->renderHwnd;
    ASSERT_TRUE(playLogic->openFile(pathOf("c.mp4")));
    EXPECT_EQ(enginesMade, 1);
    EXPECT_EQ(engine(), first);
    EXPECT_EQ(playWnd->renderHwnd, render);
    EXPECT_EQ(playLogic->fileName, "c.mp4");
}

TEST_F(PlayLogicTest, FailedOpenReportsAndKeepsWhatWasThere) {
    makeFiles({"a.mp4", "b.mp4", "clip.avi", "broken.mp4"});
    ASSERT_TRUE(playLogic->openFile(pathOf("a.mp4")));
    FakeEngine* first = engine();
    first->failPaths = {pathOf("broken.mp4")};

    for (const QString& bad : {pathOf("clip.avi"), pathOf("broken.mp4"), QString()}) {
        SCOPED_TRACE(bad.toStdString());
        errorBoxes.clear();
        first->state = 3;
        EXPECT_FALSE(playLogic->openFile(bad));
        ASSERT_EQ(errorBoxes.size(), 1u);
        EXPECT_EQ(errorBoxes[0].text, "Could not load the file");
        EXPECT_EQ(errorBoxes[0].caption, "Corvilo");
        EXPECT_EQ(engine(), first);
        EXPECT_EQ(first->state, 5) << "playback is stopped before the file is tried";
        EXPECT_EQ(playLogic->fileName, "a.mp4");
        EXPECT_EQ(playLogic->mediaKind, 1);
        EXPECT_EQ(listPaths(playLogic->playList), QStringList({"a.mp4", "b.mp4", "broken.mp4"}));
        EXPECT_EQ(playLogic->playList.currentIndex(), 0);
    }
}

TEST_F(PlayLogicTest, EngineThatCannotStartIsGivenBack) {
    makeFiles({"a.mp4"});
    initializeResult = false;
    EXPECT_FALSE(playLogic->openFile(pathOf("a.mp4")));
    EXPECT_EQ(playLogic->mediaPlayer, nullptr);
    EXPECT_EQ(*log, FakeEngine::Log({"initialize", "release", "destroy"}));
    EXPECT_EQ(errorBoxes.size(), 1u);
}

struct SkipCase {
    const char* name;
    const char* start;
    int direction;
    QStringList failing; // paths that fail to load, as names
    const char* expectedFile;
    QStringList expectedList;
};

// Listed by name, not as a dump of bytes.
void PrintTo(const SkipCase& c, std::ostream* os) {
    *os << c.name;
}

class SkipTest : public PlayerFixture, public ::testing::WithParamInterface<SkipCase> {};

TEST_P(SkipTest, WalksTheFolder) {
    const SkipCase& c = GetParam();
    makeFiles(abc);
    ASSERT_TRUE(playLogic->openFile(pathOf(c.start)));
    for (const QString& name : c.failing)
        engine()->failPaths.insert(pathOf(name));
    engine()->time = 1000; // past the start, so the skip is taken
    playLogic->skip(c.direction);
    EXPECT_EQ(playLogic->fileName, c.expectedFile);
    EXPECT_EQ(listPaths(playLogic->playList), c.expectedList);
    if (!c.expectedList.isEmpty()) {
        EXPECT_EQ(engine()->state, 3);
        EXPECT_EQ(fileNameOf(playLogic->playList.pathAt(playLogic->playList.currentIndex())),
                  c.expectedFile);
    } else {
        EXPECT_EQ(engine()->state, 5) << "nothing left to play";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SkipTest,
    ::testing::Values(
        SkipCase{"next", "b.mp4", +1, {}, "c.mp4", abc},
        SkipCase{"nextWraps", "c.mp4", +1, {}, "a.mp4", abc},
        SkipCase{"previousWraps", "a.mp4", -1, {}, "c.mp4", abc},
        SkipCase{"previous", "c.mp4", -1, {}, "b.mp4", abc},
        SkipCase{"nextDropsFailing", "a.mp4", +1, {"b.mp4"}, "c.mp4", {"a.mp4", "c.mp4"}},
        SkipCase{"nextDropsAcrossWrap", "b.mp4", +1, {"c.mp4"}, "a.mp4", {"a.mp4", "b.mp4"}},
        SkipCase{"previousDropsFailing", "c.mp4", -1, {"b.mp4"}, "a.mp4", {"a.mp4", "c.mp4"}},
        SkipCase{"previousDropsAcrossWrap", "b.mp4", -1, {"a.mp4", "c.mp4"}, "b.mp4", {"b.mp4"}},
        SkipCase{"allFail", "a.mp4", +1, {"a.mp4", "b.mp4", "c.mp4"}, "a.mp4", {}}),
    [](const auto& info) { return info.param.name; });

TEST_F(PlayLogicTest, SkipIsRefusedWhenItCannotStep) {
    makeFiles({"a.mp4", "b.mp4"});
    ASSERT_TRUE(playLogic->openFile(pathOf("a.mp4")));
    // Just started and no position yet.
    engine()->time = 0;
    playLogic->skip(+1);
    EXPECT_EQ(playLogic->fileName, "a.mp4");

    // Opened by a name whose letter case differs from the listing: nothing is current, so
    // neither a skip nor the end of the file moves on.
    ASSERT_TRUE(playLogic->openFile(pathOf("A.MP4")));
    EXPECT_EQ(playLogic->playList.count(), 2);
    EXPECT_EQ(playLogic->playList.currentIndex(), -1);
    EXPECT_FALSE(playLogic->canSkip());
    engine()->time = 1000;
    playLogic->skip(+1);
    EXPECT_EQ(playLogic->fileName, "A.MP4");
    engine()->state = 6;
    playLogic->timerProc();
    EXPECT_EQ(playLogic->fileName, "A.MP4");
    EXPECT_EQ(engine()->state, 5);
}

TEST_F(PlayLogicTest, SingleFileFolderCannotSkip) {
    makeFiles({"only.mp4"});
    ASSERT_TRUE(playLogic->openFile(pathOf("only.mp4")));
    EXPECT_FALSE(playLogic->canSkip());
    engine()->time = 1000;
    log->clear();
    playLogic->skip(+1);
    playLogic->skip(-1);
    EXPECT_TRUE(log->empty());
}

struct TimerCase {
    const char* name;
    const char* start;
    int state;
    const char* expectedFile;
    int expectedState;
};

// Listed by name, not as a dump of bytes.
void PrintTo(const TimerCase& c, std::ostream* os) {
    *os << c.name;
}

class TimerTest : public PlayerFixture, public ::testing::WithParamInterface<TimerCase> {};

TEST_P(TimerTest, EndOfMediaMovesOnExceptAfterTheLast) {
    const TimerCase& c = GetParam();
    makeFiles(abc);
    ASSERT_TRUE(playLogic->openFile(pathOf(c.start)));
    engine()->state = c.state;
    engine()->time = 2000;
    playLogic->timerProc();
    EXPECT_EQ(playLogic->fileName, c.expectedFile);
    EXPECT_EQ(engine()->state, c.expectedState);
}

INSTANTIATE_TEST_SUITE_P(Cases, TimerTest,
                         ::testing::Values(TimerCase{"endedFirst", "a.mp4", 6, "b.mp4", 3},
                                           TimerCase{"endedMiddle", "b.mp4", 6, "c.mp4", 3},
                                           TimerCase{"endedLast", "c.mp4", 6, "c.mp4", 5},
                                           TimerCase{"error", "a.mp4", 7, "a.mp4", 7},
                                           TimerCase{"paused", "a.mp4", 4, "a.mp4", 4}),
                         [](const auto& info) { return info.param.name; });

TEST_F(PlayLogicTest, TimerKeepsEngineVolumeInLineWhilePlaying) {
    makeFiles({"a.mp4"});
    ASSERT_TRUE(playLogic->openFile(pathOf("a.mp4")));
    playLogic->volume = 40;
    engine()->volume = 100;
    playLogic->timerProc();
    EXPECT_EQ(engine()->volume, 40);
    log->clear();
    playLogic->timerProc(); // nothing differs: the engine is not called
    EXPECT_TRUE(log->empty());
}

TEST_F(PlayLogicTest, TimerWithoutEngineDoesNothing) {
    playLogic->timerProc();
    EXPECT_EQ(playLogic->mediaPlayer, nullptr);
}

struct SeekCase {
    const char* name;
    int state;
    std::int64_t time, length;
    int direction;
    bool result;
    std::int64_t target; // -1: no seek
};

// Listed by name, not as a dump of bytes.
void PrintTo(const SeekCase& c, std::ostream* os) {
    *os << c.name;
}

class SeekTest : public PlayerFixture, public ::testing::WithParamInterface<SeekCase> {};

TEST_P(SeekTest, StepsFiveSecondsWithinTheMedia) {
    const SeekCase& c = GetParam();
    makeFiles({"a.mp4"});
    ASSERT_TRUE(playLogic->openFile(pathOf("a.mp4")));
    engine()->state = c.state;
    engine()->time = c.time;
    engine()->length = c.length;
    EXPECT_EQ(playLogic->seekStep(c.direction), c.result);
    if (c.target >= 0)
        EXPECT_EQ(engine()->time, c.target);
    else
        EXPECT_EQ(engine()->time, c.time);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SeekTest,
    ::testing::Values(SeekCase{"forward", 3, 10000, 60000, +1, true, 15000},
                      SeekCase{"forwardClampsToEnd", 3, 118000, 120000, +1, true, 120000},
                      SeekCase{"forwardExactlyToEnd", 3, 115000, 120000, +1, true, 120000},
                      SeekCase{"backward", 4, 10000, 60000, -1, true, 5000},
                      SeekCase{"backwardClampsToStart", 3, 3000, 60000, -1, true, 0},
                      SeekCase{"backwardAtFive", 3, 5000, 60000, -1, true, 0},
                      SeekCase{"stopped", 5, 10000, 60000, +1, false, -1},
                      SeekCase{"atStart", 3, 0, 60000, +1, false, -1}),
    [](const auto& info) { return info.param.name; });

TEST_F(PlayLogicTest, SeekWithoutEngineFails) {
    EXPECT_FALSE(playLogic->seekStep(+1));
}

struct VolumeCase {
    const char* name;
    int volume;
    bool muted;
    int direction;
    int expectedVolume;
};

// Listed by name, not as a dump of bytes.
void PrintTo(const VolumeCase& c, std::ostream* os) {
    *os << c.name;
}

class VolumeTest : public PlayerFixture, public ::testing::WithParamInterface<VolumeCase> {};

TEST_P(VolumeTest, StepsByTenWithinRangeAndUnmutes) {
    const VolumeCase& c = GetParam();
    playLogic->volume = c.volume;
    playLogic->muted = c.muted;
    playLogic->stepVolume(c.direction);
    EXPECT_EQ(playLogic->volume, c.expectedVolume);
    EXPECT_FALSE(playLogic->muted);
}

INSTANTIATE_TEST_SUITE_P(Cases, VolumeTest,
                         ::testing::Values(VolumeCase{"up", 50, false, +1, 60},
                                           VolumeCase{"upClamps", 95, false, +1, 100},
                                           VolumeCase{"downClamps", 5, false, -1, 0},
                                           VolumeCase{"upWhileMuted", 70, true, +1, 10},
                                           VolumeCase{"downWhileMuted", 70, true, -1, 0}),
                         [](const auto& info) { return info.param.name; });

TEST_F(PlayLogicTest, SetVolumeClampsUnmutesAndReachesOnlyAPlayingOrPausedEngine) {
    makeFiles({"a.mp4"});
    ASSERT_TRUE(playLogic->openFile(pathOf("a.mp4")));
    const struct {
        int state, value, expectedVolume, expectedEngine;
    } cases[] = {{3, 150, 100, 100}, {4, -5, 0, 0}, {3, 35, 35, 35}, {5, 60, 60, 35}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        engine()->state = c.state;
        playLogic->muted = true;
        playLogic->setVolume(c.value);
        EXPECT_EQ(playLogic->volume, c.expectedVolume);
        EXPECT_FALSE(playLogic->muted);
        EXPECT_EQ(engine()->volume, c.expectedEngine);
    }
}

TEST_F(PlayLogicTest, MuteWhileStoppedWaitsForThePlay) {
    makeFiles({"a.mp4"});
    ASSERT_TRUE(playLogic->openFile(pathOf("a.mp4")));
    playLogic->stop();
    log->clear();
    playLogic->toggleMute();
    EXPECT_TRUE(playLogic->muted);
    EXPECT_TRUE(log->empty()) << "a stopped engine is not touched";
    playLogic->play();
    EXPECT_TRUE(engine()->muted);
    playLogic->toggleMute();
    EXPECT_FALSE(engine()->muted) << "a playing engine follows at once";
}

TEST_F(PlayLogicTest, ApplyVolumeMutesByFlagOrByLevel) {
    makeFiles({"a.mp4"});
    // The libvlc kind keeps its level while muted.
    ASSERT_TRUE(playLogic->openFile(pathOf("a.mp4")));
    engine()->volume = 80;
    playLogic->volume = 30;
    playLogic->muted = true;
    playLogic->applyVolume();
    EXPECT_TRUE(engine()->muted);
    EXPECT_EQ(engine()->volume, 80);
    playLogic->muted = false;
    playLogic->applyVolume();
    EXPECT_FALSE(engine()->muted);
    EXPECT_EQ(engine()->volume, 30);

    // Other engines are muted by a zero level.
    FakeEngine other(log, 3);
    MediaPlayer* kept = playLogic->mediaPlayer;
    playLogic->mediaPlayer = &other;
    other.volume = 55;
    playLogic->muted = true;
    playLogic->applyVolume();
    EXPECT_EQ(other.volume, 0);
    EXPECT_FALSE(other.muted);
    log->clear();
    playLogic->applyVolume();
    EXPECT_TRUE(log->empty()) << "already at zero";
    playLogic->mediaPlayer = kept;
}

TEST_F(PlayLogicTest, PlayReloadsTheRememberedFileOrOnlyStops) {
    playLogic->play(); // nothing remembered: no engine is made
    EXPECT_EQ(playLogic->mediaPlayer, nullptr);
    EXPECT_EQ(enginesMade, 0);

    makeFiles({"a.mp4"});
    ASSERT_TRUE(playLogic->openFile(pathOf("a.mp4")));
    // Without an engine, play makes one for the remembered file.
    delete playLogic->mediaPlayer;
    playLogic->mediaPlayer = nullptr;
    playLogic->play();
    ASSERT_NE(engine(), nullptr);
    EXPECT_EQ(engine()->state, 3);
    EXPECT_EQ(playLogic->fileName, "a.mp4");
}

TEST_F(PlayLogicTest, PlayAndPauseFollowTheEngineState) {
    makeFiles({"a.mp4"});
    ASSERT_TRUE(playLogic->openFile(pathOf("a.mp4")));
    log->clear();
    playLogic->play(); // already playing
    EXPECT_TRUE(log->empty());
    playLogic->pause();
    EXPECT_EQ(engine()->state, 4);
    log->clear();
    playLogic->pause(); // paused: nothing
    EXPECT_TRUE(log->empty());
    playLogic->play();
    EXPECT_EQ(engine()->state, 3);
}

TEST_F(PlayLogicTest, WaitsForAStuckEngineAreBounded) {
    makeFiles({"a.mp4"});
    ASSERT_TRUE(playLogic->openFile(pathOf("a.mp4")));
    engine()->stuckPlaying = true;
    QElapsedTimer clock;
    clock.start();
    playLogic->pause();
    const qint64 pauseMs = clock.restart();
    playLogic->stop();
    const qint64 stopMs = clock.elapsed();
    EXPECT_GE(pauseMs, 4900);
    EXPECT_LT(pauseMs, 6000);
    EXPECT_LT(stopMs, 6000);
}

TEST_F(PlayLogicTest, MediaKindComesFromTheTextAfterTheLastDot) {
    const struct {
        const char* path;
        int kind;
    } cases[] = {{"/a/clip.mp4", 1}, {"/a/movie.SWF", 2}, {"/a/anim.fla", 2}, {"/a/x.swfx", 1},
                 {"/a/noext", 1},    {"/a/trailing.", 1}, {"/a.swf/clip", 1}};
    for (const auto& c : cases)
        EXPECT_EQ(PlayLogic::mediaKindOf(QString::fromUtf8(c.path)), c.kind) << c.path;
}

// Engine events come from libvlc's threads; they must act only on the GUI thread.
TEST_F(PlayLogicTest, EngineEventsRunOnTheGuiThreadInOrder) {
    makeFiles({"a.mp4"});
    ASSERT_TRUE(playLogic->openFile(pathOf("a.mp4")));
    playWnd->showRenderWindow(false);
    engine()->volume = 100;
    playLogic->volume = 20;

    libvlc_event_t event{};
    event.type = libvlc_MediaPlayerPlaying;
    std::thread([&] { PlayLogic::handleProc(&event, nullptr); }).join();
    EXPECT_FALSE(playWnd->renderWindowVisible()) << "nothing happens on the calling thread";
    EXPECT_EQ(engine()->volume, 100);

    processEvents();
    EXPECT_TRUE(playWnd->renderWindowVisible());
    EXPECT_EQ(engine()->volume, 20);
}

TEST_F(PlayLogicTest, TimeEventsShowVideoOnceATrackIsReportedButNeverHideIt) {
    makeFiles({"a.mp4"});
    ASSERT_TRUE(playLogic->openFile(pathOf("a.mp4")));
    engine()->video = false;
    playWnd->showRenderWindow(false);
    playLogic->onEngineEvent(libvlc_MediaPlayerTimeChanged);
    EXPECT_FALSE(playWnd->renderWindowVisible());
    engine()->video = true;
    playLogic->onEngineEvent(libvlc_MediaPlayerTimeChanged);
    EXPECT_TRUE(playWnd->renderWindowVisible());
    engine()->video = false;
    playLogic->onEngineEvent(libvlc_MediaPlayerTimeChanged);
    EXPECT_TRUE(playWnd->renderWindowVisible());
}

TEST_F(PlayLogicTest, EventsAfterTeardownAreDropped) {
    makeFiles({"a.mp4"});
    ASSERT_TRUE(playLogic->openFile(pathOf("a.mp4")));
    libvlc_event_t event{};
    event.type = libvlc_MediaPlayerPlaying;
    PlayLogic::handleProc(&event, nullptr);
    teardown();
    processEvents(); // must not touch the released controller
    EXPECT_EQ(playLogic, nullptr);
}

TEST_F(PlayLogicTest, DiagnosticLinesGoToTheDebugLog) {
    static QStringList lines;
    lines.clear();
    QLoggingCategory::setFilterRules(QStringLiteral("corvilo.debug=true"));
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext& context, const QString& m) {
            if (QByteArray(context.category) == "corvilo")
                lines << m;
        });
    makeFiles({"a.mp4", "b.mp4"});
    ASSERT_TRUE(playLogic->openFile(pathOf("a.mp4")));
    for (int type : {libvlc_MediaPlayerPlaying, libvlc_MediaPlayerPaused, libvlc_MediaPlayerStopped,
                     libvlc_MediaPlayerTimeChanged, libvlc_MediaPlayerEndReached})
        playLogic->onEngineEvent(type);
    engine()->state = 6;
    playLogic->timerProc();
    qInstallMessageHandler(previous);
    QLoggingCategory::setFilterRules(QString());
    EXPECT_EQ(lines,
              QStringList(
                  {"handleProc: libvlc_MediaPlayerPlaying", "handleProc: libvlc_MediaPlayerPaused",
                   "handleProc: libvlc_MediaPlayerStopped", "Playlogic: timerProc: Ended"}));
}

} // namespace
