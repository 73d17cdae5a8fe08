#pragma once

#include "rom/LevelDocument.h"

#include <QWidget>

#include <array>
#include <optional>

class QLabel;

// The status bar's running tally of the bytes each save region's screens would take against the
// room the game has for them, so that a world grown too big shows at once rather than when Save
// As refuses it. The document keeps the encoded screens between measurements, so a refresh after
// an edit encodes only the screens that edit touched, and never disturbs the workspace.
class UsageMeter : public QWidget {
    Q_OBJECT

public:
    explicit UsageMeter(QWidget* parent = nullptr);

    // Measures `document` and shows the three figures; a region over its budget is shown in the
    // warning style until it fits again.
    void refresh(const rom::LevelDocument& document);

    // `region` is a section of rom::Regions.
    QLabel* regionLabel(int region) const { return lblRegion[region]; }

private:
    static void reserveWidth(QLabel* label, int region);
    void showRegion(int region, long used, long budget);
    void showError(const QString& description);
    void setWarning(int region, bool warning);

    // What each label shows, so that a refresh leaves alone a region whose figure stayed.
    struct Shown {
        long used = 0;
        long budget = 0;
        bool operator==(const Shown&) const = default;
    };
    std::array<std::optional<Shown>, 3> shown_{};
    std::array<bool, 3> warning_{};
    std::array<QLabel*, 3> lblRegion{};
};
