#include "platform/Resources.h"

#include <QFile>

// The resources live in a static library, so they must be registered by hand.
static void initResources() {
    Q_INIT_RESOURCE(resources);
}

namespace platform {

QIcon loadIcon(const QString& name) {
    static const bool registered = (initResources(), true);
    Q_UNUSED(registered);
    static constexpr int sizes[] = {16, 24, 32, 48, 64, 128, 256};
    QIcon icon;
    for (int size : sizes) {
        const QString file = QStringLiteral(":/icons/%1_%2.png").arg(name).arg(size);
        if (QFile::exists(file))
            icon.addFile(file, QSize(size, size));
    }
    return icon;
}

} // namespace platform
