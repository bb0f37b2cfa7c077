#include "platform/Shell.h"

#include <QFileDialog>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QThread>

Q_LOGGING_CATEGORY(lcCorvilo, "corvilo", QtWarningMsg)

namespace platform {
namespace {

std::function<void(QWidget*, const QString&, const QString&)>& errorHook() {
    static std::function<void(QWidget*, const QString&, const QString&)> hook;
    return hook;
}

std::function<QString(QWidget*, const QString&, const QString&)>& openHook() {
    static std::function<QString(QWidget*, const QString&, const QString&)> hook;
    return hook;
}

} // namespace

void errorBox(QWidget* owner, const QString& text, const QString& caption) {
    if (errorHook()) {
        errorHook()(owner, text, caption);
        return;
    }
    QMessageBox::critical(owner, caption, text);
}

QString chooseOpenFile(QWidget* owner, const QString& title, const QString& filter) {
    if (openHook())
        return openHook()(owner, title, filter);
    return QFileDialog::getOpenFileName(owner, title, QString(), filter);
}

void setErrorBoxHook(std::function<void(QWidget*, const QString&, const QString&)> hook) {
    errorHook() = std::move(hook);
}

void setChooseOpenFileHook(std::function<QString(QWidget*, const QString&, const QString&)> hook) {
    openHook() = std::move(hook);
}

void debugOutput(const char* text) {
    // The lines carry their own newline; the logger adds one.
    QString line = QString::fromUtf8(text);
    if (line.endsWith(u'\n'))
        line.chop(1);
    qCDebug(lcCorvilo).noquote() << line;
}

void sleepMs(unsigned long ms) {
    QThread::msleep(ms);
}

} // namespace platform
