// What the program says about itself to Qt: its name and version.
#pragma once

#include <QCoreApplication>

namespace kelvara {

inline void setApplicationInfo() {
    QCoreApplication::setApplicationName(QStringLiteral("Kelvara"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("kelvara.de"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KELVARA_VERSION));
}

} // namespace kelvara
