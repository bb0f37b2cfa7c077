#include "Desktop.h"

#include <QElapsedTimer>
#include <functional>

namespace e2e {
namespace {

using StartupTest = DesktopTest;

TEST_F(StartupTest, PlaysTheFileOnTheCommandLineAndExitsWithZeroWhenClosed) {
    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(start({{clipPath(QStringLiteral("clip.mp4"))}}));
    const int left = 3000 - static_cast<int>(clock.elapsed());
    ASSERT_TRUE(player->waitForTitle(QStringLiteral("Corvilo - clip.mp4"), left))
        << "title: " << player->title().toStdString();

    // The colour bars of the test pattern, not a black or blank window.
    int colours = 0;
    EXPECT_TRUE(
        waitFor([&] { return (colours = distinctColours(player->grabVideo())) >= 5; }, 2000))
        << colours << " colours in the picture";
    EXPECT_TRUE(player->dialogs().empty());

    EXPECT_EQ(player->closeAndWait(3000), 0);
}

struct EmptyStart {
    const char* name;
    std::function<QStringList()> args;
};

void PrintTo(const EmptyStart& start, std::ostream* os) {
    *os << start.name;
}

class StartsEmptyTest : public DesktopTest, public ::testing::WithParamInterface<EmptyStart> {};

// None of these names a readable file: the player comes up idle and says nothing.
TEST_P(StartsEmptyTest, ShowsAnIdleWindowWithoutAnyMessage) {
    ASSERT_TRUE(start({GetParam().args()}));
    ASSERT_TRUE(player->waitForTitle(QStringLiteral("Corvilo"), 3000))
        << "title: " << player->title().toStdString();
    EXPECT_TRUE(holdsFor(
        [&] {
            return player->running() && player->windows().size() == 1 &&
                   player->title() == QStringLiteral("Corvilo");
        },
        1500))
        << "running: " << player->running() << ", windows: " << player->windows().size()
        << ", title: " << player->title().toStdString();
    EXPECT_EQ(player->closeAndWait(3000), 0);
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, StartsEmptyTest,
    ::testing::Values(
        EmptyStart{"NoArgument", [] { return QStringList(); }},
        EmptyStart{"MissingFile",
                   [] { return QStringList{clipPath(QStringLiteral("no-such-clip.mp4"))}; }},
        // Quotes are part of the path, so this names no file.
        EmptyStart{"QuotedPath",
                   [] { return QStringList{u'"' + clipPath(QStringLiteral("clip.mp4")) + u'"'}; }}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace e2e
