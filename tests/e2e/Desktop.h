#pragma once

// Drives the built player on the test X server: starts it, finds its windows, types keys
// into it, takes screenshots and closes it through the window manager. Every wait is
// bounded.

#include "Waiting.h"

#include <QImage>
#include <QProcess>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <vector>

namespace e2e {

QString playerPath();

// Runs a helper tool and returns its standard output; the tool is killed after timeoutMs.
QByteArray runTool(const QString& program, const QStringList& args, int timeoutMs = 5000,
                   bool* ok = nullptr);

// A top-level window the window manager knows of.
struct TopWindow {
    QString id;
    qint64 pid = 0;
    QString title;
    bool dialog = false;
};

std::vector<TopWindow> topWindows();
// Presses keys (xdotool names, e.g. "ctrl+o") on whatever has the focus, through XTEST, as
// a user would: the window manager sees them first.
void pressKeys(const QString& keys);
// Makes the window the active one and waits until it is.
bool activate(const QString& windowId);
QSize screenSize();
// Where the window's inside is on the screen.
QRect windowGeometry(const QString& windowId);
// The window's inside, from a screenshot of the screen.
QImage grabWindow(const QString& windowId);

// --- reading screenshots -------------------------------------------------------------------

// The middle of the picture, clear of letterbox bars and the window's edges.
QImage middleOf(const QImage& image);
// Colours (3 bits a channel) covering at least 1% of the image.
int distinctColours(const QImage& image);
// "red", "green", "blue", "white", "black" or "other", for the average of the image.
QString colourName(const QImage& image);

// --- the player ----------------------------------------------------------------------------

struct Launch {
    QStringList args;
    QString alsaConfig = {}; // the ALSA configuration; empty: a null sound device
};

class Player {
public:
    explicit Player(const Launch& launch);
    ~Player();
    Player(const Player&) = delete;
    Player& operator=(const Player&) = delete;

    // Starts the program and waits for its main window.
    bool start(int timeoutMs = 5000);
    bool running() const;
    qint64 pid() const;

    std::vector<TopWindow> windows() const;
    std::optional<TopWindow> mainWindow() const;
    std::vector<TopWindow> dialogs() const;
    QString title() const;
    bool waitForTitle(const QString& title, int timeoutMs);
    bool waitForDialog(const QString& title, int timeoutMs);

    // Activates the main window (or the given one) and presses keys there.
    bool keys(const QString& keys);
    bool keysTo(const QString& windowId, const QString& keys);

    QImage grab() const;
    QImage grabVideo() const { return middleOf(grab()); }
    bool waitForColour(const QString& name, int timeoutMs);

    // Everything the program has written to stderr so far.
    QString errorOutput() const;
    int countInErrorOutput(const QString& text) const;
    bool waitForErrorOutput(const QString& text, int times, int timeoutMs);

    // Opens a file through Ctrl+O and the Open dialog, typing its path.
    bool openThroughDialog(const QString& path);

    // Asks the window manager to close the main window (Alt+F4) and waits for the exit.
    // Returns the exit code, or nothing when the program did not end normally in time.
    std::optional<int> closeAndWait(int timeoutMs = 3000);
    void kill();

private:
    Launch launch;
    QTemporaryDir dir;
    std::unique_ptr<QProcess> process;
};

// Kills a player left running by a failed test.
class DesktopTest : public ::testing::Test {
protected:
    // Starts the player into `player`; false (with the program's stderr reported) when no
    // main window came up.
    [[nodiscard]] bool start(const Launch& launch);
    void SetUp() override;
    void TearDown() override;

    std::unique_ptr<Player> player;
};

} // namespace e2e
