#include "playback/VlcPlayer.h"
#include "Waiting.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

namespace {

constexpr int startMs = 5000;

// A real libvlc engine rendering into a window of its own on the test display.
class VlcPlayerTest : public testing::Test {
protected:
    void SetUp() override {
        window.resize(320, 240);
        window.show();
        ASSERT_TRUE(engine.initialize(nullptr));
        engine.setWindow(&window);
    }

    // Opens and plays the clip, then waits until libvlc reports it playing.
    void playClip(const QString& path) {
        ASSERT_TRUE(engine.openMedia(path)) << path.toStdString();
        engine.play();
        ASSERT_TRUE(waitFor([this] { return engine.getState() == libvlc_Playing; }, startMs))
            << path.toStdString() << " reached state " << engine.getState();
    }

    QString mediaMrl() const {
        char* mrl = libvlc_media_get_mrl(engine.media);
        const QString text = QString::fromUtf8(mrl);
        libvlc_free(mrl);
        return text;
    }

    QWidget window;
    VlcPlayer engine;
};

// base, folders of the padding letter (no name over 100 bytes), then "x.mp4": exactly
// bytes long in UTF-8.
QByteArray pathOfBytes(const QByteArray& base, int bytes, const QByteArray& letter) {
    const QByteArray name = "x.mp4";
    QByteArray path = base;
    int room = bytes - static_cast<int>(base.size() + name.size()); // folders and slashes
    while (room > 0) {
        int part = std::min(room, 101);
        if (room - part == 1)
            --part; // never leave a folder of no letters
        const int nameBytes = part - 1;
        QByteArray folder = letter.repeated(nameBytes / static_cast<int>(letter.size()));
        folder += QByteArray(nameBytes - folder.size(), 'x'); // an odd byte
        path += folder + '/';
        room -= part;
    }
    return path + name;
}

} // namespace

TEST(VlcPlayerFresh, AnswersNeutrallyBeforeAndAfterRelease) {
    VlcPlayer engine;
    const auto expectNeutral = [&engine](const char* when) {
        SCOPED_TRACE(when);
        EXPECT_EQ(engine.kind(), 1);
        EXPECT_EQ(engine.getState(), 0);
        EXPECT_EQ(engine.getTime(), 0);
        EXPECT_EQ(engine.getLength(), 0);
        EXPECT_EQ(engine.getVolume(), 0);
        EXPECT_FALSE(engine.isPlaying());
        EXPECT_FALSE(engine.hasVideo());
        EXPECT_FALSE(engine.isMuted());
        EXPECT_FALSE(engine.setVolume(50));
        EXPECT_FALSE(engine.openMedia(clipPath("clip.mp4")));
        engine.play();
        engine.pause();
        engine.stop();
        engine.setTime(1000);
        engine.toggleMute();
        EXPECT_EQ(engine.instance, nullptr);
        EXPECT_EQ(engine.player, nullptr);
        EXPECT_EQ(engine.media, nullptr);
    };
    EXPECT_EQ(engine.eventCallback, nullptr);
    EXPECT_EQ(engine.eventManager, nullptr);
    EXPECT_EQ(engine.version, libvlc_get_version());
    expectNeutral("constructed");

    ASSERT_TRUE(engine.initialize(nullptr));
    EXPECT_NE(engine.eventManager, nullptr);
    EXPECT_EQ(engine.getState(), libvlc_NothingSpecial);
    engine.release();
    EXPECT_EQ(engine.eventManager, nullptr);
    expectNeutral("released");
}

TEST_F(VlcPlayerTest, PlaysAClipWithPictureLengthAndSeeks) {
    playClip(clipPath("clip.mp4"));
    EXPECT_TRUE(engine.isPlaying());
    EXPECT_TRUE(waitFor([this] { return engine.hasVideo(); }, startMs));
    ASSERT_TRUE(waitFor([this] { return engine.getLength() > 0; }, startMs));
    EXPECT_NEAR(static_cast<double>(engine.getLength()), 3000.0, 200.0);
    EXPECT_EQ(engine.cachedLength, engine.getLength());

    engine.setTime(2000);
    EXPECT_TRUE(waitFor([this] { return engine.getTime() >= 1900; }, startMs))
        << "time stayed at " << engine.getTime();

    engine.pause();
    EXPECT_TRUE(waitFor([this] { return engine.getState() == libvlc_Paused; }, startMs));
    EXPECT_FALSE(engine.isPlaying());
}

TEST_F(VlcPlayerTest, LengthIsAskedUntilKnownAndForgottenOnStop) {
    ASSERT_TRUE(engine.openMedia(clipPath("long.mp4")));
    // Not parsed yet: the library's own answer is kept, and asked for again next time.
    const std::int64_t before = engine.getLength();
    EXPECT_LE(before, 0);
    EXPECT_EQ(engine.cachedLength, before);

    engine.play();
    ASSERT_TRUE(waitFor([this] { return engine.getLength() > 0; }, startMs));
    EXPECT_NEAR(static_cast<double>(engine.cachedLength), 20000.0, 200.0);

    engine.stop();
    EXPECT_EQ(engine.cachedLength, 0);
    EXPECT_FALSE(engine.isPlaying());
    EXPECT_EQ(engine.getState(), libvlc_Stopped);
}

