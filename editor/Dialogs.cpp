#include "editor/Dialogs.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>

QString Dialogs::qtFilter(const QString& filter) {
    const QStringList parts = filter.split('|');
    QStringList filters;
    for (int i = 0; i < parts.size(); i += 2) {
        QStringList patterns = i + 1 < parts.size() ? parts[i + 1].split(';') : QStringList();
        for (QString& pattern : patterns)
            if (pattern == QLatin1String("*.*"))
                pattern = QStringLiteral("*");
        filters << parts[i] + QStringLiteral(" (") + patterns.join(' ') + QLatin1Char(')');
    }
    return filters.join(";;");
}

namespace {

QMessageBox::Icon toQt(Dialogs::Icon icon) {
    switch (icon) {
    case Dialogs::Icon::Information:
        return QMessageBox::Information;
    case Dialogs::Icon::Question:
        return QMessageBox::Question;
    case Dialogs::Icon::Exclamation:
        return QMessageBox::Warning;
    case Dialogs::Icon::Critical:
        return QMessageBox::Critical;
    case Dialogs::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons toQt(Dialogs::Buttons buttons) {
    switch (buttons) {
    case Dialogs::Buttons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case Dialogs::Buttons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case Dialogs::Buttons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

} // namespace

Dialogs::Answer QtDialogs::message(QWidget* parent, const QString& title, const QString& text,
                                   Icon icon, Buttons buttons) {
    QMessageBox box(toQt(icon), title, text, toQt(buttons), parent);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    default:
        return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
    }
}

namespace {

// The extension a filter entry of qtFilter() stands for: "IPS patch (*.ips) (*.ips)" -> "ips".
// Empty for an entry of several patterns or of a pattern that is no plain extension.
QString extensionOf(const QString& entry) {
    const qsizetype open = entry.lastIndexOf('(');
    const QString patterns = entry.mid(open + 1).chopped(1);
    if (open < 0 || !patterns.startsWith(QLatin1String("*.")) || patterns.contains(' '))
        return {};
    const QString extension = patterns.mid(2);
    return extension.contains('*') || extension.contains('?') ? QString() : extension;
}

QString runFileDialog(QWidget* parent, const QString& filter, const QString& fileName,
                      QFileDialog::AcceptMode mode, const QString& defaultSuffix) {
    QFileDialog dialog(parent, QString(), fileName);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilter(Dialogs::qtFilter(filter));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultSuffix);
    // With a filter of another plain extension chosen, a bare name gets that extension: choosing
    // "IPS patch" and typing "fix" writes fix.ips.
    if (!defaultSuffix.isEmpty())
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                         [&dialog, defaultSuffix](const QString& entry) {
                             const QString extension = extensionOf(entry);
                             dialog.setDefaultSuffix(extension.isEmpty() ? defaultSuffix
                                                                         : extension);
                         });
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

} // namespace

QString QtDialogs::openFile(QWidget* parent, const QString& filter, const QString& fileName) {
    return runFileDialog(parent, filter, fileName, QFileDialog::AcceptOpen, QString());
}

QString QtDialogs::saveFile(QWidget* parent, const QString& filter, const QString& fileName,
                            const QString& defaultSuffix) {
    return runFileDialog(parent, filter, fileName, QFileDialog::AcceptSave, defaultSuffix);
}
