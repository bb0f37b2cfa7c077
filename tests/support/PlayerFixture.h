#pragma once

#include "FakeEngine.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

class PlayLogic;

// Shuts the player down as the close does and destroys its main window, leaving the
// application ready for the next test.
void endPlayer();

struct ErrorBoxCall {
    QString text;
    QString caption;
};

// The player started for real (main window, controller, video window, timer) with fake
// engines, a recorded error box and a temporary folder of empty clips.
class PlayerFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Creates empty files in the temporary folder; returns the full path of the first.
    QString makeFiles(const QStringList& names);
    QString pathOf(const QString& name) const;
    // The engine the controller holds now (null when none).
    FakeEngine* engine() const;
    // Runs queued events.
    void processEvents();

    QTemporaryDir dir;
    std::shared_ptr<FakeEngine::Log> log = std::make_shared<FakeEngine::Log>();
    std::vector<ErrorBoxCall> errorBoxes;
    QSet<QString> failPaths; // paths every new engine fails to open
    int enginesMade = 0;
    bool initializeResult = true;
    int engineKind = 1;
};
