#include "platform/Window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMimeData>
#include <QPainter>
#include <QTimerEvent>
#include <QUrl>
#include <QVariant>

namespace platform {
namespace {

constexpr const char* destroyedProperty = "corvilo.destroyed";

class MessageEvent : public QEvent {
public:
    MessageEvent(UINT m, WPARAM w, LPARAM l)
        : QEvent(messageEventType()), message(m), wParam(w), lParam(l) {}
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

std::function<LRESULT(QWidget*, UINT, WPARAM, LPARAM)>& defHook() {
    static std::function<LRESULT(QWidget*, UINT, WPARAM, LPARAM)> hook;
    return hook;
}

QStringList localFiles(const QMimeData* mime) {
    QStringList paths;
    if (mime == nullptr || !mime->hasUrls())
        return paths;
    for (const QUrl& url : mime->urls())
        if (url.isLocalFile())
            paths << url.toLocalFile();
    return paths;
}

} // namespace

QEvent::Type messageEventType() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

ProcWindow::ProcWindow(WindowProc p, QWidget* parent) : QWidget(parent), proc(p) {}

LRESULT ProcWindow::call(UINT message, WPARAM wParam, LPARAM lParam) {
    return proc != nullptr ? proc(this, message, wParam, lParam) : 0;
}

bool ProcWindow::event(QEvent* e) {
    if (e->type() == messageEventType()) {
        auto* m = static_cast<MessageEvent*>(e);
        if (platform::isWindow(this))
            call(m->message, m->wParam, m->lParam);
        return true;
    }
    return QWidget::event(e);
}

void ProcWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    painter = &p;
    call(WM_ERASEBKGND, reinterpret_cast<WPARAM>(&p), 0);
    call(WM_PAINT, 0, 0);
    painter = nullptr;
}

void ProcWindow::sendSize() {
    WPARAM kind = SIZE_RESTORED;
    if (isMinimized())
        kind = SIZE_MINIMIZED;
    else if (isMaximized())
        kind = SIZE_MAXIMIZED;
    call(WM_SIZE, kind, MAKELPARAM(width(), height()));
}

void ProcWindow::resizeEvent(QResizeEvent*) {
    sendSize();
}

void ProcWindow::changeEvent(QEvent* e) {
    // Minimising and restoring change no size in Qt, but the procedure must hear of them.
    if (e->type() == QEvent::WindowStateChange) {
        auto* change = static_cast<QWindowStateChangeEvent*>(e);
        if (isMinimized() || (change->oldState() & Qt::WindowMinimized))
            sendSize();
    }
    QWidget::changeEvent(e);
}

void ProcWindow::moveEvent(QMoveEvent*) {
    const QPoint origin = mapToGlobal(QPoint(0, 0));
    call(WM_MOVE, 0, MAKELPARAM(origin.x(), origin.y()));
}

void ProcWindow::closeEvent(QCloseEvent* e) {
    // The procedure decides whether and how the window goes away.
    e->ignore();
    call(WM_CLOSE, 0, 0);
}

void ProcWindow::timerEvent(QTimerEvent* e) {
    call(WM_TIMER, static_cast<WPARAM>(e->timerId()), 0);
}

void ProcWindow::dragEnterEvent(QDragEnterEvent* e) {
    if (!localFiles(e->mimeData()).isEmpty())
        e->acceptProposedAction();
}

void ProcWindow::dragMoveEvent(QDragMoveEvent* e) {
    if (!localFiles(e->mimeData()).isEmpty())
        e->acceptProposedAction();
}

void ProcWindow::dropEvent(QDropEvent* e) {
    DropFiles drop{localFiles(e->mimeData())};
    if (drop.paths.isEmpty())
        return;
    e->acceptProposedAction();
    call(WM_DROPFILES, reinterpret_cast<WPARAM>(&drop), 0);
}

ProcWindow* createWindow(WindowProc proc, const QString& caption, QWidget* parent) {
    auto* window = new ProcWindow(proc, parent);
    window->setWindowTitle(caption);
    sendMessage(window, WM_CREATE, 0, 0);
    return window;
}

QPainter* beginPaint(QWidget* window) {
    auto* procWindow = dynamic_cast<ProcWindow*>(window);
    return procWindow != nullptr ? procWindow->currentPainter() : nullptr;
}

void postMessage(QWidget* window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (window != nullptr)
        QCoreApplication::postEvent(window, new MessageEvent(message, wParam, lParam));
}

LRESULT sendMessage(QWidget* window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* procWindow = dynamic_cast<ProcWindow*>(window);
    if (procWindow == nullptr || procWindow->procedure() == nullptr)
        return 0;
    return procWindow->procedure()(window, message, wParam, lParam);
}

bool isWindow(const QWidget* window) {
    return window != nullptr && !window->property(destroyedProperty).toBool();
}

void destroyWindow(QWidget* window) {
    if (!isWindow(window))
        return;
    sendMessage(window, WM_DESTROY, 0, 0);
    window->setProperty(destroyedProperty, true);
    window->hide();
    window->deleteLater();
}

LRESULT defWindowProc(QWidget* window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (defHook())
        return defHook()(window, message, wParam, lParam);
    if (message == WM_CLOSE)
        destroyWindow(window);
    return 0;
}

void setDefWindowProcHook(std::function<LRESULT(QWidget*, UINT, WPARAM, LPARAM)> hook) {
    defHook() = std::move(hook);
}

} // namespace platform
