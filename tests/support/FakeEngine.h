#pragma once

#include "playback/MediaPlayer.h"

#include <QSet>
#include <QString>
#include <memory>
#include <string>
#include <vector>

// An engine that plays nothing: it keeps the state the controller drives it into and
// writes every call into a log that outlives it.
class FakeEngine : public MediaPlayer {
public:
    using Log = std::vector<std::string>;

    explicit FakeEngine(std::shared_ptr<Log> log, int kindValue = 1)
        : calls(std::move(log)), kindValue(kindValue) {}
    ~FakeEngine() override { calls->push_back("destroy"); }

    int kind() override { return kindValue; }
    bool initialize(QWidget*) override {
        calls->push_back("initialize");
        return initializeResult;
    }
    void release() override { calls->push_back("release"); }
    bool openMedia(const QString& path) override {
        calls->push_back("openMedia " + path.toStdString());
        if (failPaths.contains(path))
            return false;
        if (state == 3)
            stop();
        state = 0;
        time = 0;
        return true;
    }
    void play() override {
        calls->push_back("play");
        state = 3;
    }
    bool isPlaying() override { return stuckPlaying || state == 3; }
    void pause() override {
        calls->push_back("pause");
        if (state == 3)
            state = 4;
    }
    void stop() override {
        calls->push_back("stop");
        state = 5;
        cachedLength = 0;
    }
    std::int64_t getTime() override { return time; }
    std::int64_t getLength() override { return length; }
    void setTime(std::int64_t ms) override {
        calls->push_back("setTime " + std::to_string(ms));
        time = ms;
    }
    int getVolume() override { return volume; }
    bool setVolume(int v) override {
        calls->push_back("setVolume " + std::to_string(v));
        volume = v;
        return true;
    }
    int getState() override { return state; }
    void setWindow(QWidget* w) override {
        calls->push_back("setWindow");
        window = w;
    }
    bool isMuted() override { return muted; }
    void toggleMute() override {
        calls->push_back("toggleMute");
        muted = !muted;
    }
    bool hasVideo() override { return video; }

    std::shared_ptr<Log> calls;
    int kindValue;
    int state = 0;
    std::int64_t time = 0;
    std::int64_t length = 0;
    int volume = 100;
    bool muted = false;
    bool video = true;
    bool initializeResult = true;
    bool stuckPlaying = false; // reports playing whatever it is told
    QSet<QString> failPaths;
    QWidget* window = nullptr;
};
