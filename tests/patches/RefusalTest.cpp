// Patches the appliers must refuse, each with a message that says what is wrong.

#include "patch/BpsNumbers.h"
#include "patch/Crc32.h"
#include "patch/Patch.h"
#include "tests/patches/PatchTestSupport.h"

#include <gtest/gtest.h>

namespace {

void putLittleEndian(Bytes& out, uint32_t value) {
    for (int k = 0; k < 4; ++k)
        out.push_back(uint8_t(value >> (8 * k)));
}

// A BPS patch for `source` with the given target size and actions, its patch checksum right.
Bytes sealedBps(const Bytes& source, uint64_t targetSize, const Bytes& actions,
                uint32_t targetCrc = 0) {
    Bytes out = bytesOf("BPS1");
    patch::putNumber(out, source.size());
    patch::putNumber(out, targetSize);
    patch::putNumber(out, 0);
    out.insert(out.end(), actions.begin(), actions.end());
    putLittleEndian(out, patch::crc32(source));
    putLittleEndian(out, targetCrc);
    putLittleEndian(out, patch::crc32(out));
    return out;
}

// `bps` with its target checksum changed and its patch checksum made right again.
Bytes withWrongTargetCrc(Bytes bps) {
    bps[bps.size() - 8] ^= 0x01;
    bps.erase(bps.end() - 4, bps.end()); // the old patch checksum
    putLittleEndian(bps, patch::crc32(bps));
    return bps;
}

Bytes firstBytes(const Bytes& bytes, std::size_t n) {
    return Bytes(bytes.begin(), bytes.begin() + long(n));
}

Bytes changedAt(Bytes bytes, std::size_t at) {
    bytes[at] ^= 0x20;
    return bytes;
}

const Bytes Ips = fixture("records.ips.hex");
const Bytes Bps = fixture("actions.bps.hex");
const Bytes BpsSource = bytesOf("ABCDEFGHIJKLMNOP");
const Bytes Four = bytesOf("WXYZ");
const Bytes Sixteen(16, 0x00);

Bytes ips(const Bytes& records, const Bytes& footer = bytesOf("EOF")) {
    return concat({bytesOf("PATCH"), records, footer});
}

struct RefusalCase {
    const char* name;
    Bytes patch;
    Bytes source;
    std::string message; // the refusal's message holds this
    int32_t number = patch::ErrBadPatch;
};

const RefusalCase Cases[] = {
    {"not a patch", bytesOf("hello, world"), Sixteen, "not a patch"},
    {"empty file", {}, Sixteen, "not a patch"},
    {"IPS header misspelt", changedAt(Ips, 4), Sixteen, "not a patch"},
    {"IPS cut in a record", firstBytes(Ips, 9), Sixteen, "IPS patch is truncated"},
    {"IPS cut in a run", firstBytes(Ips, 17), Sixteen, "IPS patch is truncated"},
    {"IPS without its footer", firstBytes(Ips, 21), Sixteen, "IPS patch is truncated"},
    {"IPS record past 16 MiB", ips({0xFF, 0xFF, 0xFF, 0x00, 0x02, 0xAA, 0xBB}), Sixteen,
     "IPS patch writes outside the image"},
    {"IPS run past 16 MiB", ips({0xFF, 0xFF, 0xF0, 0x00, 0x00, 0x00, 0x20, 0x11}), Sixteen,
     "IPS patch writes outside the image"},
    {"IPS truncation longer than the image", ips({}, {0x45, 0x4F, 0x46, 0x00, 0x00, 0x11}), Sixteen,
     "truncates the image to 17 bytes"},
    {"IPS bytes after the footer", ips({}, bytesOf("EOFxy")), Sixteen,
     "2 bytes follow its EOF footer"},
    {"BPS header misspelt", changedAt(Bps, 3), BpsSource, "not a patch"},
    {"BPS too short for its checksums", firstBytes(Bps, 18), BpsSource, "BPS patch is truncated"},
    {"BPS cut short", firstBytes(Bps, Bps.size() - 5), BpsSource, "patch checksum does not match"},
    {"BPS byte changed", changedAt(Bps, 9), BpsSource, "patch checksum does not match"},
    {"BPS for another source", Bps, bytesOf("ABCDEFGHIJKLMNOQ"), "source checksum does not match",
     patch::ErrWrongSource},
    {"BPS for a source of another size", Bps, bytesOf("ABCDEFGHIJKLMNO"),
     "source size does not match", patch::ErrWrongSource},
    {"BPS target checksum", withWrongTargetCrc(Bps), BpsSource, "target checksum does not match"},
    {"BPS SourceRead past the source", sealedBps(Four, 8, {0x9C}), Four,
     "reads outside the source"},
    {"BPS SourceCopy past the source", sealedBps(Four, 4, {0x8E, 0x84}), Four,
     "copies from outside the source"},
    {"BPS SourceCopy before the source", sealedBps(Four, 1, {0x82, 0x83}), Four,
     "moves to before its start"},
    {"BPS TargetCopy of nothing written", sealedBps(Four, 4, {0x87, 0x80}), Four,
     "copies from outside the target"},
    {"BPS TargetCopy ahead of the output", sealedBps(Four, 4, {0x81, 0x41, 0x87, 0x84}), Four,
     "moves to past its end"},
    {"BPS action past the target", sealedBps(Four, 2, {0x89, 'a', 'b', 'c'}), Four,
     "writes outside the image"},
    {"BPS actions short of the target", sealedBps(Four, 5, {0x81, 'a'}), Four,
     "its actions make 1 byte, not the 5 bytes it declares"},
    {"BPS TargetRead past its data", sealedBps(Four, 4, {0x8D, 'a', 'b'}), Four,
     "BPS patch is truncated"},
    {"BPS target over 16 MiB", sealedBps(Four, uint64_t{1} << 25, {0x80}), Four,
     "more than the 16 MiB allowed"},
    {"BPS number too large", sealedBps(Four, 4, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x80}), Four,
     "number too large"},
};

