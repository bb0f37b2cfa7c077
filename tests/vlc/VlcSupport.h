#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QString>
#include <QThread>

// Polls cond, running queued events between tries, until it holds or ms have passed.
template <typename Condition> bool waitFor(Condition cond, int ms) {
    QDeadlineTimer deadline(ms);
    while (!cond()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents();
        QThread::msleep(10);
    }
    return true;
}

inline QString clipPath(const char* name) {
    return QStringLiteral(CORVILO_CLIPS_DIR "/") + QString::fromUtf8(name);
}
