#pragma once

#include "playback/PlayListData.h"

#include <QString>
#include <cstdint>
#include <functional>

class MediaPlayer;
struct libvlc_event_t;

// The playback controller: owns the engine and the folder play list, keeps the current
// file, the volume and the mute flag, and turns commands into engine calls.
class PlayLogic {
public:
    PlayLogic() = default;
    virtual ~PlayLogic();
    PlayLogic(const PlayLogic&) = delete;
    PlayLogic& operator=(const PlayLogic&) = delete;

    bool openFile(const QString& path);
    void play();
    void pause();
    void stop();
    bool isPlaying();
    void skip(int direction);
    bool seekStep(int direction);
    void stepVolume(int direction);
    void setVolume(int value);
    void toggleMute();
    bool canSkip();
    void timerProc();

    // The engine library's event callback; runs on the library's threads and only hands
    // the event to the GUI thread, where onEngineEvent runs it.
    static void handleProc(const libvlc_event_t* event, void* data);
    void onEngineEvent(int type);

    bool createMediaPlayer(int kind);
    bool loadMedia(const QString& path);
    void applyVolume();
    void refreshVideoVisibility();
    void setCurrentFile(const QString& path);
    static int mediaKindOf(const QString& path);

    // Makes the engine for a media kind; tests put a fake engine here.
    using EngineFactory = std::function<MediaPlayer*(int kind)>;
    static void setEngineFactory(EngineFactory factory);

    // Longest wait for the engine to leave the playing state after a pause or stop.
    static constexpr unsigned long engineWaitLimitMs = 5000;
    static constexpr std::int64_t seekStepMs = 5000;
    static constexpr int volumeStep = 10;

    MediaPlayer* mediaPlayer = nullptr;
    PlayListData playList;
    QString filePath;
    QString fileName;
    std::int32_t volume = 100;
    bool muted = false;
    std::int32_t mediaKind = 0;

private:
    void waitWhilePlaying();
    void destroyEngine();
};
