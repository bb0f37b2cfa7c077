#include "ui/PlayWnd.h"

#include "app/AppGlobals.h"
#include "platform/Window.h"
#include "playback/PlayLogic.h"

#include <QPainter>
#include <new>

PlayWnd* PlayWnd::self = nullptr;

PlayWnd* PlayWnd::instance() {
    if (self == nullptr)
        self = new (std::nothrow) PlayWnd;
    return self;
}

void PlayWnd::deleteInstance() {
    delete self;
    self = nullptr;
}

PlayWnd::~PlayWnd() {
    destroyWindows();
}

bool PlayWnd::create(QWidget* parent) {
    if (hwnd != nullptr)
        return true;
    auto* window = new platform::ProcWindow(videoDialogProc, parent);
    window->hide();
    hwnd = window;
    platform::sendMessage(window, WM_INITDIALOG, 0, 0);
    return true;
}

bool PlayWnd::open(int kind) {
    const int currentKind = playLogic != nullptr ? playLogic->mediaKind : 0;
    if (kind != currentKind || renderHwnd == nullptr) {
        if (platform::isWindow(renderHwnd))
            platform::destroyWindow(renderHwnd);
        renderHwnd = nullptr;
        // Only the libvlc engine draws into a render window.
        if (kind == 1 && platform::isWindow(hwnd)) {
            auto* render = new platform::ProcWindow(renderDialogProc, hwnd);
            render->setAttribute(Qt::WA_NativeWindow);
            render->winId(); // the engine needs the native window before it is shown
            platform::sendMessage(render, WM_INITDIALOG, 0, 0);
            renderHwnd = render;
        }
        if (renderHwnd == nullptr)
            return false;
    }
    layoutChildren();
    renderHwnd->hide();
    return true;
}

void PlayWnd::showRenderWindow(bool show) {
    if (platform::isWindow(renderHwnd))
        renderHwnd->setVisible(show);
}

bool PlayWnd::renderWindowExists() const {
    return platform::isWindow(renderHwnd);
}

bool PlayWnd::renderWindowVisible() const {
    return platform::isWindow(renderHwnd) && renderHwnd->isVisibleTo(renderHwnd->parentWidget());
}

void PlayWnd::layoutChildren() {
    if (!platform::isWindow(hwnd))
        return;
    const int w = hwnd->width();
    const int h = hwnd->height();
    const int linkHeight = 0;
    // The render window starts below the credit line's height and runs 5 pixels past the
    // bottom edge, where it is clipped.
    if (platform::isWindow(renderHwnd))
        renderHwnd->setGeometry(0, linkHeight + 10, w, h - linkHeight - 5);
}

void PlayWnd::paint(QPainter* painter, bool) {
    if (painter == nullptr || !platform::isWindow(hwnd))
        return;
    painter->fillRect(QRect(0, 0, hwnd->width(), hwnd->height()), Qt::black);
}

void PlayWnd::destroyWindows() {
    if (platform::isWindow(renderHwnd))
        platform::destroyWindow(renderHwnd);
    renderHwnd = nullptr;
    if (platform::isWindow(hwnd))
        platform::destroyWindow(hwnd);
    hwnd = nullptr;
}

LRESULT videoDialogProc(QWidget* window, UINT message, WPARAM, LPARAM) {
    PlayWnd* self = PlayWnd::instance();
    switch (message) {
    case WM_INITDIALOG:
        return 1;
    case WM_SIZE:
        if (self != nullptr)
            self->layoutChildren();
        return 1;
    case WM_PAINT:
        if (self != nullptr)
            self->paint(platform::beginPaint(window), false);
        return 1;
    default:
        return 0;
    }
}

LRESULT renderDialogProc(QWidget* window, UINT message, WPARAM, LPARAM) {
    PlayWnd* self = PlayWnd::instance();
    switch (message) {
    case WM_INITDIALOG:
        return 1;
    case WM_PAINT:
        if (self != nullptr)
            self->paint(platform::beginPaint(window), true);
        return 1;
    default:
        return 0;
    }
}
