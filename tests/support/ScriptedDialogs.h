#pragma once

#include "editor/Dialogs.h"

#include <QList>
#include <QString>

// Dialogs for tests: answers come from queues filled by the test, and every dialog shown is
// recorded. A message with no queued answer gets Ok / Yes; a file dialog with no queued
// answer is cancelled.
class ScriptedDialogs : public Dialogs {
public:
    struct Shown {
        QString kind; // "message", "open" or "save"
        QString title;
        QString text;
        Icon icon = Icon::None;
        Buttons buttons = Buttons::Ok;
        QString filter;
        QString fileName;      // the name the file dialog was opened with
        QString defaultSuffix; // save dialogs: the extension the dialog adds to a bare name
    };

    QList<Answer> answers;
    QList<QString> files;
    QList<Shown> shown;

    Answer message(QWidget*, const QString& title, const QString& text, Icon icon,
                   Buttons buttons = Buttons::Ok) override {
        shown.append({"message", title, text, icon, buttons, {}, {}, {}});
        if (!answers.isEmpty())
            return answers.takeFirst();
        return buttons == Buttons::Ok ? Answer::Ok : Answer::Yes;
    }
    QString openFile(QWidget*, const QString& filter, const QString& fileName) override {
        shown.append({"open", {}, {}, Icon::None, Buttons::Ok, filter, fileName, {}});
        return files.isEmpty() ? QString() : files.takeFirst();
    }
    // Hands back the queued name as the dialog's answer, unchanged: a test queues the name the
    // dialog returns, not what the user typed.
    QString saveFile(QWidget*, const QString& filter, const QString& fileName,
                     const QString& defaultSuffix) override {
        shown.append({"save", {}, {}, Icon::None, Buttons::Ok, filter, fileName, defaultSuffix});
        return files.isEmpty() ? QString() : files.takeFirst();
    }

    QList<Shown> messages() const {
        QList<Shown> out;
        for (const auto& s : shown)
            if (s.kind == "message")
                out.append(s);
        return out;
    }
    Shown lastMessage() const {
        const auto m = messages();
        return m.isEmpty() ? Shown{} : m.last();
    }
};
