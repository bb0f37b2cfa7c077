#include "playback/PlayLogic.h"

#include "app/AppGlobals.h"
#include "app/Corvilo.h"
#include "platform/Shell.h"
#include "playback/VlcPlayer.h"
#include "ui/PlayWnd.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <algorithm>
#include <array>

namespace {

constexpr int statePlaying = libvlc_Playing;
constexpr int statePaused = libvlc_Paused;
constexpr int stateEnded = libvlc_Ended;

struct KindRow {
    const char16_t* extension;
    int kind;
};

// Extensions (after the last '.', lower-cased) with an engine kind of their own; anything
// else is played by the libvlc engine (kind 1).
constexpr KindRow kindTable[] = {
    {u"swf", 2},
    {u"fla", 2},
};

using Action = void (PlayLogic::*)();

struct EventRow {
    int type;
    const char* diagnostic;
    std::array<Action, 2> actions;
};

// What each engine event does, in order, on the GUI thread.
constexpr EventRow eventTable[] = {
    {libvlc_MediaPlayerPlaying,
     "handleProc: libvlc_MediaPlayerPlaying\n",
     {&PlayLogic::refreshVideoVisibility, &PlayLogic::applyVolume}},
    {libvlc_MediaPlayerPaused, "handleProc: libvlc_MediaPlayerPaused\n", {}},
    {libvlc_MediaPlayerStopped, "handleProc: libvlc_MediaPlayerStopped\n", {}},
    {libvlc_MediaPlayerTimeChanged, nullptr, {&PlayLogic::refreshVideoVisibility}},
};

MediaPlayer* makeDefaultEngine(int kind) {
    return kind == 1 ? new VlcPlayer : nullptr;
}

PlayLogic::EngineFactory& engineFactory() {
    static PlayLogic::EngineFactory factory = makeDefaultEngine;
    return factory;
}

} // namespace

void PlayLogic::setEngineFactory(EngineFactory factory) {
    engineFactory() = factory ? std::move(factory) : EngineFactory(makeDefaultEngine);
}

PlayLogic::~PlayLogic() {
    destroyEngine();
}

void PlayLogic::destroyEngine() {
    if (mediaPlayer == nullptr)
        return;
    mediaPlayer->release();
    delete mediaPlayer;
    mediaPlayer = nullptr;
}

bool PlayLogic::openFile(const QString& path) {
    stop();
    if (!playList.isSupported(path) || !loadMedia(path)) {
        platform::errorBox(mainWindow, QStringLiteral("Could not load the file"),
                           QString::fromUtf16(Corvilo::displayName));
        return false;
    }
    play();
    playList.loadFolder(path);
    return true;
}

bool PlayLogic::loadMedia(const QString& path) {
    const int kind = mediaKindOf(path);
    PlayWnd* wnd = PlayWnd::instance();
    if (wnd == nullptr || !wnd->open(kind))
        return false;
    if (!createMediaPlayer(kind))
        return false;
    if (mediaPlayer == nullptr || !mediaPlayer->openMedia(path))
        return false;
    setCurrentFile(path);
    mediaKind = kind;
    return true;
}

bool PlayLogic::createMediaPlayer(int kind) {
    if (mediaKind == kind && mediaPlayer != nullptr)
        return true;
    destroyEngine();
    mediaPlayer = engineFactory()(kind);
    if (mediaPlayer == nullptr)
        return false;
    if (!mediaPlayer->initialize(mainWindow)) {
        destroyEngine();
        return false;
    }
    PlayWnd* wnd = PlayWnd::instance();
    mediaPlayer->setWindow(wnd != nullptr ? wnd->renderHwnd : nullptr);
    if (auto* vlc = dynamic_cast<VlcPlayer*>(mediaPlayer)) {
        vlc->eventCallback = &PlayLogic::handleProc;
        if (vlc->eventManager != nullptr)
            vlc->attachEvents();
    }
    return true;
}

void PlayLogic::play() {
    while (mediaPlayer == nullptr) {
        if (filePath.isEmpty() || !loadMedia(filePath)) {
            stop();
            return;
        }
    }
    if (mediaPlayer->getState() == statePlaying)
        return;
    mediaPlayer->play();
    if (PlayWnd* wnd = PlayWnd::instance())
        wnd->showRenderWindow(mediaPlayer->hasVideo());
    applyVolume();
}

void PlayLogic::waitWhilePlaying() {
    // An engine that never leaves the playing state must not freeze the window.
    constexpr unsigned long pollMs = 100;
    for (unsigned long waited = 0; mediaPlayer->isPlaying() && waited < engineWaitLimitMs;
         waited += pollMs)
        platform::sleepMs(pollMs);
}

void PlayLogic::pause() {
    if (mediaPlayer == nullptr || !mediaPlayer->isPlaying())
        return;
    mediaPlayer->pause();
    waitWhilePlaying();
}

void PlayLogic::stop() {
    if (mediaPlayer != nullptr) {
        mediaPlayer->stop();
        waitWhilePlaying();
    }
}

bool PlayLogic::isPlaying() {
    return mediaPlayer != nullptr && mediaPlayer->isPlaying();
}

