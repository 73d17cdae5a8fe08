#include <kiv/ConfigFile.h>

#include "Cp1252.h"
#include "FileAccess.h"
#include "SlotTable.h"
#include "Utf8.h"

#include <algorithm>
#include <charconv>
#include <string_view>

namespace kiv {

static_assert(ConfigFile::Capacity == SlotTable::Capacity);

struct ConfigFile::Impl {
    SlotTable table;
};

namespace {

constexpr std::string_view LineBreak = "\r\n";
constexpr std::string_view EscapedAmpersand = "&\xC3\xA5;"; // "&å;"
constexpr std::string_view EscapedLineBreak = "&\xC3\xA7;"; // "&ç;"

// A count is plain decimal text with an optional sign.
int32_t parseCount(const std::string& text) {
    std::string_view digits = text;
    if (!digits.empty() && (digits.front() == '+' || digits.front() == '-'))
        digits.remove_prefix(1);
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos)
        throw Error::standard(errors::TypeMismatch);
    const char* begin = text.data() + (text.front() == '+' ? 1 : 0);
    int32_t count = 0;
    const auto [end, ec] = std::from_chars(begin, text.data() + text.size(), count);
    if (ec != std::errc{} || end != text.data() + text.size())
        throw Error::standard(errors::Overflow);
    return count;
}

std::string itemKey(const std::string& keyName, int64_t item) {
    return keyName + std::to_string(item);
}

std::string replaceAll(std::string_view text, std::string_view from, std::string_view to) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t pos = 0;;) {
        const std::size_t hit = text.find(from, pos);
        if (hit == std::string_view::npos) {
            out.append(text.substr(pos));
            return out;
        }
        out.append(text.substr(pos, hit - pos)).append(to);
        pos = hit + from.size();
    }
}

// Stores one line as a new slot: the name before the first "=", the value after it.
void storeLine(SlotTable& table, std::string_view line) {
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos)
        throw Error::standard(errors::InvalidArgument);
    table.append(std::string(line.substr(0, equals)), std::string(line.substr(equals + 1)));
}

// In a store file a line ends at a carriage return, which takes a directly following line feed
// with it; a line feed alone is text. Blank lines take no slot.
void storeFileLines(SlotTable& table, std::string_view text) {
    table.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\r')) + 1);
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t end = std::min(text.find('\r', pos), text.size());
        if (end > pos)
            storeLine(table, text.substr(pos, end - pos));
        pos = end + 1;
        if (pos < text.size() && text[pos] == '\n')
            ++pos;
    }
}

// Text from GetAll: every line break ends a line and every line takes a slot.
void storeTextLines(SlotTable& table, std::string_view text) {
    if (text.empty())
        return;
    table.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
    for (std::size_t pos = 0;;) {
        const std::size_t end = text.find(LineBreak, pos);
        storeLine(table, text.substr(pos, end - pos));
        if (end == std::string_view::npos)
            return;
        pos = end + LineBreak.size();
    }
}

// Replaces the whole content; a fill that fails leaves the table empty, not half filled.
template <typename Fill> void refill(SlotTable& table, Fill fill) {
    table.clear();
    try {
        fill();
    } catch (...) {
        table.clear();
        throw;
    }
}

// The characters from `begin` to `end` of a text being split, escaped so that the item holds
// neither "&" nor a line break of its own.
std::string escapedPiece(std::string_view text, std::size_t begin, std::size_t end) {
    std::string piece = replaceAll(text.substr(begin, end - begin), "&", EscapedAmpersand);
    piece = replaceAll(piece, LineBreak, EscapedLineBreak);
    // A line break cut in two is stored whole in the piece that holds its carriage return.
    if (begin > 0 && text[begin - 1] == '\r' && text[begin] == '\n')
        piece.erase(0, 1);
    if (end < text.size() && text[end - 1] == '\r' && text[end] == '\n')
        piece.replace(piece.size() - 1, 1, EscapedLineBreak);
    return piece;
}

std::size_t entriesTextSize(const SlotTable& table) {
    std::size_t size = 0;
    table.forEachEntry([&](const std::string& name, const std::string& value) {
        size += name.size() + 1 + value.size() + LineBreak.size();
    });
    return size;
}

} // namespace

