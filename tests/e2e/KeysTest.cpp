#include "Desktop.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

namespace e2e {
namespace {

using KeysTest = DesktopTest;

const QString playing = QStringLiteral("handleProc: libvlc_MediaPlayerPlaying");
const QString paused = QStringLiteral("handleProc: libvlc_MediaPlayerPaused");

// True when the picture changes within timeoutMs.
bool pictureMoves(Player& player, int timeoutMs) {
    const QImage first = player.grab();
    return !first.isNull() && waitFor([&] { return player.grab() != first; }, timeoutMs, 100);
}

TEST_F(KeysTest, SpacePausesAndResumes) {
    ASSERT_TRUE(start({{clipPath(QStringLiteral("long.mp4"))}}));
    ASSERT_TRUE(player->waitForTitle(QStringLiteral("Corvilo - long.mp4"), 3000));
    ASSERT_TRUE(pictureMoves(*player, 2000)) << "the test pattern should be moving";

    ASSERT_TRUE(player->keys(QStringLiteral("space")));
    ASSERT_TRUE(player->waitForErrorOutput(paused, 1, 2000)) << player->errorOutput().toStdString();
    // The last frame may still be on its way when the engine reports the pause.
    QImage still;
    ASSERT_TRUE(waitFor(
        [&] {
            const QImage next = player->grab();
            const bool same = next == still;
            still = next;
            return same;
        },
        1500, 150));
    EXPECT_TRUE(holdsFor([&] { return player->grab() == still; }, 1000))
        << "the picture changed while paused";
    EXPECT_EQ(player->title(), QStringLiteral("Corvilo - long.mp4"));

    const int starts = player->countInErrorOutput(playing);
    ASSERT_TRUE(player->keys(QStringLiteral("space")));
    EXPECT_TRUE(player->waitForErrorOutput(playing, starts + 1, 2000));
    EXPECT_TRUE(pictureMoves(*player, 2000)) << "the picture stayed still after resuming";
    EXPECT_EQ(player->closeAndWait(), 0);
}

// steps.mp4 is red, green, blue and white for 5 s each.
TEST_F(KeysTest, RightAndLeftSeekFiveSeconds) {
    ASSERT_TRUE(start({{clipPath(QStringLiteral("steps/steps.mp4"))}}));
    ASSERT_TRUE(player->waitForColour(QStringLiteral("red"), 3000));
    QElapsedTimer clock;
    clock.start();
    QThread::msleep(1000);

    ASSERT_TRUE(player->keys(QStringLiteral("Right")));
    ASSERT_TRUE(player->waitForColour(QStringLiteral("green"), 1500));
    // Played on its own the clip would turn green only after five seconds.
    EXPECT_LT(clock.elapsed(), 3500);

    ASSERT_TRUE(player->keys(QStringLiteral("Left")));
    EXPECT_TRUE(player->waitForColour(QStringLiteral("red"), 1500));
    EXPECT_EQ(player->closeAndWait(), 0);
}

// Sound goes to a file through ALSA's file plugin; muting zeroes the samples.
class MuteTest : public DesktopTest {
protected:
    void SetUp() override {
        DesktopTest::SetUp();
        ASSERT_TRUE(dir.isValid());
        QFile conf(dir.filePath(QStringLiteral("alsa.conf")));
        ASSERT_TRUE(conf.open(QIODevice::WriteOnly));
        conf.write(QStringLiteral("pcm.!default {\n"
                                  "    type file\n"
                                  "    slave.pcm { type null }\n"
                                  "    file \"%1\"\n"
                                  "    format \"raw\"\n"
                                  "}\n")
                       .arg(soundPath())
                       .toUtf8());
    }

    QString soundPath() const { return dir.filePath(QStringLiteral("sound.raw")); }
    qint64 soundSize() const { return QFile(soundPath()).size(); }

    // Whether the samples written during the next ms hold anything but silence. The null
    // device takes samples faster than real time, so the stretch is large. Silence is
    // +0.0 or -0.0 as 32-bit float, or 0 as 16-bit integers: either way zero once the
    // sign bit of each 32-bit word is dropped.
    std::optional<bool> soundDuring(int ms) {
        const qint64 from = soundSize() & ~qint64(3);
        QThread::msleep(static_cast<unsigned long>(ms));
        const qint64 to = soundSize() & ~qint64(3);
        QFile file(soundPath());
        if (to - from < 4096 || !file.open(QIODevice::ReadOnly) || !file.seek(from))
            return std::nullopt;
        const QByteArray data = file.read(to - from);
        const auto* words = reinterpret_cast<const quint32*>(data.constData());
        for (qsizetype i = 0; i < data.size() / 4; ++i)
            if ((words[i] & 0x7fffffffu) != 0)
                return true;
        return false;
    }

    QTemporaryDir dir;
};

TEST_F(MuteTest, MSilencesTheSoundAndBringsItBack) {
    ASSERT_TRUE(
        start({{clipPath(QStringLiteral("long.mp4"))}, dir.filePath(QStringLiteral("alsa.conf"))}));
    ASSERT_TRUE(player->waitForTitle(QStringLiteral("Corvilo - long.mp4"), 3000));
    ASSERT_TRUE(waitFor([&] { return soundSize() > 0; }, 2000)) << "no sound written";
    EXPECT_EQ(soundDuring(500), true);

    ASSERT_TRUE(player->keys(QStringLiteral("m")));
    QThread::msleep(300);
    EXPECT_EQ(soundDuring(500), false);

    ASSERT_TRUE(player->keys(QStringLiteral("m")));
    QThread::msleep(300);
    EXPECT_EQ(soundDuring(500), true);
    EXPECT_EQ(player->closeAndWait(), 0);
}

class AboutKeyTest : public DesktopTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(AboutKeyTest, OpensTheAboutBox) {
    ASSERT_TRUE(start({}));
    ASSERT_TRUE(player->keys(QString::fromUtf8(GetParam())));
    ASSERT_TRUE(player->waitForDialog(QStringLiteral("About"), 2000));
    const auto boxes = player->dialogs();
    ASSERT_EQ(boxes.size(), 1u);
    ASSERT_TRUE(player->keysTo(boxes.front().id, QStringLiteral("Escape")));
    EXPECT_TRUE(waitFor([&] { return player->dialogs().empty(); }, 2000));
    EXPECT_EQ(player->closeAndWait(), 0);
}

INSTANTIATE_TEST_SUITE_P(Keys, AboutKeyTest, ::testing::Values("alt+slash", "alt+question"),
                         [](const auto& info) {
                             return std::string(info.index == 0 ? "AltSlash" : "AltQuestion");
                         });

TEST_F(KeysTest, FEntersFullScreenAndEscapeLeavesIt) {
    ASSERT_TRUE(start({{clipPath(QStringLiteral("long.mp4"))}}));
    const QString id = player->mainWindow()->id;
    const QRect windowed = windowGeometry(id);
    const QRect screen(QPoint(0, 0), screenSize());
    ASSERT_FALSE(windowed.isEmpty());
    ASSERT_NE(windowed, screen);

    ASSERT_TRUE(player->keys(QStringLiteral("f")));
    EXPECT_TRUE(waitFor([&] { return windowGeometry(id) == screen; }, 2000));
    ASSERT_TRUE(player->keys(QStringLiteral("Escape")));
    EXPECT_TRUE(waitFor([&] { return windowGeometry(id) == windowed; }, 2000))
        << "back at " << windowGeometry(id).width() << "x" << windowGeometry(id).height();
    EXPECT_EQ(player->closeAndWait(), 0);
}

} // namespace
} // namespace e2e
