#include "Desktop.h"

namespace e2e {
namespace {

// folder/ holds a.mp4 (red), b.mp4 (green) and c.mp4 (blue), 2 s each.
const QString ended = QStringLiteral("Playlogic: timerProc: Ended");
const QString playing = QStringLiteral("handleProc: libvlc_MediaPlayerPlaying");
const QString stopped = QStringLiteral("handleProc: libvlc_MediaPlayerStopped");

QString folderClip(const char* name) {
    return clipPath(QStringLiteral("folder/") + QString::fromUtf8(name));
}

struct Skip {
    const char* name;
    const char* from;
    const char* fromColour;
    const char* key;
    const char* to;
    const char* toColour;
};

void PrintTo(const Skip& s, std::ostream* os) {
    *os << s.name;
}

class SkipTest : public DesktopTest, public ::testing::WithParamInterface<Skip> {};

TEST_P(SkipTest, PageKeysMoveThroughTheFolder) {
    const Skip& s = GetParam();
    ASSERT_TRUE(start({{folderClip(s.from)}}));
    ASSERT_TRUE(player->waitForTitle(QStringLiteral("Corvilo - ") + s.from, 3000));
    ASSERT_TRUE(player->waitForColour(QString::fromUtf8(s.fromColour), 2000));

    // A file that reports no position yet is not skipped, and the position lags behind the
    // picture: press until the player stops the file to move on.
    const int stops = player->countInErrorOutput(stopped);
    ASSERT_TRUE(waitFor(
        [&] {
            return player->keys(QString::fromUtf8(s.key)) &&
                   player->waitForErrorOutput(stopped, stops + 1, 300);
        },
        1500, 0))
        << player->errorOutput().toStdString();
    ASSERT_TRUE(player->waitForTitle(QStringLiteral("Corvilo - ") + s.to, 2000))
        << "title: " << player->title().toStdString();
    // Reached by the key, not by the first file running out.
    EXPECT_EQ(player->countInErrorOutput(ended), 0);
    EXPECT_TRUE(player->waitForColour(QString::fromUtf8(s.toColour), 2000));
    EXPECT_EQ(player->closeAndWait(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Folder, SkipTest,
    ::testing::Values(Skip{"NextFile", "a.mp4", "red", "Page_Down", "b.mp4", "green"},
                      Skip{"NextWrapsToFirst", "c.mp4", "blue", "Page_Down", "a.mp4", "red"},
                      Skip{"PreviousWrapsToLast", "a.mp4", "red", "Page_Up", "c.mp4", "blue"}),
    [](const auto& info) { return std::string(info.param.name); });

using FolderEndTest = DesktopTest;

TEST_F(FolderEndTest, TheEndOfAFilePlaysTheNextOneWithinASecond) {
    ASSERT_TRUE(start({{folderClip("a.mp4")}}));
    ASSERT_TRUE(player->waitForTitle(QStringLiteral("Corvilo - a.mp4"), 3000));
    ASSERT_TRUE(player->waitForErrorOutput(ended, 1, 4000));
    EXPECT_TRUE(player->waitForTitle(QStringLiteral("Corvilo - b.mp4"), 1000))
        << "title: " << player->title().toStdString();
    EXPECT_TRUE(player->waitForColour(QStringLiteral("green"), 1500));
    EXPECT_EQ(player->closeAndWait(), 0);
}

TEST_F(FolderEndTest, TheEndOfTheLastFileStopsWithoutWrapping) {
    ASSERT_TRUE(start({{folderClip("c.mp4")}}));
    ASSERT_TRUE(player->waitForTitle(QStringLiteral("Corvilo - c.mp4"), 3000));
    ASSERT_TRUE(player->waitForErrorOutput(ended, 1, 4000));
    EXPECT_TRUE(player->waitForTitle(QStringLiteral("Corvilo"), 1000))
        << "title: " << player->title().toStdString();
    EXPECT_TRUE(holdsFor([&] { return player->title() == QStringLiteral("Corvilo"); }, 1500))
        << "title: " << player->title().toStdString();
    EXPECT_EQ(player->countInErrorOutput(playing), 1) << "something else started playing";
    EXPECT_EQ(player->closeAndWait(), 0);
}

} // namespace
} // namespace e2e
