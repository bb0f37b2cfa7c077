#include "platform/Dialog.h"

#include <QApplication>
#include <QDialog>
#include <QFontMetrics>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVariant>

namespace platform {
namespace {

constexpr const char* idProperty = "corvilo.ctrlId";

class ProcDialog : public QDialog {
public:
    ProcDialog(DialogProc p, QWidget* owner) : QDialog(owner), proc(p) {}

    std::intptr_t call(UINT message, WPARAM wParam, LPARAM lParam) {
        return proc(this, message, wParam, lParam);
    }

    // Esc and the window's close button arrive as the cancel command, as they do for any
    // dialog; the procedure decides whether the dialog ends.
    void reject() override { call(WM_COMMAND, IDCANCEL, 0); }

private:
    DialogProc proc;
};

// Dialog units scale with the dialog's font: 4 horizontal units per average character
// width, 8 vertical units per line height.
QRect toPixels(const QFontMetrics& fm, int x, int y, int cx, int cy) {
    const int bx = fm.averageCharWidth();
    const int by = fm.height();
    return QRect(x * bx / 4, y * by / 8, cx * bx / 4, cy * by / 8);
}

QWidget* makeControl(ProcDialog* dialog, const DialogControl& c, const QFontMetrics& fm) {
    QWidget* w = nullptr;
    const QString text = QString::fromUtf8(c.text);
    switch (c.kind) {
    case ControlKind::IconStatic: {
        auto* label = new QLabel(dialog);
        const QRect r = toPixels(fm, c.x, c.y, c.cx, c.cy);
        const QIcon icon = QApplication::windowIcon();
        if (!icon.isNull())
            label->setPixmap(icon.pixmap(std::min(r.width(), r.height())));
        w = label;
        break;
    }
    case ControlKind::Text: {
        auto* label = new QLabel(dialog);
        label->setTextFormat(Qt::PlainText);
        label->setText(text);
        w = label;
        break;
    }
    case ControlKind::PushButton:
    case ControlKind::DefPushButton: {
        auto* button = new QPushButton(text, dialog);
        button->setDefault(c.kind == ControlKind::DefPushButton);
        button->setAutoDefault(false);
        const int id = c.id;
        QObject::connect(button, &QPushButton::clicked, dialog,
                         [dialog, id] { dialog->call(WM_COMMAND, static_cast<WPARAM>(id), 0); });
        w = button;
        break;
    }
    }
    w->setProperty(idProperty, c.id);
    w->setGeometry(toPixels(fm, c.x, c.y, c.cx, c.cy));
    return w;
}

} // namespace

std::intptr_t dialogBox(const DialogTemplate& templ, QWidget* owner, DialogProc proc) {
    ProcDialog dialog(proc, owner);
    dialog.setWindowTitle(QString::fromUtf8(templ.caption));
    const QFontMetrics fm(dialog.font());
    // Controls are created in template order, so later ones lie above earlier ones.
    for (const DialogControl& c : templ.controls)
        makeControl(&dialog, c, fm);
    dialog.setFixedSize(toPixels(fm, 0, 0, templ.cx, templ.cy).size());
    dialog.call(WM_INITDIALOG, 0, 0);
    return dialog.exec();
}

void endDialog(QWidget* dialog, std::intptr_t result) {
    if (auto* d = qobject_cast<QDialog*>(dialog))
        d->done(static_cast<int>(result));
}

QWidget* getDlgItem(QWidget* dialog, int id) {
    if (dialog == nullptr)
        return nullptr;
    for (QWidget* child : dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (child->property(idProperty).isValid() && child->property(idProperty).toInt() == id)
            return child;
    return nullptr;
}

void setWindowText(QWidget* window, const QString& text) {
    if (window == nullptr)
        return;
    if (auto* label = qobject_cast<QLabel*>(window))
        label->setText(text);
    else if (auto* button = qobject_cast<QPushButton*>(window))
        button->setText(text);
    else
        window->setWindowTitle(text);
}

} // namespace platform
