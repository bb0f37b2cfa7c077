#pragma once

#include <QString>

class QWidget;

// Calls the advertising library at close. Returns its answer (2 keeps the player open), or
// 0 when the library or its entry point is missing: a missing file must never trap the
// user in the player.
int showAdvertising(QWidget* owner);

// The library file; next to the executable unless a test points elsewhere.
QString adsLibraryPath();
void setAdsLibraryPath(const QString& path);
