#include "app/VersionInfo.h"
#include "app/frmTW.h"
#include "editor/Dialogs.h"

#include <QApplication>
#include <QStringList>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Tarnwick"));
    QCoreApplication::setApplicationVersion(versionInfo::versionText());

    // The whole command line after the program's name is one ROM path, spaces and all.
    const QString romPath = QCoreApplication::arguments().mid(1).join(QLatin1Char(' '));

    QtDialogs dialogs;
    frmTW window(dialogs);
    if (!window.Form_Load(QCoreApplication::applicationDirPath(), romPath))
        return 1;
    window.show();
    return app.exec();
}
