#include "PlayerFixture.h"
#include "Waiting.h"
#include "app/AppGlobals.h"
#include "app/Entry.h"
#include "platform/Shell.h"
#include "playback/MediaPlayer.h"
#include "playback/PlayLogic.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>
#include <vlc/vlc.h>

namespace {

// The whole player with the real libvlc engine, its timer driving the end of each file.
class PlaybackFlowTest : public testing::Test {
protected:
    void SetUp() override {
        platform::setErrorBoxHook(
            [this](QWidget*, const QString& text, const QString&) { errors << text; });
        ASSERT_TRUE(initMainWindow());
        mainWindow->show();
    }

    void TearDown() override {
        endPlayer();
        platform::setErrorBoxHook(nullptr);
    }

    int state() const {
        return playLogic->mediaPlayer != nullptr ? playLogic->mediaPlayer->getState() : -1;
    }

    QString current() const { return fileNameOf(playLogic->filePath); }

    QStringList errors;
};

constexpr int startMs = 5000;

} // namespace

TEST_F(PlaybackFlowTest, EndOfAFileStartsTheNextWithinATimerTick) {
    ASSERT_TRUE(playLogic->openFile(clipPath("folder/a.mp4")));
    ASSERT_EQ(playLogic->playList.count(), 3);
    ASSERT_TRUE(waitFor([this] { return state() == libvlc_Playing; }, startMs));

    // Polled far more often than the timer ticks, so the moment of the end is seen.
    ASSERT_TRUE(waitFor([this] { return state() == libvlc_Ended; }, startMs));
    QElapsedTimer sinceEnd;
    sinceEnd.start();
    ASSERT_TRUE(waitFor([this] { return current() == QStringLiteral("b.mp4"); }, 2000));
    EXPECT_LE(sinceEnd.elapsed(), mainTimerPeriodMs + 150);
    EXPECT_TRUE(waitFor([this] { return state() == libvlc_Playing; }, startMs));
    EXPECT_EQ(playLogic->playList.currentIndex(), 1);
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(PlaybackFlowTest, EndOfTheLastFileStops) {
    ASSERT_TRUE(playLogic->openFile(clipPath("folder/c.mp4")));
    ASSERT_TRUE(waitFor([this] { return state() == libvlc_Playing; }, startMs));
    ASSERT_TRUE(waitFor([this] { return state() == libvlc_Stopped; }, startMs));
    // A few ticks later it has not wrapped round to the first file.
    waitFor([] { return false; }, 3 * mainTimerPeriodMs);
    EXPECT_EQ(state(), libvlc_Stopped);
    EXPECT_EQ(current(), QStringLiteral("c.mp4"));
    EXPECT_EQ(playLogic->playList.currentIndex(), 2);
}

TEST_F(PlaybackFlowTest, SkipWalksTheFolderWithRealFiles) {
    ASSERT_TRUE(playLogic->openFile(clipPath("folder/b.mp4")));
    ASSERT_TRUE(waitFor([this] { return playLogic->mediaPlayer->getTime() > 0; }, startMs));
    const struct {
        int direction;
        const char* file;
    } steps[] = {{+1, "c.mp4"}, {+1, "a.mp4"}, {-1, "c.mp4"}};
    for (const auto& step : steps) {
        SCOPED_TRACE(step.file);
        playLogic->skip(step.direction);
        EXPECT_EQ(current(), QString::fromUtf8(step.file));
        // A file that reports no position yet is not skipped, so wait for one.
        EXPECT_TRUE(waitFor([this] { return playLogic->mediaPlayer->getTime() > 0; }, startMs));
    }
}

TEST_F(PlaybackFlowTest, BadFilesLeaveThePlayerReadyForTheNextGoodOne) {
    // Unplayable content opens (the library only finds out while playing); a name
    // without "mp4" after its last '.' is refused at once.
    ASSERT_TRUE(playLogic->openFile(clipPath("random.mp4")));
    EXPECT_TRUE(
        waitFor([this] { return state() == libvlc_Error || state() == libvlc_Ended; }, startMs));
    EXPECT_FALSE(playLogic->openFile(clipPath("clip.avi")));
    EXPECT_EQ(errors, QStringList{"Could not load the file"});
    EXPECT_EQ(current(), QStringLiteral("random.mp4"));

    ASSERT_TRUE(playLogic->openFile(clipPath("clip.mp4")));
    EXPECT_TRUE(waitFor([this] { return state() == libvlc_Playing; }, startMs));
    EXPECT_EQ(current(), QStringLiteral("clip.mp4"));
}
