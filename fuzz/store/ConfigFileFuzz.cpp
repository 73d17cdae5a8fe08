// Feeds arbitrary text to ConfigLoad (first byte even) or WriteAll (first byte odd) and checks
// that whatever was accepted survives being written out and read back.
#include <kiv/ConfigFile.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

namespace {

std::string scratchFile(const char* role) {
    const std::filesystem::path folder =
        std::filesystem::exists("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path();
    return (folder / ("kiv-fuzz-" + std::to_string(::getpid()) + "-" + role)).string();
}

void require(bool condition) {
    if (!condition)
        __builtin_trap();
}

std::string readBytes(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Text from a file holds no carriage return and only code page characters, so it must come back
// from a saved file unchanged; text given to WriteAll need not.
void checkRoundTrips(const kiv::ConfigFile& store, bool cameFromFile) {
    const std::string all = store.GetAll();
    kiv::ConfigFile fromText;
    fromText.WriteAll(all);
    require(fromText.GetAll() == all);

    static const std::string saved = scratchFile("saved");
    store.ConfigSave(saved);
    kiv::ConfigFile fromFile;
    try {
        fromFile.ConfigLoad(saved);
    } catch (const kiv::Error& error) {
        require(!cameFromFile && error.number() == kiv::errors::InvalidArgument);
        return;
    }
    if (cameFromFile) {
        require(fromFile.GetAll() == all);
        const std::string bytes = readBytes(saved);
        fromFile.ConfigSave(saved);
        require(readBytes(saved) == bytes);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const bool viaFile = (data[0] & 1) == 0;
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);

    kiv::ConfigFile store;
    try {
        if (viaFile) {
            static const std::string input = scratchFile("input");
            std::ofstream(input, std::ios::binary | std::ios::trunc) << text;
            store.ConfigLoad(input);
        } else {
            store.WriteAll(text);
        }
    } catch (const kiv::Error& error) {
        require(error.number() == kiv::errors::InvalidArgument ||
                error.number() == kiv::errors::SubscriptOutOfRange);
        require(store.LastSlot() == -1 && store.GetAll().empty());
        return 0;
    }
    checkRoundTrips(store, viaFile);
    return 0;
}
