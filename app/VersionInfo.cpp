#include "app/VersionInfo.h"

#include <QStringList>

namespace versionInfo {

QString versionText() {
    return QStringLiteral("%1.%2.%3").arg(Major).arg(Minor).arg(Patch);
}

QString aboutText() {
    return QStringList{QStringLiteral("Tarnwick version ") + versionText() + QStringLiteral(".  ") +
                           QString::fromUtf8(CompanyName),
                       QString(),
                       QString::fromUtf8(Comments),
                       QString(),
                       QString::fromUtf8(ProductName),
                       QString(),
                       QString::fromUtf8(Thanks)}
        .join('\n');
}

} // namespace versionInfo
