#include "Desktop.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <functional>

namespace e2e {
namespace {

// What the player does with a file it is started with.
enum class Outcome {
    Plays,      // title shows the file, the picture shows the clip
    PlaysSound, // title shows the file, the window stays black
    ErrorBox,   // "Could not load the file", captioned Corvilo
    StaysIdle,  // no message, nothing plays
};

// Copies a clip into dir under the given relative path, folders included.
QString place(const QTemporaryDir& dir, const QString& clip, const QString& relative) {
    const QString path = dir.filePath(relative);
    if (!QDir().mkpath(QFileInfo(path).path()) || !QFile::copy(clipPath(clip), path))
        return QString();
    return path;
}

// A copy of clip.mp4 whose full path is exactly `bytes` bytes of UTF-8.
QString placeWithPathLength(const QTemporaryDir& dir, int bytes) {
    const QString folderName(50, u'd');
    QString relative = QStringLiteral("long");
    const qsizetype base = dir.path().toUtf8().size() + 1;
    while (base + relative.size() + 1 + folderName.size() + 1 + 10 <= bytes)
        relative += u'/' + folderName;
    const qsizetype nameLength = bytes - base - relative.size() - 1 - 4;
    const QString path =
        place(dir, QStringLiteral("clip.mp4"),
              relative + u'/' + QString(nameLength, u'f') + QStringLiteral(".mp4"));
    return path.toUtf8().size() == bytes ? path : QString();
}

struct OddInput {
    const char* name;
    // Makes the input in the folder; returns the program's arguments.
    std::function<QStringList(const QTemporaryDir&)> args;
    Outcome outcome;
    // For the outcomes that play: the name in the title; empty for the argument's own.
    QString shownName = {};
};

void PrintTo(const OddInput& input, std::ostream* os) {
    *os << input.name;
}

class OddInputTest : public DesktopTest, public ::testing::WithParamInterface<OddInput> {
protected:
    QTemporaryDir dir;
};

TEST_P(OddInputTest, HandlesTheInputAndCanStillPlayAGoodFile) {
    const OddInput& input = GetParam();
    ASSERT_TRUE(dir.isValid());
    const QStringList args = input.args(dir);
    ASSERT_FALSE(args.isEmpty() || args.first().isEmpty()) << "could not make the input";
    ASSERT_TRUE(start({args}));

    const QString name =
        input.shownName.isEmpty() ? QFileInfo(args.join(u' ')).fileName() : input.shownName;
    const QString playingTitle = QStringLiteral("Corvilo - ") + name;
    switch (input.outcome) {
    case Outcome::Plays: {
        ASSERT_TRUE(player->waitForTitle(playingTitle, 3000))
            << "title: " << player->title().toStdString();
        int colours = 0;
        EXPECT_TRUE(
            waitFor([&] { return (colours = distinctColours(player->grabVideo())) >= 5; }, 2000))
            << colours << " colours in the picture";
        break;
    }
    case Outcome::PlaysSound:
        ASSERT_TRUE(player->waitForTitle(playingTitle, 3000))
            << "title: " << player->title().toStdString();
        EXPECT_EQ(colourName(player->grabVideo()), QStringLiteral("black"));
        // Two seconds of sound, then the player is idle again.
        EXPECT_TRUE(player->waitForTitle(QStringLiteral("Corvilo"), 4000));
        break;
    case Outcome::ErrorBox: {
        ASSERT_TRUE(player->waitForDialog(QStringLiteral("Corvilo"), 3000));
        const auto boxes = player->dialogs();
        ASSERT_EQ(boxes.size(), 1u);
        ASSERT_TRUE(player->keysTo(boxes.front().id, QStringLiteral("Return")));
        EXPECT_TRUE(waitFor([&] { return player->dialogs().empty(); }, 2000));
        EXPECT_TRUE(player->waitForTitle(QStringLiteral("Corvilo"), 1000))
            << "title: " << player->title().toStdString();
        break;
    }
    case Outcome::StaysIdle:
        // Long enough for a good 3 s clip to be still playing if it had been opened.
        EXPECT_TRUE(holdsFor([&] { return player->dialogs().empty(); }, 2000));
        EXPECT_TRUE(player->waitForTitle(QStringLiteral("Corvilo"), 1000))
            << "title: " << player->title().toStdString();
        EXPECT_TRUE(holdsFor(
            [&] {
                return player->dialogs().empty() && player->title() == QStringLiteral("Corvilo");
            },
            500));
        break;
    }

    ASSERT_TRUE(player->running()) << player->errorOutput().toStdString();
    ASSERT_TRUE(player->openThroughDialog(clipPath(QStringLiteral("clip.mp4"))));
    EXPECT_TRUE(player->waitForTitle(QStringLiteral("Corvilo - clip.mp4"), 3000))
        << "title: " << player->title().toStdString();
    EXPECT_EQ(player->closeAndWait(3000), 0);
}

// Each broken clip sits alone in its folder, so there is no next file to move on to.
OddInput alone(const char* name, const char* clip, Outcome outcome) {
    return {name,
            [clip](const QTemporaryDir& dir) {
                return QStringList{place(dir, QString::fromUtf8(clip), QString::fromUtf8(clip))};
            },
            outcome};
}

INSTANTIATE_TEST_SUITE_P(
    StartedWith, OddInputTest,
    ::testing::Values(
        OddInput{"Directory",
                 [](const QTemporaryDir& dir) {
                     const QString path = dir.filePath(QStringLiteral("folder.mp4"));
                     return QStringList{QDir().mkpath(path) ? path : QString()};
                 },
                 Outcome::StaysIdle},
        OddInput{"OtherExtension",
                 [](const QTemporaryDir& dir) {
                     return QStringList{
                         place(dir, QStringLiteral("clip.mp4"), QStringLiteral("x.avi"))};
                 },
                 Outcome::ErrorBox},
        alone("EmptyFile", "empty.mp4", Outcome::StaysIdle),
        alone("RandomBytes", "random.mp4", Outcome::StaysIdle),
        alone("Truncated", "truncated.mp4", Outcome::StaysIdle),
        alone("AudioOnly", "audio.mp4", Outcome::PlaysSound),
        OddInput{"NonAsciiPath",
                 [](const QTemporaryDir& dir) {
                     return QStringList{place(dir, QStringLiteral("clip.mp4"),
                                              QStringLiteral("vidéo ü/ñ clip.mp4"))};
                 },
                 Outcome::Plays},
        // The arguments are joined with single blanks into one path, empty ones included.
        OddInput{"PathSplitAtBlanks",
                 [](const QTemporaryDir& dir) {
                     const QString path =
                         place(dir, QStringLiteral("clip.mp4"), QStringLiteral("my  clip.mp4"));
                     return path.isEmpty() ? QStringList{path} : path.split(u' ');
                 },
                 Outcome::Plays},
        OddInput{
            "Path259Bytes",
            [](const QTemporaryDir& dir) { return QStringList{placeWithPathLength(dir, 259)}; },
            Outcome::Plays},
        // Longer paths are refused, so the open fails with the error box.
        OddInput{
            "Path260Bytes",
            [](const QTemporaryDir& dir) { return QStringList{placeWithPathLength(dir, 260)}; },
            Outcome::ErrorBox},
        // A file that fails in the engine counts as ended: the folder's next file plays.
        OddInput{"BrokenFileBeforeAGoodOne",
                 [](const QTemporaryDir& dir) {
                     place(dir, QStringLiteral("clip.mp4"), QStringLiteral("b-good.mp4"));
                     return QStringList{
                         place(dir, QStringLiteral("random.mp4"), QStringLiteral("a-broken.mp4"))};
                 },
                 Outcome::Plays, QStringLiteral("b-good.mp4")}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace e2e
