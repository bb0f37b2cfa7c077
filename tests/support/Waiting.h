#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QString>
#include <QThread>

// Polls cond every stepMs, running queued events between tries, until it holds or ms
// have passed; true when it held.
template <typename Condition> bool waitFor(Condition cond, int ms, int stepMs = 40) {
    QDeadlineTimer deadline(ms);
    while (!cond()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents();
        QThread::msleep(static_cast<unsigned long>(stepMs));
    }
    return true;
}

// True when ok() holds at every poll for the whole of ms.
template <typename Condition> bool holdsFor(Condition ok, int ms, int stepMs = 60) {
    return !waitFor([&] { return !ok(); }, ms, stepMs);
}

// A clip made for the tests by the make_clips fixture.
inline QString clipPath(const QString& name) {
    return QStringLiteral(CORVILO_CLIPS_DIR "/") + name;
}
