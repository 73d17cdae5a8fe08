#pragma once

#include <QString>

class QWidget;

// Every message box and file dialog of the program goes through this interface, so that tests
// can answer them and read what was shown.
class Dialogs {
public:
    enum class Icon { None, Information, Question, Exclamation, Critical };
    enum class Buttons { Ok, YesNo, YesNoCancel };
    enum class Answer { Ok, Yes, No, Cancel };

    virtual ~Dialogs() = default;

    virtual Answer message(QWidget* parent, const QString& title, const QString& text, Icon icon,
                           Buttons buttons = Buttons::Ok) = 0;

    // `filter` uses the "Text (*.ext)|*.ext|..." form. An empty result means cancelled.
    virtual QString openFile(QWidget* parent, const QString& filter, const QString& fileName) = 0;
    // The dialog itself adds `defaultSuffix` (without its point; empty for none) to a name typed
    // without an extension, so that its question before replacing a file names the file that
    // will really be written.
    virtual QString saveFile(QWidget* parent, const QString& filter, const QString& fileName,
                             const QString& defaultSuffix) = 0;

    // The name filters of a Qt file dialog shown with QFileDialog::HideNameFilterDetails: each
    // shown text, then its patterns in brackets, which the dialog hides. "*.*" becomes "*", as on
    // Linux "*.*" would hide the files that have no extension.
    // "Game Boy ROMs (*.gb)|*.gb|All files (*.*)|*.*"
    //     -> "Game Boy ROMs (*.gb) (*.gb);;All files (*.*) (*)"
    static QString qtFilter(const QString& filter);
};

// The real dialogs, shown with QMessageBox and QFileDialog.
class QtDialogs : public Dialogs {
public:
    Answer message(QWidget* parent, const QString& title, const QString& text, Icon icon,
                   Buttons buttons = Buttons::Ok) override;
    QString openFile(QWidget* parent, const QString& filter, const QString& fileName) override;
    QString saveFile(QWidget* parent, const QString& filter, const QString& fileName,
                     const QString& defaultSuffix) override;
};
