#include "patch/Patch.h"

#include "patch/Bps.h"
#include "patch/Ips.h"
#include "patch/PatchError.h"

#include <algorithm>
#include <cctype>

namespace patch {

namespace {

bool startsWith(std::span<const uint8_t> bytes, std::string_view text) {
    return bytes.size() >= text.size() && std::equal(text.begin(), text.end(), bytes.begin());
}

bool endsWithCaseless(std::string_view name, std::string_view suffix) {
    return name.size() >= suffix.size() &&
           std::equal(
               suffix.begin(), suffix.end(), name.end() - long(suffix.size()),
               [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
}

} // namespace

std::string hex(uint64_t value, int digits) {
    static constexpr char Digits[] = "0123456789ABCDEF";
    std::string text(std::size_t(digits), '0');
    for (int k = digits - 1; k >= 0 && value; --k, value >>= 4)
        text[std::size_t(k)] = Digits[value & 0xF];
    return "0x" + text;
}

std::string bytesText(uint64_t n) {
    return std::to_string(n) + (n == 1 ? " byte" : " bytes");
}

std::string limitText(std::size_t n) {
    constexpr std::size_t MiB = std::size_t{1} << 20;
    return n % MiB == 0 && n > 0 ? std::to_string(n / MiB) + " MiB" : bytesText(n);
}

std::optional<Format> formatOfName(std::string_view path) {
    if (endsWithCaseless(path, ".ips"))
        return Format::Ips;
    if (endsWithCaseless(path, ".bps"))
        return Format::Bps;
    return std::nullopt;
}

std::vector<uint8_t> makePatch(Format format, std::span<const uint8_t> source,
                               std::span<const uint8_t> target, std::string_view metadata) {
    return format == Format::Ips ? makeIps(source, target) : makeBps(source, target, metadata);
}

std::vector<uint8_t> applyPatch(std::span<const uint8_t> patch, std::span<const uint8_t> source,
                                std::size_t maxOutput) {
    if (startsWith(patch, "PATCH"))
        return applyIps(patch, source, maxOutput);
    if (startsWith(patch, "BPS1"))
        return applyBps(patch, source, maxOutput);
    refuse("The file is not a patch: it begins with neither \"PATCH\" (IPS) nor \"BPS1\" (BPS)");
}

} // namespace patch
