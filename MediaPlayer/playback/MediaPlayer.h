#pragma once

#include <QString>
#include <cstdint>

class QWidget;

// The media engine as the controller sees it. Times are milliseconds; states use the
// engine library's numbering (3 playing, 4 paused, 6 ended).
class MediaPlayer {
public:
    virtual ~MediaPlayer();
    virtual int kind();
    virtual bool initialize(QWidget* owner) = 0;
    virtual void release() = 0;
    virtual bool openMedia(const QString& path) = 0;
    virtual void play() = 0;
    virtual bool isPlaying() = 0;
    virtual void pause() = 0;
    virtual void stop() = 0;
    virtual std::int64_t getTime() = 0;
    virtual std::int64_t getLength() = 0;
    virtual void setTime(std::int64_t ms) = 0;
    virtual int getVolume() = 0;
    virtual bool setVolume(int volume) = 0;
    virtual int getState() = 0;
    virtual void reserved(int value);
    virtual void setWindow(QWidget* window) = 0;
    virtual bool isMuted() = 0;
    virtual void toggleMute() = 0;
    virtual bool hasVideo();

    // Length of the current media as last fetched; 0 at construction and after stop.
    std::int64_t cachedLength = 0;
};
