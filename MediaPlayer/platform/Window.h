#pragma once

// Windows with a procedure: Qt events a window cares about are handed to its procedure as
// messages, and messages can be posted to or sent at a window from anywhere in the process.

#include "platform/messages.h"

#include <QEvent>
#include <QStringList>
#include <QWidget>
#include <functional>

class QPainter;

namespace platform {

using WindowProc = LRESULT (*)(QWidget* window, UINT message, WPARAM wParam, LPARAM lParam);

// The files of one drop; WM_DROPFILES carries a pointer to it in wParam.
struct DropFiles {
    QStringList paths;
};

// A top-level or child window whose events go to a window procedure.
class ProcWindow : public QWidget {
public:
    ProcWindow(WindowProc proc, QWidget* parent = nullptr);

    WindowProc procedure() const { return proc; }
    // The painter of the paint in progress (valid only inside WM_PAINT / WM_ERASEBKGND).
    QPainter* currentPainter() const { return painter; }

protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void moveEvent(QMoveEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void timerEvent(QTimerEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dragMoveEvent(QDragMoveEvent* e) override;
    void dropEvent(QDropEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    LRESULT call(UINT message, WPARAM wParam, LPARAM lParam);
    void sendSize();

    WindowProc proc;
    QPainter* painter = nullptr;
};

// Creates a window with the given procedure and caption and sends it WM_CREATE.
ProcWindow* createWindow(WindowProc proc, const QString& caption, QWidget* parent = nullptr);

// The painter of the window's paint in progress, or null outside WM_PAINT / WM_ERASEBKGND.
QPainter* beginPaint(QWidget* window);

// Queues a message for the window's procedure; safe from any thread.
void postMessage(QWidget* window, UINT message, WPARAM wParam, LPARAM lParam);
// Calls the window's procedure at once; GUI thread only.
LRESULT sendMessage(QWidget* window, UINT message, WPARAM wParam, LPARAM lParam);
// Not null and not being destroyed.
bool isWindow(const QWidget* window);
// Sends WM_DESTROY, hides the window and deletes it once control returns to the loop.
void destroyWindow(QWidget* window);
// The handling of every message a procedure leaves alone.
LRESULT defWindowProc(QWidget* window, UINT message, WPARAM wParam, LPARAM lParam);
// Tests watch the default handling through this hook; null restores the normal one.
void setDefWindowProcHook(std::function<LRESULT(QWidget*, UINT, WPARAM, LPARAM)> hook);

// The posted-message event type.
QEvent::Type messageEventType();

} // namespace platform
