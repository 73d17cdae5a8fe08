// tarnwick-cli: makes the sample ROM, exports a ROM's level data, builds a ROM from level data,
// reports how much room each world's screens take, makes and applies IPS and BPS patches and, in
// builds with the editor, draws levels.

#include "messages/CodecMessages.h"
#include "patch/Patch.h"
#include "rom/DataUsage.h"
#include "rom/LevelDocument.h"
#include "rom/RomFile.h"
#include "rom/RomWriter.h"
#include "sample/SampleRom.h"

#include <kiv/ConfigFile.h>

#ifdef TARNWICK_CLI_RENDER
#include "cli/RenderCommand.h"
#endif

#include <charconv>
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace {

constexpr int ExitError = 1;
constexpr int ExitUsage = 2;

constexpr std::string_view Usage =
    "Usage:\n"
    "  tarnwick-cli sample OUT.gb [--seed N]    write the sample ROM (seed 1 by default)\n"
    "  tarnwick-cli export ROM.gb OUT.twd       save the level data of a ROM as a .twd file\n"
    "  tarnwick-cli build ROM.gb IN.twd OUT.gb  write IN.twd's level data into a copy of ROM.gb\n"
    "  tarnwick-cli usage FILE                  bytes each world's screens take (ROM or .twd)\n"
    "  tarnwick-cli patch ORIGINAL.gb EDITED.gb OUT.bps|OUT.ips\n"
    "                                           write what turns ORIGINAL.gb into EDITED.gb as a\n"
    "                                           BPS or IPS patch (by the extension of OUT)\n"
    "  tarnwick-cli apply PATCH ORIGINAL.gb OUT.gb\n"
    "                                           write ORIGINAL.gb with PATCH (BPS or IPS) applied\n"
#ifdef TARNWICK_CLI_RENDER
    "  tarnwick-cli render ROM.gb LEVEL OUT.png [--objects]\n"
    "                                           draw level LEVEL (1-1 or 11) as a PNG picture;\n"
    "                                           --objects marks enemies, power-ups and pipes\n"
#else
    "  (render, which draws levels, is left out: it needs a build with TARNWICK_BUILD_GUI=ON)\n"
#endif
    "  tarnwick-cli --help                      show this text\n";

using Args = std::vector<std::string>;

constexpr std::string_view LineBreak = "\n";

int fail(const std::string& message) {
    std::cerr << "tarnwick-cli: " << message << '\n';
    return ExitError;
}

int failFile(std::string_view what, const std::string& file, const kiv::Error& e) {
    return fail(std::string("Unable to ") + std::string(what) + " file: '" + file + "' - " +
                e.description() + ", " + std::to_string(e.number()));
}

// Runs one file step of a command, which either throws kiv::Error or returns nothing, or returns a
// refusal ("" for none). Gives the exit code of a failed or refused step, or nothing.
template <typename Step>
std::optional<int> fileStep(std::string_view what, const std::string& file, Step step) {
    try {
        if constexpr (std::is_void_v<decltype(step())>) {
            step();
        } else if (const std::string refusal = step(); !refusal.empty()) {
            return fail(refusal);
        }
    } catch (const kiv::Error& e) {
        return failFile(what, file, e);
    }
    return std::nullopt;
}

int wrongUsage(const std::string& why) {
    std::cerr << "tarnwick-cli: " << why << "\n\n" << Usage;
    return ExitUsage;
}

bool endsWithTwd(const std::string& path) {
    if (path.size() < 4)
        return false;
    std::string ext = path.substr(path.size() - 4);
    for (char& c : ext)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ext == ".twd";
}

int runSample(const Args& args) {
    uint32_t seed = 1;
    if (args.size() == 4 && args[2] == "--seed") {
        const std::string& text = args[3];
        const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), seed);
        if (ec != std::errc() || end != text.data() + text.size())
            return wrongUsage("The seed must be a whole number from 0 to 4294967295.");
    } else if (args.size() != 2) {
        return wrongUsage("sample takes an output file and an optional --seed N.");
    }
    if (auto failed = fileStep("write", args[1],
                               [&] { rom::replaceFile(args[1], rom::makeSampleRom(seed)); }))
        return *failed;
    std::cout << "Sample ROM written: " << args[1] << " (seed " << seed << ")\n";
    return 0;
}

int runExport(const Args& args) {
    if (args.size() != 3)
        return wrongUsage("export takes a ROM file and an output file.");
    rom::LevelDocument document;
    if (auto failed = fileStep("load", args[1], [&] { document.loadROM(args[1]); }))
        return *failed;
    if (auto failed = fileStep("export", args[2], [&] { document.exportFile(args[2]); }))
        return *failed;
    std::cout << "Level data exported: " << args[2] << '\n';
    return 0;
}

