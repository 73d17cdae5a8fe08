// Patches made by our writers give back the edited image, for edits of every kind.

#include "patch/Patch.h"
#include "rom/LevelDocument.h"
#include "rom/RomFile.h"
#include "rom/RomWriter.h"
#include "sample/SampleRom.h"
#include "tests/patches/PatchTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>

namespace {

using patch::Format;

struct Edit {
    const char* name;
    std::function<void(Bytes&)> apply;
};

void randomBytes(Bytes& image) {
    std::mt19937 random(7);
    for (int k = 0; k < 300; ++k)
        image[random() % image.size()] = uint8_t(random());
}

const Edit Edits[] = {
    {"no change", [](Bytes&) {}},
    {"first byte", [](Bytes& image) { image[0] ^= 0xFF; }},
    {"last byte", [](Bytes& image) { image.back() ^= 0x01; }},
    {"changes a few bytes apart",
     [](Bytes& image) {
         for (std::size_t at : {100, 103, 108, 120, 121})
             image[at] = uint8_t(~image[at]);
     }},
    {"random bytes", randomBytes},
    {"long run", [](Bytes& image) { std::fill(image.begin() + 3000, image.begin() + 8000, 0xFF); }},
    {"whole image one byte", [](Bytes& image) { std::fill(image.begin(), image.end(), 0x5A); }},
    {"block moved",
     [](Bytes& image) { std::copy_n(image.begin() + 0x4000, 0x1000, image.begin() + 0x9000); }},
    {"pattern repeated",
     [](Bytes& image) {
         for (std::size_t k = 0x2000; k < 0x3000; ++k)
             image[k] = uint8_t("tarnwick"[k % 8]);
     }},
    {"shorter", [](Bytes& image) { image.resize(40000); }},
    {"longer",
     [](Bytes& image) {
         image.resize(image.size() + 5000, 0xEE);
         image.back() = 0x01;
     }},
    {"emptied", [](Bytes& image) { image.clear(); }},
    {"another sample", [](Bytes& image) { image = rom::makeSampleRom(7); }},
};

TEST(PatchRoundTrip, EditedSamplesComeBack) {
    const Bytes original = rom::makeSampleRom();
    for (const Edit& edit : Edits) {
        Bytes edited = original;
        edit.apply(edited);
        for (const Format format : {Format::Ips, Format::Bps}) {
            const Bytes made = patch::makePatch(format, original, edited, "<note/>");
            EXPECT_EQ(patch::applyPatch(made, original), edited)
                << edit.name << (format == Format::Ips ? " (IPS)" : " (BPS)");
        }
    }
}

// The writers take the cheap encodings: nearby changes share a record, and a run, a moved block
// and an unchanged image cost a few bytes, not their length.
TEST(PatchRoundTrip, RunsAndCopiesAreShort) {
    const Bytes original = rom::makeSampleRom();
    const struct {
        const char* edit;
        Format format;
        std::size_t atMost;
    } cases[] = {
        {"no change", Format::Ips, 8},
        {"no change", Format::Bps, 40},
        {"long run", Format::Ips, 40},
        {"long run", Format::Bps, 40},
        {"whole image one byte", Format::Ips, 30},
        {"whole image one byte", Format::Bps, 40},
        // Two records: the changes at 100, 103 and 108 share one, as a record costs five bytes.
        {"changes a few bytes apart", Format::Ips, 29},
        {"block moved", Format::Bps, 60},
        {"pattern repeated", Format::Bps, 60},
    };
    for (const auto& c : cases) {
        const auto edit = std::find_if(std::begin(Edits), std::end(Edits), [&](const Edit& e) {
            return e.name == std::string(c.edit);
        });
        Bytes edited = original;
        edit->apply(edited);
        EXPECT_LE(patch::makePatch(c.format, original, edited).size(), c.atMost) << c.edit;
    }
}

// No IPS record may start at 0x454F46, which reads as the footer; images that large must still
// round-trip when that very byte changes.
TEST(PatchRoundTrip, ChangesAtTheFooterOffset) {
    constexpr std::size_t Eof = 0x454F46;
    const Bytes original(Eof + 0x1000, 0x00);
    const std::function<void(Bytes&)> edits[] = {
        [](Bytes& image) { image[Eof] = 1; },
        [](Bytes& image) { std::fill_n(image.begin() + Eof, 100, 0x33); },
        [](Bytes& image) { std::fill_n(image.begin() + Eof - 1, 3, 0x44); },
        [](Bytes& image) { std::fill_n(image.begin() + Eof - 0x10000, 0x10000, 0x55); },
    };
    for (const auto& edit : edits) {
        Bytes edited = original;
        edit(edited);
        for (const Format format : {Format::Ips, Format::Bps})
            EXPECT_TRUE(patch::applyPatch(patch::makePatch(format, original, edited), original) ==
                        edited);
    }
}

// An edit made through the level document, as the window's Export patch writes it.
TEST(PatchRoundTrip, DocumentEditComesBack) {
    const std::string romFile = (std::filesystem::temp_directory_path() /
                                 ("patch-round-trip-" + std::to_string(::getpid()) + ".gb"))
                                    .string();
    rom::replaceFile(romFile, rom::makeSampleRom());
    rom::LevelDocument document;
    document.loadROM(romFile);
    const rom::LevelId level = rom::LevelId::at(0);
    const std::string ref = *document.screenOrder(level).front();
    document.setCell(level, ref, 0, 0, 19);
    document.setCell(level, ref, 19, 15, 3);
    kiv::ConfigFile kivSave;
    const rom::BuiltImage built =
        rom::buildImage(romFile, document.kivLevel(), kivSave, document.sectionChanged());
    const Bytes original = rom::readWholeFile(romFile);
    std::filesystem::remove(romFile);
    ASSERT_EQ(built.outcome.kind, rom::SaveOutcome::Kind::Saved);
    ASSERT_NE(built.image, original);
    for (const Format format : {Format::Ips, Format::Bps})
        EXPECT_EQ(patch::applyPatch(patch::makePatch(format, original, built.image), original),
                  built.image);
}

} // namespace
