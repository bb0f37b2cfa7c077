#include "app/Advertising.h"

#include "app/Corvilo.h"

#include <QCoreApplication>
#include <QLibrary>

namespace {

using ShowFunction = int (*)(void* owner, const char16_t* name, const char16_t* url);

QString& overridePath() {
    static QString path;
    return path;
}

} // namespace

QString adsLibraryPath() {
    if (!overridePath().isEmpty())
        return overridePath();
    return QCoreApplication::applicationDirPath() + QStringLiteral("/libads.so");
}

void setAdsLibraryPath(const QString& path) {
    overridePath() = path;
}

int showAdvertising(QWidget* owner) {
    // The library stays loaded once loaded: it may keep state or threads of its own.
    QLibrary library(adsLibraryPath());
    auto show = reinterpret_cast<ShowFunction>(library.resolve("libads_show"));
    if (show == nullptr)
        return 0;
    return show(owner, Corvilo::displayName, Corvilo::adsUrl);
}
