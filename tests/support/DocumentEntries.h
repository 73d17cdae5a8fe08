#pragma once

// Level documents compared as a user would see them: entry by entry, with every screen reference
// renamed by where the screen is first listed, since a save packs the screens anew.

#include "rom/LevelKeys.h"
#include "rom/RomLayout.h"
#include "rom/RomReader.h"

#include <kiv/ConfigFile.h>

#include <QByteArray>
#include <QList>
#include <QString>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <map>
#include <string>

// The entries of a level document, "key=value" in sorted order, with each screen reference
// replaced by a name that says where the screen is first listed. A save packs the screens anew,
// so a reference (the address of a screen's data) may change while the screens stay the same;
// and a key added by an edit stands at the end of the store, where a ROM read puts it among its
// neighbours.
inline QList<QByteArray> entries(const std::string& document) {
    std::map<std::string, std::string> values;
    for (QByteArray line : QByteArray::fromStdString(document).split('\n')) {
        line = line.trimmed();
        const qsizetype eq = line.indexOf('=');
        if (eq > 0)
            values[line.left(eq).toStdString()] = line.mid(eq + 1).toStdString();
    }
    std::map<std::pair<int, std::string>, std::string> names; // (screen section, reference)
    const auto region = [](const std::string& level) {
        return rom::screenSectionOfWorld(level.front());
    };
    for (std::string_view view : rom::Levels) {
        const std::string level(view);
        const int count = std::atoi(values[rom::screensKey(level)].c_str());
        for (int k = 1; k <= count; ++k) {
            const auto key = std::make_pair(region(level), values[rom::screenKey(level, k)]);
            if (!names.count(key))
                names[key] = "#" + level + "." + std::to_string(k);
        }
    }
    const auto nameOf = [&](const std::string& level, const std::string& ref) {
        const auto it = names.find({region(level), ref});
        return it == names.end() ? ref : it->second;
    };
    QList<QByteArray> lines;
    for (const auto& [storedKey, storedValue] : values) {
        std::string key = storedKey;
        std::string value = storedValue;
        if (key.rfind("Screen_", 0) == 0) {
            value = nameOf(key.substr(7, 2), value);
        } else if (!key.empty() && std::isdigit(static_cast<unsigned char>(key.front()))) {
            const size_t refEnd = key.find('_', 3);
            const std::string ref =
                key.substr(3, refEnd == std::string::npos ? refEnd : refEnd - 3);
            key = key.substr(0, 3) + nameOf(key.substr(0, 2), ref) +
                  (refEnd == std::string::npos ? "" : key.substr(refEnd));
        }
        lines << QByteArray::fromStdString(key + "=" + value);
    }
    std::sort(lines.begin(), lines.end());
    return lines;
}

// The level document the game would find in the ROM at `path`, read as File > Open reads it.
// A ROM that cannot be read gives its error instead, which no document equals.
inline QList<QByteArray> documentOf(const QString& path) {
    kiv::ConfigFile doc;
    try {
        rom::loadROM(path.toStdString(), doc);
    } catch (const kiv::Error& e) {
        return {QByteArray::fromStdString("unreadable ROM: " + e.description())};
    }
    return entries(doc.GetAll());
}

// The first entry where two level documents differ, to say what a comparison found.
inline QByteArray firstDifference(const QList<QByteArray>& left, const QList<QByteArray>& right) {
    for (qsizetype i = 0; i < std::max(left.size(), right.size()); ++i)
        if (left.value(i) != right.value(i))
            return left.value(i) + " <> " + right.value(i);
    return {};
}
