#include "screen_manager/FieldText.h"

namespace sm {

namespace {

int digitValue(QChar c, int base) {
    const char32_t u = QChar::toUpper(c.unicode());
    const int d = (u >= '0' && u <= '9') ? u - '0' : (u >= 'A' && u <= 'F') ? u - 'A' + 10 : -1;
    return d < base ? d : -1;
}

} // namespace

double valueOf(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    if (text.mid(i, 2).compare(QLatin1String("&H"), Qt::CaseInsensitive) == 0) {
        long long value = 0;
        for (i += 2; i < text.size() && digitValue(text[i], 16) >= 0; ++i)
            value = value * 16 + digitValue(text[i], 16);
        return static_cast<double>(value);
    }
    double sign = 1;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        sign = text[i++] == '-' ? -1 : 1;
    double value = 0;
    for (; i < text.size() && digitValue(text[i], 10) >= 0; ++i)
        value = value * 10 + digitValue(text[i], 10);
    if (i < text.size() && text[i] == '.') {
        double scale = 0.1;
        for (++i; i < text.size() && digitValue(text[i], 10) >= 0; ++i, scale /= 10)
            value += digitValue(text[i], 10) * scale;
    }
    return sign * value;
}

int hexValueOf(const QString& text) {
    return static_cast<int>(valueOf(QLatin1String("&H") + text));
}

QString twoDigits(const QString& text) {
    return text.size() == 1 ? QLatin1Char('0') + text : text;
}

QString hexText(int value) {
    return QString::number(value, 16).toUpper();
}

void writeField(kiv::ConfigFile& store, const std::string& key, const QString& value) {
    if (isMissing(value))
        store.DelKey(key);
    else
        store.WriteValue(key, ss(value));
}

} // namespace sm