int runBuild(const Args& args) {
    if (args.size() != 4)
        return wrongUsage("build takes a ROM file, a level-data file and an output file.");
    rom::LevelDocument document;
    if (auto failed = fileStep("load", args[1], [&] { document.loadROM(args[1]); }))
        return *failed;
    // The window's Import takes files the same way, so both refuse the same files.
    if (auto failed = fileStep("import", args[2], [&] { return document.importFile(args[2]); }))
        return *failed;
    // The import marked every section, so the whole document is written.
    kiv::ConfigFile kivSave;
    const rom::SaveOutcome outcome =
        rom::saveROM(args[1], args[3], document.kivLevel(), kivSave, document.sectionChanged());
    switch (outcome.kind) {
    case rom::SaveOutcome::Kind::Saved:
        std::cout << messages::savedText(args[3], outcome.sections, LineBreak) << '\n';
        return 0;
    case rom::SaveOutcome::Kind::Refused:
        return fail(messages::refusedText(outcome.sections, LineBreak));
    case rom::SaveOutcome::Kind::Failed:
        break;
    }
    return fail("Unable to save file: '" + args[1] + "' - " + outcome.errorDescription + ", " +
                std::to_string(outcome.errorNumber));
}

int runUsage(const Args& args) {
    if (args.size() != 2)
        return wrongUsage("usage takes one ROM or level-data file.");
    const std::string& path = args[1];
    rom::LevelDocument document;
    // Level data is measured only once it passed the same import check as build and the window.
    const std::optional<int> failed =
        endsWithTwd(path) ? fileStep("import", path, [&] { return document.importFile(path); })
                          : fileStep("load", path, [&] { document.loadROM(path); });
    if (failed)
        return *failed;
    try {
        kiv::ConfigFile kivSave;
        std::cout << messages::dataUsageText(rom::dataUsage(document.kivLevel(), kivSave),
                                             LineBreak)
                  << '\n';
    } catch (const kiv::Error& e) {
        return fail("Unable to check the data usage of '" + path + "' - " + e.description() + ", " +
                    std::to_string(e.number()));
    }
    return 0;
}

int runPatch(const Args& args) {
    if (args.size() != 4)
        return wrongUsage("patch takes the original ROM, the edited ROM and an output file.");
    const std::optional<patch::Format> format = patch::formatOfName(args[3]);
    if (!format)
        return wrongUsage("The patch file's name must end in .bps or .ips.");
    std::vector<uint8_t> original;
    std::vector<uint8_t> edited;
    if (auto failed = fileStep("load", args[1], [&] { original = rom::readWholeFile(args[1]); }))
        return *failed;
    if (auto failed = fileStep("load", args[2], [&] { edited = rom::readWholeFile(args[2]); }))
        return *failed;
    if (auto failed = fileStep("write", args[3], [&] {
            rom::replaceFile(args[3], patch::makePatch(*format, original, edited));
        }))
        return *failed;
    std::cout << "Patch written: " << args[3] << '\n';
    return 0;
}

int runApply(const Args& args) {
    if (args.size() != 4)
        return wrongUsage("apply takes a patch, the original ROM and an output file.");
    std::vector<uint8_t> patchBytes;
    std::vector<uint8_t> original;
    std::vector<uint8_t> patched;
    if (auto failed = fileStep("load", args[1], [&] { patchBytes = rom::readWholeFile(args[1]); }))
        return *failed;
    if (auto failed = fileStep("load", args[2], [&] { original = rom::readWholeFile(args[2]); }))
        return *failed;
    // A refused patch stops here, before the output is touched.
    if (auto failed =
            fileStep("apply", args[1], [&] { patched = patch::applyPatch(patchBytes, original); }))
        return *failed;
    if (auto failed = fileStep("write", args[3], [&] { rom::replaceFile(args[3], patched); }))
        return *failed;
    std::cout << "Patched ROM written: " << args[3] << '\n';
    return 0;
}

#ifdef TARNWICK_CLI_RENDER
int runRender(const Args& args) {
    const cli::RenderOutcome outcome = cli::render(args);
    switch (outcome.kind) {
    case cli::RenderOutcome::Kind::Done:
        std::cout << outcome.message << '\n';
        return 0;
    case cli::RenderOutcome::Kind::WrongUsage:
        return wrongUsage(outcome.message);
    case cli::RenderOutcome::Kind::Failed:
        break;
    }
    return fail(outcome.message);
}
#endif

} // namespace

int main(int argc, char** argv) {
    const Args args(argv + 1, argv + argc);
    if (args.empty())
        return wrongUsage("No command given.");
    const std::string& command = args[0];
    if (command == "--help" || command == "-h") {
        std::cout << Usage;
        return 0;
    }
    if (command == "sample")
        return runSample(args);
    if (command == "export")
        return runExport(args);
    if (command == "build")
        return runBuild(args);
    if (command == "usage")
        return runUsage(args);
    if (command == "patch")
        return runPatch(args);
    if (command == "apply")
        return runApply(args);
#ifdef TARNWICK_CLI_RENDER
    if (command == "render")
        return runRender(args);
#endif
    return wrongUsage("Unknown command '" + command + "'.");
}
