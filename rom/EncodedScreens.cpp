#include "rom/EncodedScreens.h"

#include "rom/LevelKeys.h"

namespace rom {

namespace {

std::string screenName(std::string_view level, std::string_view ref) {
    return cat({level, "_", ref});
}

} // namespace

const SaveBuffer& EncodedScreens::screen(const kiv::ConfigFile& kivLevel, const std::string& level,
                                         const std::string& ref) {
    std::string name = screenName(level, ref);
    if (const auto it = screens_.find(name); it != screens_.end())
        return it->second;
    SaveBuffer bytes;
    screenData(kivLevel, level, ref, bytes); // a design that throws is not kept
    return screens_.emplace(std::move(name), std::move(bytes)).first->second;
}

ScreenSource EncodedScreens::source(const kiv::ConfigFile& kivLevel) {
    return [this, &kivLevel](const std::string& level, const std::string& ref, SaveBuffer& out) {
        const SaveBuffer& bytes = screen(kivLevel, level, ref);
        out.insert(out.end(), bytes.begin(), bytes.end());
    };
}

long EncodedScreens::used(const Region& region, const kiv::ConfigFile& kivLevel) {
    std::optional<long>& used = used_[region.section];
    if (!used)
        used = measure(region, kivLevel);
    return *used;
}

// A region whose plan is known only adds up its screens; otherwise the encoder's own walk over
// the region finds the plan, and faults surface in the order a fresh encoding meets them.
long EncodedScreens::measure(const Region& region, const kiv::ConfigFile& kivLevel) {
    std::optional<std::vector<Entry>>& plan = plans_[region.section];
    if (plan) {
        long size = 0;
        for (const Entry& entry : *plan)
            size += static_cast<long>(screen(kivLevel, entry.level, entry.ref).size());
        return size - 1;
    }
    std::vector<Entry> found;
    const ScreenSource kept = source(kivLevel);
    const SaveBuffer bytes =
        encodeRegion(region, kivLevel, scratch_,
                     [&](const std::string& level, const std::string& ref, SaveBuffer& out) {
                         found.push_back({level, ref});
                         kept(level, ref, out);
                     });
    scratch_.DelAll();
    plan = std::move(found);
    return static_cast<long>(bytes.size()) - 1;
}

void EncodedScreens::forgetScreen(std::string_view level, std::string_view ref, int section) {
    screens_.erase(screenName(level, ref));
    used_[section].reset();
}

void EncodedScreens::forgetOrder(int section) {
    plans_[section].reset();
    used_[section].reset();
}

void EncodedScreens::forgetAll() {
    screens_.clear();
    plans_.fill(std::nullopt);
    used_.fill(std::nullopt);
}

} // namespace rom