TEST(PatchRefusals, SayWhatIsWrong) {
    for (const RefusalCase& c : Cases) {
        const Refusal refused = refusalOf([&] { patch::applyPatch(c.patch, c.source); });
        EXPECT_EQ(refused.number, c.number) << c.name << ": " << refused.message;
        EXPECT_NE(refused.message.find(c.message), std::string::npos)
            << c.name << ": " << refused.message;
    }
}

// Every cut of a fixture before its end is refused; for the IPS patch, every cut before its
// footer (without the truncation length it is a whole patch).
TEST(PatchRefusals, EveryCutOfAFixtureIsRefused) {
    for (const auto& [whole, cuts] : {std::pair{Ips, Ips.size() - 3}, std::pair{Bps, Bps.size()}})
        for (std::size_t n = 0; n < cuts; ++n) {
            const Bytes& source = &whole == &Ips ? Sixteen : BpsSource;
            const Bytes cut = firstBytes(whole, n);
            EXPECT_EQ(refusalOf([&] { patch::applyPatch(cut, source); }).number, patch::ErrBadPatch)
                << n;
        }
}

} // namespace

namespace {

// The caller may set a lower cap; the fixtures give 14 and 21 bytes.
TEST(PatchRefusals, OutputsOverTheCallersCap) {
    const struct {
        const Bytes& patch;
        const Bytes& source;
        std::size_t cap;
        std::string message;
    } cases[] = {
        {Bps, BpsSource, 20, "would make a file of 21 bytes, more than the 20 bytes allowed"},
        {Ips, Sixteen, 15, "The file to patch is larger than 15 bytes"},
        {ips({0x00, 0x00, 0x10, 0x00, 0x01, 0xAA}), Sixteen, 16, "reaches past 16 bytes"},
        {ips({0x10, 0x00, 0x00, 0x00, 0x01, 0xAA}), Sixteen, std::size_t{1} << 20,
         "reaches past 1 MiB"},
    };
    for (const auto& c : cases) {
        const Refusal refused = refusalOf([&] { patch::applyPatch(c.patch, c.source, c.cap); });
        EXPECT_NE(refused.message.find(c.message), std::string::npos) << refused.message;
    }
    EXPECT_EQ(patch::applyPatch(Bps, BpsSource, 21).size(), 21u);
    EXPECT_EQ(patch::applyPatch(ips({0x00, 0x00, 0x10, 0x00, 0x01, 0xAA}), Sixteen, 17).size(),
              17u);
}

} // namespace
