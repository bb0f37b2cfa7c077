#pragma once

#include <QIcon>
#include <QString>

namespace platform {

// The icon group with the name, holding every size the resources carry; a null icon when
// there is none.
QIcon loadIcon(const QString& name);

} // namespace platform