ConfigFile::ConfigFile() : d(std::make_unique<Impl>()) {}

ConfigFile::~ConfigFile() = default;

// A moved-from store is an empty store, not a dead one.
ConfigFile::ConfigFile(ConfigFile&& other) noexcept : d(std::make_unique<Impl>()) {
    d.swap(other.d);
}

ConfigFile& ConfigFile::operator=(ConfigFile&& other) noexcept {
    d.swap(other.d);
    return *this;
}

void ConfigFile::swap(ConfigFile& other) noexcept {
    d.swap(other.d);
}

int32_t ConfigFile::LastSlot() const {
    return d->table.lastSlot();
}

void ConfigFile::ConfigSave(const std::string& FileName) const {
    std::string bytes;
    bytes.reserve(entriesTextSize(d->table));
    d->table.forEachEntry([&](const std::string& name, const std::string& value) {
        cp1252::appendEncoded(bytes, name);
        bytes += '=';
        cp1252::appendEncoded(bytes, value);
        bytes += LineBreak;
    });
    file::replaceWith(FileName, bytes);
}

void ConfigFile::ConfigLoad(const std::string& FileName) {
    refill(d->table, [&] { storeFileLines(d->table, cp1252::toUtf8(file::readAll(FileName))); });
}

std::string ConfigFile::GetValue(const std::string& KeyName, const std::string& DefValue) const {
    if (const std::string* value = d->table.find(KeyName))
        return *value;
    return DefValue.empty() ? NotFound : DefValue;
}

std::string ConfigFile::GetName(const std::string& KeyValue) const {
    const std::string* name = d->table.findName(KeyValue);
    return name ? *name : NotFound;
}

void ConfigFile::WriteValue(const std::string& KeyName, const std::string& KeyValue) {
    d->table.write(KeyName, KeyValue);
}

void ConfigFile::WriteValueNoCheck(const std::string& KeyName, const std::string& KeyValue) {
    d->table.append(KeyName, KeyValue);
}

void ConfigFile::DelKey(const std::string& KeyName) {
    d->table.erase(KeyName);
}

void ConfigFile::DelAll() {
    d->table.clear();
}

std::string ConfigFile::GetAll() const {
    std::string text;
    text.reserve(entriesTextSize(d->table));
    d->table.forEachEntry([&](const std::string& name, const std::string& value) {
        text.append(name).append("=").append(value).append(LineBreak);
    });
    if (!text.empty())
        text.resize(text.size() - LineBreak.size());
    return text;
}

void ConfigFile::WriteAll(const std::string& NewConfig) {
    refill(d->table, [&] { storeTextLines(d->table, NewConfig); });
}

void ConfigFile::SetCountAdd(const std::string& SetName) {
    const int32_t count = parseCount(GetValue(SetName));
    if (count == INT32_MAX)
        throw Error::standard(errors::Overflow);
    WriteValue(SetName, std::to_string(count + 1));
}

void ConfigFile::SetCountSub(const std::string& SetName) {
    const int32_t count = parseCount(GetValue(SetName));
    if (count == INT32_MIN)
        throw Error::standard(errors::Overflow);
    WriteValue(SetName, std::to_string(count - 1));
}

void ConfigFile::SetItemAdd(const std::string& SetName, const std::string& KeyName,
                            const std::string& KeyValue) {
    WriteValue(itemKey(KeyName, parseCount(GetValue(SetName))), KeyValue);
}

void ConfigFile::SetItemEdit(const std::string& KeyName, int32_t Pos, const std::string& KeyValue) {
    WriteValue(itemKey(KeyName, Pos), KeyValue);
}

void ConfigFile::SetItemUp(const std::string& KeyName, int32_t Pos) {
    const std::string above = itemKey(KeyName, int64_t{Pos} - 1);
    const std::string here = itemKey(KeyName, Pos);
    const std::string a = GetValue(above);
    const std::string b = GetValue(here);
    WriteValue(above, b);
    WriteValue(here, a);
}

