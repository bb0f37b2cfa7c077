#include "playback/MediaPlayer.h"

MediaPlayer::~MediaPlayer() = default;

int MediaPlayer::kind() {
    return 0;
}

void MediaPlayer::reserved(int) {}

bool MediaPlayer::hasVideo() {
    return true;
}
