#pragma once

#include <QFrame>

class QLabel;
class QListWidget;
class QPushButton;
struct ScreenNumbering;
struct ManagerWorkspace;

// The "Screen &Order" tab: the level's screens in playing order, each entry reading
// "number: reference". Moving or replacing a screen writes the level's own positions into the
// level document at once; the borrowed first screens of a world's second level never move.
class ScreenOrderTab : public QFrame {
    Q_OBJECT

public:
    ScreenOrderTab(ManagerWorkspace& workspace, const ScreenNumbering& numbering,
                   QWidget* parent = nullptr);

    // Appends the entry for screen `number`, and offers its reference as a replacement the
    // first time it occurs.
    void addScreen(int number, const QString& reference);

    void Tab1UpDownButtons();
    void Tab1ReplaceButton();
    void Tab1WriteKIV();

    QListWidget* screens() const { return lstScreens; }
    QListWidget* replacements() const { return lstReplace; }

public slots:
    void lstScreens_Click();
    void lstReplace_Click();
    void cmdScreensUp_Click();
    void cmdScreensDown_Click();
    void cmdReplace_Click();

signals:
    // Screens `s` and `s` + 1 exchanged places.
    void screensSwapped(int s);
    // Screen `s` now shows another design.
    void screenReplaced(int s);

private:
    // The current row when it is selected, else -1.
    static int selectedIndex(const QListWidget& list);
    int numberAt(int idx) const;
    QString referenceAt(int idx) const;
    void setEntry(int idx, const QString& reference);
    // Exchanges the references of the entries at `idx` and `idx` + 1; numbers stay in place.
    void swapEntries(int idx);
    int uses(const QString& reference) const;
    void finishEdit();

    ManagerWorkspace& ws;
    const ScreenNumbering& numbering;

    QLabel* lblScreens = nullptr;
    QListWidget* lstScreens = nullptr;
    QPushButton* cmdScreensUp = nullptr;
    QPushButton* cmdScreensDown = nullptr;
    QLabel* lblReplace = nullptr;
    QListWidget* lstReplace = nullptr;
    QPushButton* cmdReplace = nullptr;
};
