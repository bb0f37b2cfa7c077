#include "playback/VlcPlayer.h"

#include <QWidget>

VlcPlayer::VlcPlayer() {
    const char* v = libvlc_get_version();
    version = v != nullptr ? v : "";
}

VlcPlayer::~VlcPlayer() {
    release();
}

int VlcPlayer::kind() {
    return 1;
}

bool VlcPlayer::initialize(QWidget*) {
    const char* const args[] = {"--no-video-title-show", "--no-keyboard-events",
                                "--no-mouse-events"};
    instance = libvlc_new(3, args);
    if (instance == nullptr)
        return false;
    player = libvlc_media_player_new(instance);
    if (player == nullptr)
        return false;
    eventManager = libvlc_media_player_event_manager(player);
    if (eventManager == nullptr)
        return false;
    // Keys and clicks over the picture belong to the player's own windows.
    libvlc_video_set_key_input(player, 0);
    libvlc_video_set_mouse_input(player, 0);
    return true;
}

void VlcPlayer::release() {
    if (player != nullptr)
        libvlc_media_player_release(player);
    player = nullptr;
    eventManager = nullptr; // belongs to the player
    if (media != nullptr)
        libvlc_media_release(media);
    media = nullptr;
    if (instance != nullptr)
        libvlc_release(instance);
    instance = nullptr;
}

bool VlcPlayer::openMedia(const QString& path) {
    // The path ends at its first NUL, as a zero-terminated text would.
    const qsizetype nul = path.indexOf(QChar(u'\0'));
    const QByteArray utf8 = (nul < 0 ? path : path.left(nul)).toUtf8();
    // Refused rather than cut or emptied: the library reads an empty path as the working
    // folder, and the open would pass for a success while nothing can play.
    if (utf8.size() > maxPathBytes || player == nullptr)
        return false;
    if (isPlaying())
        stop();
    if (media != nullptr)
        libvlc_media_release(media);
    media = libvlc_media_new_path(instance, utf8.constData());
    if (media == nullptr)
        return false;
    libvlc_media_player_set_media(player, media);
    return true;
}

void VlcPlayer::play() {
    if (player != nullptr)
        libvlc_media_player_play(player);
}

bool VlcPlayer::isPlaying() {
    return player != nullptr && libvlc_media_player_is_playing(player) != 0;
}

void VlcPlayer::pause() {
    if (player != nullptr)
        libvlc_media_player_pause(player);
}

void VlcPlayer::stop() {
    if (player != nullptr)
        libvlc_media_player_stop(player);
    cachedLength = 0;
}

std::int64_t VlcPlayer::getTime() {
    return player != nullptr ? libvlc_media_player_get_time(player) : 0;
}

std::int64_t VlcPlayer::getLength() {
    if (player == nullptr)
        return 0;
    if (cachedLength > 0)
        return cachedLength;
    // Asked again on every call until the library knows a positive length.
    cachedLength = libvlc_media_player_get_length(player);
    return cachedLength;
}

void VlcPlayer::setTime(std::int64_t ms) {
    if (player != nullptr)
        libvlc_media_player_set_time(player, ms);
}

int VlcPlayer::getVolume() {
    return player != nullptr ? libvlc_audio_get_volume(player) : 0;
}

bool VlcPlayer::setVolume(int volume) {
    return player != nullptr && libvlc_audio_set_volume(player, volume) == 0;
}

int VlcPlayer::getState() {
    return player != nullptr ? static_cast<int>(libvlc_media_player_get_state(player)) : 0;
}

void VlcPlayer::reserved(int) {}

void VlcPlayer::setWindow(QWidget* window) {
    if (player != nullptr)
        libvlc_media_player_set_xwindow(
            player, window != nullptr ? static_cast<std::uint32_t>(window->winId()) : 0);
}

bool VlcPlayer::isMuted() {
    return player != nullptr && libvlc_audio_get_mute(player) != 0;
}

void VlcPlayer::toggleMute() {
    // An undefined mute state (negative answer) counts as muted, so the toggle unmutes.
    if (player != nullptr)
        libvlc_audio_set_mute(player, isMuted() ? 0 : 1);
}

bool VlcPlayer::hasVideo() {
    return player != nullptr && libvlc_video_get_track_count(player) != 0;
}

void VlcPlayer::attachEvents() {
    static constexpr libvlc_event_type_t events[] = {
        libvlc_MediaPlayerTimeChanged, libvlc_MediaPlayerPlaying, libvlc_MediaPlayerPaused,
        libvlc_MediaPlayerStopped, libvlc_MediaPlayerEndReached};
    for (libvlc_event_type_t type : events)
        libvlc_event_attach(eventManager, type, eventCallback, nullptr);
}