void ConfigFile::SetItemDown(const std::string& KeyName, int32_t Pos) {
    const std::string below = itemKey(KeyName, int64_t{Pos} + 1);
    const std::string here = itemKey(KeyName, Pos);
    const std::string a = GetValue(below);
    const std::string b = GetValue(here);
    WriteValue(below, b);
    WriteValue(here, a);
}

void ConfigFile::SetItemDel(const std::string& SetName, const std::string& KeyName, int32_t Pos) {
    const int64_t count = parseCount(GetValue(SetName));
    DelKey(itemKey(KeyName, Pos));
    // Past the old last item there is nothing to move down.
    if (count == 0 || Pos > count + 1)
        return;
    for (int64_t i = Pos;; ++i) {
        if (i == count + 1) {
            DelKey(itemKey(KeyName, i));
            return;
        }
        const std::string next = GetValue(itemKey(KeyName, i + 1));
        const std::string key = itemKey(KeyName, i);
        DelKey(key);
        WriteValue(key, next);
    }
}

int32_t ConfigFile::SetCheckDup(const std::string& SetName, const std::string& KeyName,
                                const std::string& CheckString, bool UseCaps) const {
    const int32_t count = parseCount(GetValue(SetName));
    for (int64_t i = 1; i <= count; ++i) {
        const std::string item = GetValue(itemKey(KeyName, i));
        if ((UseCaps ? utf8::toUpper(item) : item) == CheckString)
            return static_cast<int32_t>(i);
    }
    return 0;
}

void ConfigFile::SetSplit(const std::string& SetName, const std::string& KeyName,
                          const std::string& Text, int16_t Length) {
    // Every step runs whatever the one before it did; the split never fails.
    const auto ignoringErrors = [](auto&& step) {
        try {
            step();
        } catch (const Error&) {
        }
    };
    ignoringErrors([&] { SetDel(SetName, KeyName); });
    ignoringErrors([&] { WriteValue(SetName, "0"); });
    if (Text.empty() || Length < 1)
        return;

    const std::string_view text = Text;
    int64_t item = 1;
    for (std::size_t pos = 0; pos < text.size(); ++item) {
        const std::size_t end = utf8::advance(text, pos, static_cast<std::size_t>(Length));
        const std::string piece = escapedPiece(text, pos, end);
        ignoringErrors([&] { WriteValue(itemKey(KeyName, item), piece); });
        pos = end;
    }
    ignoringErrors([&] { WriteValue(SetName, std::to_string(item - 1)); });
}

std::string ConfigFile::SetJoin(const std::string& SetName, const std::string& KeyName) const {
    // A missing count is 0 here, and so is any count below 0.
    const int32_t count = parseCount(GetValue(SetName, "0"));
    std::string text;
    for (int64_t i = 1; i <= count; ++i) {
        const std::string item = GetValue(itemKey(KeyName, i));
        text += replaceAll(replaceAll(item, EscapedLineBreak, LineBreak), EscapedAmpersand, "&");
    }
    return text;
}

void ConfigFile::SetCopy(const std::string& OldSetName, const std::string& OldKeyName,
                         const std::string& NewSetName, const std::string& NewKeyName) {
    const int32_t count = parseCount(GetValue(OldSetName));
    WriteValue(NewSetName, std::to_string(count));
    for (int64_t i = 1; i <= count; ++i) {
        WriteValue(itemKey(NewKeyName, i), GetValue(itemKey(OldKeyName, i)));
    }
}

void ConfigFile::SetDel(const std::string& SetName, const std::string& KeyName) {
    const int32_t count = parseCount(GetValue(SetName));
    for (int64_t i = 1; i <= count; ++i) {
        DelKey(itemKey(KeyName, i));
    }
}

void ConfigFile::Set2List(ListSink& lst, const std::string& SetName, const std::string& KeyName,
                          const std::string& EqualReplace) const {
    const int32_t count = parseCount(GetValue(SetName));
    for (int64_t i = 1; i <= count; ++i) {
        const std::string item = GetValue(itemKey(KeyName, i));
        lst.AddItem(EqualReplace.empty() ? item : replaceAll(item, EqualReplace, "="));
    }
}

} // namespace kiv
