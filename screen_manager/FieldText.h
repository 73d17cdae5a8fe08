#pragma once

#include <kiv/ConfigFile.h>

#include <QString>

#include <string>

// The Screen Manager's lists hold every value as text, as the level document does; these turn
// that text into numbers the same forgiving way everywhere.
namespace sm {

// The number at the start of `text`: leading blanks skipped, then an optional sign, digits and a
// fraction; "&H" starts hexadecimal digits. Reading stops at the first other character, and text
// without a number reads as 0.
double valueOf(const QString& text);

// `text` read as hexadecimal digits (as valueOf("&H" + text)).
int hexValueOf(const QString& text);

// A one-character number with "0" in front, so that keys sort by value; longer text unchanged.
QString twoDigits(const QString& text);

// Upper-case hexadecimal without leading zeros, as the document writes enemy types and bytes.
QString hexText(int value);

inline QString qs(const std::string& text) {
    return QString::fromStdString(text);
}
inline std::string ss(const QString& text) {
    return text.toStdString();
}

// Whether `text` is the store's answer for a key it does not hold.
inline bool isMissing(const QString& text) {
    return text == QLatin1String(kiv::ConfigFile::NotFound.c_str());
}

// Writes `value` under `key`. A value read from a missing key leaves the key missing: the
// store's not-found answer is never stored as though it were data.
void writeField(kiv::ConfigFile& store, const std::string& key, const QString& value);

} // namespace sm
