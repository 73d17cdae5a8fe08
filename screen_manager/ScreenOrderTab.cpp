#include "screen_manager/ScreenOrderTab.h"

#include "editor/ScreenNumbering.h"
#include "screen_manager/FieldText.h"
#include "screen_manager/TabWidgets.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include <algorithm>

namespace {

QString entryText(int number, const rom::ScreenRef& reference) {
    return QString::number(number) + QStringLiteral(": ") +
           sm::shown(reference, [](const std::string& r) { return sm::qs(r); });
}

} // namespace

ScreenOrderTab::ScreenOrderTab(const ScreenNumbering& numbering, QWidget* parent)
    : QFrame(parent), numbering(numbering) {
    lblScreens = new QLabel(tr("&Screens:"), this);
    lblScreens->setObjectName(QStringLiteral("lblScreens"));
    lstScreens = new QListWidget(this);
    lstScreens->setObjectName(QStringLiteral("lstScreens"));
    lblScreens->setBuddy(lstScreens);
    cmdScreensUp = sm::glyphButton(QStringLiteral("\u25B2"), tr("Move up"),
                                   QStringLiteral("cmdScreensUp"), this);
    cmdScreensDown = sm::glyphButton(QStringLiteral("\u25BC"), tr("Move down"),
                                     QStringLiteral("cmdScreensDown"), this);
    lblReplace = new QLabel(tr("&Replace with screen:"), this);
    lblReplace->setObjectName(QStringLiteral("lblReplace"));
    lstReplace = new QListWidget(this);
    lstReplace->setObjectName(QStringLiteral("lstReplace"));
    lblReplace->setBuddy(lstReplace);
    cmdReplace = sm::glyphButton(QStringLiteral("\u25C0"), tr("Replace"),
                                 QStringLiteral("cmdReplace"), this);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(cmdScreensUp);
    buttons->addWidget(cmdScreensDown);
    buttons->addSpacing(24);
    buttons->addWidget(cmdReplace);
    buttons->addStretch();
    auto* grid = new QGridLayout(this);
    grid->addWidget(lblScreens, 0, 0);
    grid->addWidget(lblReplace, 0, 2);
    grid->addWidget(lstScreens, 1, 0);
    grid->addLayout(buttons, 1, 1);
    grid->addWidget(lstReplace, 1, 2);

    for (QPushButton* button : {cmdScreensUp, cmdScreensDown, cmdReplace})
        button->setEnabled(false);

    // A Ctrl+click removes the selection but keeps the current row, so both are followed.
    connect(lstScreens, &QListWidget::currentRowChanged, this, &ScreenOrderTab::lstScreens_Click);
    connect(lstScreens, &QListWidget::itemSelectionChanged, this,
            &ScreenOrderTab::lstScreens_Click);
    connect(lstReplace, &QListWidget::currentRowChanged, this, &ScreenOrderTab::lstReplace_Click);
    connect(lstReplace, &QListWidget::itemSelectionChanged, this,
            &ScreenOrderTab::lstReplace_Click);
    connect(cmdScreensUp, &QPushButton::clicked, this, &ScreenOrderTab::cmdScreensUp_Click);
    connect(cmdScreensDown, &QPushButton::clicked, this, &ScreenOrderTab::cmdScreensDown_Click);
    connect(cmdReplace, &QPushButton::clicked, this, &ScreenOrderTab::cmdReplace_Click);
}

void ScreenOrderTab::fillList(std::vector<rom::ScreenRef> references) {
    refs = std::move(references);
    for (int idx = 0; idx < static_cast<int>(refs.size()); ++idx) {
        lstScreens->addItem(entryText(numberAt(idx), refs[idx]));
        // A missing entry names no design.
        const rom::ScreenRef& design = refs[idx];
        if (design && std::find(designs.begin(), designs.end(), *design) == designs.end()) {
            designs.push_back(*design);
            lstReplace->addItem(sm::qs(*design));
        }
    }
}

std::vector<rom::ScreenRef> ScreenOrderTab::ownReferences() const {
    const auto borrowed = std::min(refs.size(), static_cast<size_t>(numbering.sharedScreens));
    return {refs.begin() + static_cast<std::ptrdiff_t>(borrowed), refs.end()};
}

void ScreenOrderTab::Tab1UpDownButtons() {
    const int idx = selectedIndex(*lstScreens);
    bool up = idx > 0;
    bool down = idx >= 0 && idx < lstScreens->count() - 1;
    if (numbering.firstTwoFixed() && idx <= 2) {
        up = false;
        down = down && idx == 2;
    }
    // A missing screen has no reference to carry to another place, nor to give up for another.
    if (up && (!refs[idx] || !refs[idx - 1]))
        up = false;
    if (down && (!refs[idx] || !refs[idx + 1]))
        down = false;
    cmdScreensUp->setEnabled(up);
    cmdScreensDown->setEnabled(down);
}

void ScreenOrderTab::Tab1ReplaceButton() {
    const int idx = selectedIndex(*lstScreens);
    const int with = selectedIndex(*lstReplace);
    // Nothing to replace or nothing to replace it with.
    bool enabled = idx >= 0 && with >= 0;
    if (enabled) {
        const rom::ScreenRef& reference = refs[idx];
        // The level's only use of a design is never replaced away.
        if (uses(reference) == 1 || designs[with] == reference)
            enabled = false;
        if (!reference)
            enabled = false;
        if (numbering.firstTwoFixed() && (with <= 1 || idx <= 1))
            enabled = false;
    }
    cmdReplace->setEnabled(enabled);
}

void ScreenOrderTab::lstScreens_Click() {
    Tab1UpDownButtons();
    Tab1ReplaceButton();
}

void ScreenOrderTab::lstReplace_Click() {
    Tab1ReplaceButton();
}

void ScreenOrderTab::cmdScreensUp_Click() {
    if (!cmdScreensUp->isEnabled())
        return;
    const int idx = lstScreens->currentRow() - 1;
    swapEntries(idx);
    lstScreens->setCurrentRow(idx);
    finishEdit();
    emit screensSwapped(numberAt(idx));
}

void ScreenOrderTab::cmdScreensDown_Click() {
    if (!cmdScreensDown->isEnabled())
        return;
    const int idx = lstScreens->currentRow();
    swapEntries(idx);
    lstScreens->setCurrentRow(idx + 1);
    finishEdit();
    emit screensSwapped(numberAt(idx));
}

void ScreenOrderTab::cmdReplace_Click() {
    if (!cmdReplace->isEnabled())
        return;
    const int idx = lstScreens->currentRow();
    setEntry(idx, designs[lstReplace->currentRow()]);
    finishEdit();
    emit screenReplaced(numberAt(idx));
}

int ScreenOrderTab::selectedIndex(const QListWidget& list) {
    const QListWidgetItem* current = list.currentItem();
    return current && current->isSelected() ? list.currentRow() : -1;
}

int ScreenOrderTab::numberAt(int idx) const {
    return idx + 1 + numbering.numberOffset;
}

void ScreenOrderTab::setEntry(int idx, const rom::ScreenRef& reference) {
    refs[idx] = reference;
    lstScreens->item(idx)->setText(entryText(numberAt(idx), reference));
}

void ScreenOrderTab::swapEntries(int idx) {
    const rom::ScreenRef upper = refs[idx];
    setEntry(idx, refs[idx + 1]);
    setEntry(idx + 1, upper);
}

int ScreenOrderTab::uses(const rom::ScreenRef& reference) const {
    return static_cast<int>(std::count(refs.begin(), refs.end(), reference));
}

void ScreenOrderTab::finishEdit() {
    emit orderEdited();
}
