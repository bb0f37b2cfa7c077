#include "ui/WindowToolkit.h"

#include "platform/Window.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void centerWindow(QWidget* window) {
    if (!platform::isWindow(window))
        return;
    const QRect frame = window->frameGeometry();
    const int w = frame.width();
    const int h = frame.height();
    QRect area;
    if (QWidget* parent = window->parentWidget(); parent != nullptr && window->isWindow() == false)
        area = parent->rect();
    else if (QScreen* screen = QGuiApplication::primaryScreen())
        area = screen->availableGeometry();
    int x = (area.left() + area.left() + area.width() - w) / 2;
    int y = (area.top() + area.top() + area.height() - h) / 2;
    if (x + w > area.width())
        x = area.width() - w;
    if (y + h > area.height())
        y = area.height() - h;
    window->move(std::max(x, 0), std::max(y, 0));
}

void setClientSize(QWidget* window, int width, int height) {
    // A widget's size is its client size; the frame comes on top of it.
    if (platform::isWindow(window))
        window->resize(width, height);
}
