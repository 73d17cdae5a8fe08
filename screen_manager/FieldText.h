#pragma once

#include "rom/LevelRecords.h"
#include "rom/Numbers.h"

#include <kiv/ConfigFile.h>

#include <QString>

#include <optional>
#include <string>

// How the Screen Manager's lists show a record's fields, and how a drop-down box's text becomes
// a field again. A field the document lacks shows as the store's not-found answer, and a box
// showing that answer gives the field back missing.
namespace sm {

inline QString qs(const std::string& text) {
    return QString::fromStdString(text);
}
inline std::string ss(const QString& text) {
    return text.toStdString();
}

inline QString missingText() {
    return qs(kiv::ConfigFile::NotFound);
}
inline bool isMissing(const QString& text) {
    return text == missingText();
}

// `format` of the field's value, or the not-found text.
template <typename T, typename Format> QString shown(const std::optional<T>& field, Format format) {
    return field ? format(*field) : missingText();
}
inline QString decimalText(rom::Field field) {
    return shown(field, [](int v) { return QString::number(v); });
}

// A box's text read by `read` (from std::string_view to int); nothing for the not-found text.
template <typename Read> rom::Field fieldOf(const QString& text, Read read) {
    if (isMissing(text))
        return std::nullopt;
    return read(ss(text));
}
inline rom::Field decimalOf(const QString& text) {
    return fieldOf(text, [](std::string_view t) { return rom::leadingWhole(t); });
}

// The whole number at the start of a box's text, 0 when there is none.
inline int numberOf(const QString& text) {
    return rom::leadingWhole(ss(text));
}

// A one-character number with "0" in front, so that keys sort by value; longer text unchanged.
inline QString twoDigits(const QString& text) {
    return text.size() == 1 ? QLatin1Char('0') + text : text;
}

} // namespace sm
