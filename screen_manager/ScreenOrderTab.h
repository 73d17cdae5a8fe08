#pragma once

#include "rom/LevelRecords.h"

#include <QFrame>

#include <string>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;
struct ScreenNumbering;

// The "Screen &Order" tab: the level's screens in playing order, each entry reading
// "number: reference". Moving or replacing a screen announces the new order at once, and the
// window writes the level's own positions; the borrowed first screens of a world's second level
// never move.
class ScreenOrderTab : public QFrame {
    Q_OBJECT

public:
    explicit ScreenOrderTab(const ScreenNumbering& numbering, QWidget* parent = nullptr);

    // Lists the screens in order from the first screen number, borrowed ones included, and
    // offers each design as a replacement once.
    void fillList(std::vector<rom::ScreenRef> references);
    // The references of the level's own screens (the borrowed ones left out), in order.
    std::vector<rom::ScreenRef> ownReferences() const;

    void Tab1UpDownButtons();
    void Tab1ReplaceButton();

    QListWidget* screens() const { return lstScreens; }
    QListWidget* replacements() const { return lstReplace; }

public slots:
    void lstScreens_Click();
    void lstReplace_Click();
    void cmdScreensUp_Click();
    void cmdScreensDown_Click();
    void cmdReplace_Click();

signals:
    // The order of the level's own screens changed; ownReferences() holds it.
    void orderEdited();
    // Screens `s` and `s` + 1 exchanged places.
    void screensSwapped(int s);
    // Screen `s` now shows another design.
    void screenReplaced(int s);

private:
    // The current row when it is selected, else -1.
    static int selectedIndex(const QListWidget& list);
    int numberAt(int idx) const;
    void setEntry(int idx, const rom::ScreenRef& reference);
    // Exchanges the references of the entries at `idx` and `idx` + 1; numbers stay in place.
    void swapEntries(int idx);
    int uses(const rom::ScreenRef& reference) const;
    void finishEdit();

    const ScreenNumbering& numbering;
    std::vector<rom::ScreenRef> refs; // one per entry of lstScreens
    std::vector<std::string> designs; // one per entry of lstReplace

    QLabel* lblScreens = nullptr;
    QListWidget* lstScreens = nullptr;
    QPushButton* cmdScreensUp = nullptr;
    QPushButton* cmdScreensDown = nullptr;
    QLabel* lblReplace = nullptr;
    QListWidget* lstReplace = nullptr;
    QPushButton* cmdReplace = nullptr;
};
