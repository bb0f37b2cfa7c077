#pragma once

#include "platform/messages.h"

class QPainter;
class QWidget;

// The video window: the black area above the control bar that holds the render window
// the engine draws into.
class PlayWnd {
public:
    virtual ~PlayWnd();

    // The one video window object, created on first use.
    static PlayWnd* instance();
    // Deletes the object behind instance() and forgets it.
    static void deleteInstance();

    // Creates the video window as a hidden child of parent.
    bool create(QWidget* parent);
    // Prepares the render window for a media kind; true when one exists afterwards.
    bool open(int kind);
    void showRenderWindow(bool show);
    bool renderWindowExists() const;
    bool renderWindowVisible() const;
    void layoutChildren();
    void paint(QPainter* painter, bool isRenderWindow);
    void destroyWindows();

    QWidget* hwnd = nullptr;
    QWidget* renderHwnd = nullptr;

private:
    PlayWnd() = default;
    static PlayWnd* self;
};

LRESULT videoDialogProc(QWidget* window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT renderDialogProc(QWidget* window, UINT message, WPARAM wParam, LPARAM lParam);
