#pragma once

// The encoded bytes of a document's screen designs, kept between measurements so that an edit
// costs the encoding of the screens it touched rather than of every screen of the game. The
// level document owns one and tells it what each change invalidates; the figures and bytes it
// hands out are always those a fresh encoding of the same document gives.

#include "rom/RomLayout.h"
#include "rom/ScreenEncoder.h"

#include <kiv/ConfigFile.h>

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace rom {

class EncodedScreens {
public:
    // Bytes of the region's screens as a save counts them (bytes written - 1). Throws kiv::Error
    // as encodeRegion does, for the same first fault.
    long used(const Region& region, const kiv::ConfigFile& kivLevel);
    // The encoder's source over the kept bytes, encoding only designs it does not hold yet.
    ScreenSource source(const kiv::ConfigFile& kivLevel);

    // The cells of level's design of `ref` changed; `section` is the level's save region.
    void forgetScreen(std::string_view level, std::string_view ref, int section);
    // Which screens a region encodes, or in which order, may have changed.
    void forgetOrder(int section);
    // Anything may have changed.
    void forgetAll();

private:
    struct Entry {
        std::string level;
        std::string ref;
    };
    const SaveBuffer& screen(const kiv::ConfigFile& kivLevel, const std::string& level,
                             const std::string& ref);
    long measure(const Region& region, const kiv::ConfigFile& kivLevel);

    std::unordered_map<std::string, SaveBuffer> screens_; // by "<level>_<ref>"
    // The designs each region encodes, in the order it writes them.
    std::array<std::optional<std::vector<Entry>>, 3> plans_;
    std::array<std::optional<long>, 3> used_;
    kiv::ConfigFile scratch_; // the encoder's bookkeeping while a plan is made
};

} // namespace rom