void PlayLogic::skip(int direction) {
    if (playList.count() < 2 || playList.currentIndex() < 0)
        return;
    // A file that has just started and reports no position yet is not skipped.
    if (mediaPlayer != nullptr && mediaPlayer->getState() == statePlaying &&
        mediaPlayer->getTime() == 0)
        return;
    stop();
    int i = playList.currentIndex() + direction;
    while (playList.count() > 0) {
        if (i < 0)
            i = playList.count() - 1;
        else if (i >= playList.count())
            i = 0;
        if (loadMedia(playList.pathAt(i))) {
            playList.setCurrent(i);
            play();
            return;
        }
        // Moving forward, the following entry has already moved into i.
        playList.removeAt(i);
        if (direction < 0)
            --i;
    }
}

void PlayLogic::timerProc() {
    if (mediaPlayer == nullptr)
        return;
    const int state = mediaPlayer->getState();
    if (state == statePlaying) {
        applyVolume();
    } else if (state == stateEnded) {
        platform::debugOutput("Playlogic: timerProc: Ended\n");
        stop();
        const int n = playList.count();
        const int current = playList.currentIndex();
        // After the folder's last file playback stays stopped.
        if (n >= 2 && current >= 0 && current != n - 1)
            skip(+1);
    }
}

bool PlayLogic::seekStep(int direction) {
    if (mediaPlayer == nullptr)
        return false;
    const int state = mediaPlayer->getState();
    if (state != statePlaying && state != statePaused)
        return false;
    const std::int64_t t = mediaPlayer->getTime();
    if (t == 0)
        return false;
    const std::int64_t length = mediaPlayer->getLength();
    std::int64_t target;
    if (direction < 0)
        target = t > seekStepMs ? t - seekStepMs : 0;
    else
        target = t + seekStepMs < length ? t + seekStepMs : length;
    mediaPlayer->setTime(target);
    return true;
}

void PlayLogic::stepVolume(int direction) {
    if (muted)
        volume = 0;
    const int next = volume + (direction > 0 ? volumeStep : -volumeStep);
    setVolume(std::clamp(next, 0, 100));
}

void PlayLogic::setVolume(int value) {
    volume = std::clamp(value, 0, 100);
    muted = false;
    if (mediaPlayer != nullptr) {
        const int state = mediaPlayer->getState();
        if (state == statePlaying || state == statePaused)
            applyVolume();
    }
}

void PlayLogic::toggleMute() {
    muted = !muted;
    if (mediaPlayer != nullptr) {
        const int state = mediaPlayer->getState();
        if (state == statePlaying || state == statePaused)
            applyVolume();
    }
}

void PlayLogic::applyVolume() {
    if (mediaPlayer == nullptr)
        return;
    if (mediaPlayer->kind() == 1) {
        // The libvlc engine keeps its level while muted.
        if (mediaPlayer->isMuted() != muted)
            mediaPlayer->toggleMute();
        if (muted)
            return;
    } else if (muted) {
        if (mediaPlayer->getVolume() != 0)
            mediaPlayer->setVolume(0);
        return;
    }
    if (volume != mediaPlayer->getVolume())
        mediaPlayer->setVolume(volume);
}

bool PlayLogic::canSkip() {
    return playList.count() >= 2 && playList.currentIndex() >= 0;
}

void PlayLogic::handleProc(const libvlc_event_t* event, void*) {
    // Runs on a libvlc thread, possibly inside libvlc's own lock: only hand the event over.
    QCoreApplication* app = QCoreApplication::instance();
    if (event == nullptr || app == nullptr)
        return;
    const int type = event->type;
    QMetaObject::invokeMethod(
        app,
        [type] {
            // Events that arrive after the controller is gone are dropped.
            if (playLogic != nullptr)
                playLogic->onEngineEvent(type);
        },
        Qt::QueuedConnection);
}

void PlayLogic::onEngineEvent(int type) {
    for (const EventRow& row : eventTable) {
        if (row.type != type)
            continue;
        if (row.diagnostic != nullptr)
            platform::debugOutput(row.diagnostic);
        for (Action action : row.actions)
            if (action != nullptr)
                (this->*action)();
        return;
    }
}

void PlayLogic::refreshVideoVisibility() {
    PlayWnd* wnd = PlayWnd::instance();
    if (mediaPlayer == nullptr || wnd == nullptr)
        return;
    // Shows the video once a track is reported; never hides it.
    if (wnd->renderWindowExists() && !wnd->renderWindowVisible())
        wnd->showRenderWindow(mediaPlayer->hasVideo());
}

void PlayLogic::setCurrentFile(const QString& path) {
    filePath = path;
    fileName = fileNameOf(path);
}

int PlayLogic::mediaKindOf(const QString& path) {
    const qsizetype dot = path.lastIndexOf(u'.');
    if (dot < 0)
        return 1;
    QString ext = path.mid(dot + 1);
    if (ext.isEmpty())
        return 1;
    for (QChar& c : ext)
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + (u'a' - u'A'));
    for (const KindRow& row : kindTable)
        if (ext == QStringView(row.extension))
            return row.kind;
    return 1;
}
