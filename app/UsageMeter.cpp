#include "app/UsageMeter.h"

#include "messages/CodecMessages.h"
#include "rom/DataUsage.h"
#include "rom/RomLayout.h"

#include <QHBoxLayout>
#include <QLabel>

#include <algorithm>

namespace {

const QColor WarningColor(192, 0, 0);

QLatin1String latin1(std::string_view text) {
    return QLatin1String(text.data(), static_cast<qsizetype>(text.size()));
}

// "#,###" leaves zero empty, which reads as a missing figure in a tally.
QString count(long n) {
    return n == 0 ? QStringLiteral("0") : QString::fromStdString(messages::formatCount(n));
}

QString regionText(int region, const QString& used, long budget) {
    return QStringLiteral("%1: %2 / %3")
        .arg(latin1(rom::Regions[region].captions.meter), used, count(budget));
}

} // namespace

UsageMeter::UsageMeter(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("usageMeter"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(4, 0, 4, 0);
    row->setSpacing(24);
    for (int region = 0; region < 3; ++region) {
        // Blank until the first measurement, so no figure shows before a ROM is read.
        lblRegion[region] = new QLabel(this);
        lblRegion[region]->setObjectName(latin1(rom::Regions[region].captions.meterLabel));
        lblRegion[region]->setTextFormat(Qt::PlainText);
        reserveWidth(lblRegion[region], region);
        row->addWidget(lblRegion[region]);
    }
    row->addStretch();
}

// Room for a five-digit figure in the warning style, so that the labels do not shift as the
// figures change or a region turns to the warning style.
void UsageMeter::reserveWidth(QLabel* label, int region) {
    QFont bold = label->font();
    bold.setBold(true);
    const QString widest =
        regionText(region, QStringLiteral("88,888"), rom::Regions[region].budget);
    label->setMinimumWidth(QFontMetrics(bold).horizontalAdvance(widest));
}

void UsageMeter::refresh(const rom::LevelDocument& document) {
    rom::DataUsage usage;
    try {
        usage = document.dataUsage();
    } catch (const kiv::Error& e) {
        showError(
            QStringLiteral("%1, %2").arg(QString::fromStdString(e.description())).arg(e.number()));
        return;
    }
    for (int region = 0; region < 3; ++region)
        showRegion(region, usage.used[region], usage.budget[region]);
}

void UsageMeter::showRegion(int region, long used, long budget) {
    if (shown_[region] == Shown{used, budget})
        return;
    shown_[region] = Shown{used, budget};
    QLabel* label = lblRegion[region];
    // A region without any screen measures -1: it takes nothing.
    label->setText(regionText(region, count(std::max(used, 0L)), budget));
    const bool over = used > budget;
    setWarning(region, over);
    if (over)
        label->setToolTip(
            QStringLiteral("Over budget by %1 bytes: Save As will refuse to write %2.")
                .arg(count(used - budget), latin1(rom::Regions[region].captions.meterTarget)));
    else
        label->setToolTip(QStringLiteral("%1 bytes to spare.").arg(count(budget - used)));
}

// A document the encoder cannot read (a cell that is no object code) cannot be measured; Save As
// would fail on it too.
void UsageMeter::showError(const QString& description) {
    for (int region = 0; region < 3; ++region) {
        QLabel* label = lblRegion[region];
        label->setText(regionText(region, QStringLiteral("?"), rom::Regions[region].budget));
        shown_[region].reset();
        setWarning(region, true);
        label->setToolTip(QStringLiteral("Unable to measure the world data usage - ") +
                          description);
    }
}

void UsageMeter::setWarning(int region, bool warning) {
    if (warning_[region] == warning)
        return;
    warning_[region] = warning;
    QLabel* label = lblRegion[region];
    QFont font;
    QPalette palette;
    if (warning) {
        font = label->font();
        font.setBold(true);
        palette = label->palette();
        palette.setColor(QPalette::WindowText, WarningColor);
    }
    // Default-made ones set nothing, so the label goes back to the status bar's own look.
    label->setFont(font);
    label->setPalette(palette);
}