TEST_F(VlcPlayerTest, OpeningAnotherFileStopsAndReplacesTheMedia) {
    playClip(clipPath("clip.mp4"));
    ASSERT_TRUE(waitFor([this] { return engine.getLength() > 0; }, startMs));

    ASSERT_TRUE(engine.openMedia(clipPath("long.mp4")));
    EXPECT_FALSE(engine.isPlaying());
    EXPECT_EQ(engine.cachedLength, 0);
    EXPECT_TRUE(mediaMrl().endsWith(QStringLiteral("/long.mp4"))) << mediaMrl().toStdString();
    EXPECT_EQ(libvlc_media_player_get_media(engine.player), engine.media);
    libvlc_media_release(engine.media); // the reference get_media just took

    engine.play();
    ASSERT_TRUE(waitFor([this] { return engine.getLength() > 0; }, startMs));
    EXPECT_NEAR(static_cast<double>(engine.getLength()), 20000.0, 200.0);
}

TEST_F(VlcPlayerTest, PathsLongerThan259Utf8BytesAreRefused) {
    // Paths are padded to an exact UTF-8 length with ASCII or with two-byte letters; the
    // two-byte case is well under 259 UTF-16 units, so only a byte count refuses it.
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QByteArray base = QFile::encodeName(dir.path()) + '/';
    ASSERT_LT(base.size(), 120);
    const struct {
        int bytes;
        const char* pad; // one letter of padding
        bool kept;
    } cases[] = {{259, "d", true},
                 {260, "d", false},
                 {259, "\u00e9", true},
                 {260, "\u00e9", false},
                 {300, "d", false}};
    for (const auto& c : cases) {
        ASSERT_TRUE(engine.openMedia(clipPath("clip.mp4")));
        SCOPED_TRACE(testing::Message() << c.bytes << " bytes of " << c.pad);
        const QByteArray path = pathOfBytes(base, c.bytes, QByteArray(c.pad));
        ASSERT_EQ(path.size(), c.bytes);
        const QString file = QString::fromUtf8(path);
        ASSERT_TRUE(QDir().mkpath(file.section(u'/', 0, -2)));
        ASSERT_TRUE(QFile::copy(clipPath("short.mp4"), file));

        EXPECT_EQ(engine.openMedia(file), c.kept);
        if (c.kept) {
            EXPECT_TRUE(mediaMrl().endsWith(QStringLiteral("/x.mp4"))) << mediaMrl().toStdString();
            engine.play();
            EXPECT_TRUE(waitFor([this] { return engine.getLength() > 0; }, startMs));
        } else {
            // The media opened before stays; nothing else is handed to the library.
            EXPECT_TRUE(mediaMrl().endsWith(QStringLiteral("/clip.mp4")))
                << mediaMrl().toStdString();
        }
        engine.stop();
    }
}

TEST_F(VlcPlayerTest, ToggleMuteTwiceRestoresTheState) {
    playClip(clipPath("long.mp4"));
    // The mute state is defined once the audio output exists.
    ASSERT_TRUE(waitFor([this] { return libvlc_audio_get_mute(engine.player) >= 0; }, startMs));
    const bool before = engine.isMuted();
    engine.toggleMute();
    EXPECT_NE(engine.isMuted(), before);
    engine.toggleMute();
    EXPECT_EQ(engine.isMuted(), before);

    EXPECT_TRUE(engine.setVolume(40));
    EXPECT_EQ(engine.getVolume(), 40);
}

TEST_F(VlcPlayerTest, AudioOnlyClipHasNoVideo) {
    playClip(clipPath("audio.mp4"));
    ASSERT_TRUE(waitFor([this] { return engine.getTime() > 0; }, startMs));
    EXPECT_FALSE(engine.hasVideo());
}

TEST_F(VlcPlayerTest, UnplayableFilesOpenButNeverPlay) {
    for (const char* name : {"empty.mp4", "random.mp4", "truncated.mp4", "missing.mp4"}) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(engine.openMedia(clipPath(name)));
        engine.play();
        // The library gives up with an error or an end, never a picture.
        EXPECT_TRUE(waitFor(
            [this] {
                const int state = engine.getState();
                return state == libvlc_Error || state == libvlc_Ended;
            },
            startMs))
            << "state " << engine.getState();
        EXPECT_FALSE(engine.hasVideo());
        engine.stop();
    }
    // The same engine still plays a good file afterwards.
    playClip(clipPath("clip.mp4"));
}
