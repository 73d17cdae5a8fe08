// The patch formats as their public definitions give them: checksums, BPS numbers, and patches
// built by hand applied to their sources.

#include "patch/Bps.h"
#include "patch/BpsNumbers.h"
#include "patch/Crc32.h"
#include "patch/Ips.h"
#include "patch/Patch.h"
#include "tests/patches/PatchTestSupport.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(Crc32, MatchesTheCommonChecksum) {
    const struct {
        std::string_view text;
        uint32_t crc;
    } cases[] = {
        {"", 0},
        {"a", 0xE8B7BE43},
        {"123456789", 0xCBF43926},
        {"The quick brown fox jumps over the lazy dog", 0x414FA339},
    };
    for (const auto& c : cases)
        EXPECT_EQ(patch::crc32(bytesOf(c.text)), c.crc) << c.text;
}

TEST(BpsNumbers, WriteAndReadAsDefined) {
    const struct {
        uint64_t value;
        Bytes encoded;
    } cases[] = {
        {0, {0x80}},         {1, {0x81}},           {127, {0xFF}},
        {128, {0x00, 0x80}}, {16511, {0x7F, 0xFF}}, {16512, {0x00, 0x00, 0x80}},
    };
    for (const auto& c : cases) {
        Bytes out;
        patch::putNumber(out, c.value);
        EXPECT_EQ(out, c.encoded) << c.value;
        patch::ByteReader in(c.encoded, "truncated");
        EXPECT_EQ(patch::readNumber(in), c.value);
        EXPECT_TRUE(in.atEnd());
    }
}

TEST(BpsNumbers, LargestNumberRoundTripsAndOneMoreOverflows) {
    Bytes out;
    patch::putNumber(out, std::numeric_limits<uint64_t>::max());
    patch::ByteReader in(out, "truncated");
    EXPECT_EQ(patch::readNumber(in), std::numeric_limits<uint64_t>::max());

    Bytes tooLong(10, 0x00);
    tooLong.push_back(0x80);
    const Refusal refused = refusalOf([&] {
        patch::ByteReader reader(tooLong, "truncated");
        patch::readNumber(reader);
    });
    EXPECT_EQ(refused.number, patch::ErrBadPatch);
    EXPECT_NE(refused.message.find("number too large"), std::string::npos) << refused.message;
}

Bytes counting(int n) {
    Bytes bytes;
    for (int k = 0; k < n; ++k)
        bytes.push_back(uint8_t(k));
    return bytes;
}

struct FixtureCase {
    const char* file;
    Bytes source;
    Bytes target;
};

const FixtureCase Fixtures[] = {
    {"records.ips.hex",
     counting(16),
     {0x00, 0x01, 0xAA, 0xBB, 0xCC, 0x05, 0x06, 0x07, 0x77, 0x77, 0x77, 0x77, 0x0C, 0x0D}},
    {"actions.bps.hex", bytesOf("ABCDEFGHIJKLMNOP"), bytesOf("ABCDxyzMNOBCBCCBCCBC!")},
};

TEST(HandBuiltPatches, GiveTheirTargets) {
    for (const FixtureCase& c : Fixtures) {
        const Bytes patchBytes = fixture(c.file);
        ASSERT_FALSE(patchBytes.empty()) << c.file;
        EXPECT_EQ(patch::applyPatch(patchBytes, c.source), c.target) << c.file;
    }
    EXPECT_EQ(patch::applyIps(fixture("records.ips.hex"), counting(16)), Fixtures[0].target);
    EXPECT_EQ(patch::applyBps(fixture("actions.bps.hex"), Fixtures[1].source), Fixtures[1].target);
}

TEST(HandBuiltPatches, BpsWriterGivesTheSameChecksums) {
    // Whatever actions our writer picks, the checksums of source and target are fixed.
    const Bytes handBuilt = fixture("actions.bps.hex");
    const Bytes written = patch::makeBps(Fixtures[1].source, Fixtures[1].target, "hand-built");
    EXPECT_TRUE(std::equal(handBuilt.end() - 12, handBuilt.end() - 4, written.end() - 12));
    EXPECT_TRUE(std::equal(handBuilt.begin(), handBuilt.begin() + 17, written.begin()));
}

TEST(PatchFormat, ComesFromTheExtension) {
    using patch::Format;
    const struct {
        std::string_view name;
        std::optional<Format> format;
    } cases[] = {
        {"out.bps", Format::Bps},   {"out.BPS", Format::Bps}, {"dir.ips/out.Ips", Format::Ips},
        {"out.ips", Format::Ips},   {"out.gb", std::nullopt}, {"bps", std::nullopt},
        {"out.ipsx", std::nullopt}, {"", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(patch::formatOfName(c.name), c.format) << c.name;
}

} // namespace
