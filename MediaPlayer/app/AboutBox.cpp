#include "app/AboutBox.h"

#include "app/AppGlobals.h"
#include "app/Corvilo.h"
#include "platform/Dialog.h"
#include "platform/Window.h"
#include "res/Dialogs.h"
#include "res/resource.h"

void showAboutBox() {
    platform::dialogBox(aboutTemplate(), mainWindow, aboutDlgProc);
}

std::intptr_t aboutDlgProc(QWidget* dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG: {
        const QString text = QString::fromUtf16(Corvilo::displayName) +
                             QStringLiteral(", Version ") + QString::fromUtf16(Corvilo::version);
        QWidget* label = platform::getDlgItem(dialog, IDC_ABOUT_TEXT);
        if (platform::isWindow(label))
            platform::setWindowText(label, text);
        return 1;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            platform::endDialog(dialog, LOWORD(wParam));
            return 1;
        }
        return 0;
    default:
        return 0;
    }
}
