#include "platform/Accelerators.h"

#include "platform/Window.h"

#include <QShortcut>
#include <QWidget>

namespace platform {
namespace {

struct VirtualKey {
    std::uint16_t vk;
    Qt::Key key;
};

constexpr VirtualKey virtualKeys[] = {
    {VK_SPACE, Qt::Key_Space}, {VK_PRIOR, Qt::Key_PageUp},  {VK_NEXT, Qt::Key_PageDown},
    {VK_LEFT, Qt::Key_Left},   {VK_UP, Qt::Key_Up},         {VK_RIGHT, Qt::Key_Right},
    {VK_DOWN, Qt::Key_Down},   {VK_ESCAPE, Qt::Key_Escape},
};

int keyOf(const Accelerator& accel) {
    if (!(accel.fVirt & FVIRTKEY))
        return accel.key; // a character: Qt names printable keys by their code
    // Letters and digits have the same codes as virtual keys and as Qt keys.
    if ((accel.key >= '0' && accel.key <= '9') || (accel.key >= 'A' && accel.key <= 'Z'))
        return accel.key;
    for (const VirtualKey& v : virtualKeys)
        if (v.vk == accel.key)
            return v.key;
    return 0;
}

} // namespace

QKeySequence toKeySequence(const Accelerator& accel) {
    const int key = keyOf(accel);
    if (key == 0)
        return {};
    int modifiers = 0;
    if (accel.fVirt & FCONTROL)
        modifiers |= Qt::CTRL;
    if (accel.fVirt & FALT)
        modifiers |= Qt::ALT;
    if (accel.fVirt & FSHIFT)
        modifiers |= Qt::SHIFT;
    return QKeySequence(key | modifiers);
}

void installAccelerators(QWidget* window, std::span<const Accelerator> table) {
    for (const Accelerator& accel : table) {
        const QKeySequence keys = toKeySequence(accel);
        if (keys.isEmpty())
            continue;
        auto* shortcut = new QShortcut(keys, window);
        shortcut->setContext(Qt::WindowShortcut);
        shortcut->setAutoRepeat(true);
        const std::uint16_t cmd = accel.cmd;
        // Commands from accelerators carry 1 in the high word, as menus carry 0.
        QObject::connect(shortcut, &QShortcut::activated, window, [window, cmd] {
            postMessage(window, WM_COMMAND, (WPARAM{1} << 16) | cmd, 0);
        });
    }
}

} // namespace platform
