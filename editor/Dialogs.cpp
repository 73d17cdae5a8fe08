#include "editor/Dialogs.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>

QString Dialogs::qtFilter(const QString& filter) {
    const QStringList parts = filter.split('|');
    QStringList shown;
    for (int i = 0; i < parts.size(); i += 2)
        shown << parts[i];
    return shown.join(";;");
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

QString QtDialogs::openFile(QWidget* parent, const QString& filter, const QString& fileName) {
    return QFileDialog::getOpenFileName(parent, QString(), fileName, qtFilter(filter));
}

QString QtDialogs::saveFile(QWidget* parent, const QString& filter, const QString& fileName) {
    return QFileDialog::getSaveFileName(parent, QString(), fileName, qtFilter(filter));
}
