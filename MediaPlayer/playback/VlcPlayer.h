#pragma once

#include "playback/MediaPlayer.h"

#include <string>
#include <vlc/vlc.h>

// The engine over libvlc: one library instance, one player rendering into the render
// window, and the media of the open file.
class VlcPlayer : public MediaPlayer {
public:
    VlcPlayer();
    ~VlcPlayer() override;

    int kind() override;
    bool initialize(QWidget* owner) override;
    void release() override;
    bool openMedia(const QString& path) override;
    void play() override;
    bool isPlaying() override;
    void pause() override;
    void stop() override;
    std::int64_t getTime() override;
    std::int64_t getLength() override;
    void setTime(std::int64_t ms) override;
    int getVolume() override;
    bool setVolume(int volume) override;
    int getState() override;
    void reserved(int value) override;
    void setWindow(QWidget* window) override;
    bool isMuted() override;
    void toggleMute() override;
    bool hasVideo() override;

    // Attaches eventCallback to the player events the controller reacts to.
    void attachEvents();

    // Longest UTF-8 path the library is given; openMedia refuses longer ones.
    static constexpr int maxPathBytes = 259;

    std::string version;
    libvlc_instance_t* instance = nullptr;
    libvlc_media_player_t* player = nullptr;
    libvlc_media_t* media = nullptr;
    libvlc_event_manager_t* eventManager = nullptr;
    libvlc_callback_t eventCallback = nullptr;
};
