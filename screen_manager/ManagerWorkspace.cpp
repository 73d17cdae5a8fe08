#include "screen_manager/ManagerWorkspace.h"

#include "rom/LevelKeys.h"
#include "editor/Workspace.h"

#include <string>
#include <vector>

namespace {

void writeEntries(kiv::ConfigFile& store, const std::vector<rom::CatalogueEntry>& entries,
                  const std::string& countKey, const std::string& codePrefix,
                  const std::string& descPrefix) {
    store.WriteValue(countKey, rom::num(static_cast<long>(entries.size())));
    for (size_t i = 0; i < entries.size(); ++i) {
        const std::string n = rom::num(static_cast<long>(i + 1));
        store.WriteValue(codePrefix + n, entries[i].codeText);
        store.WriteValue(descPrefix + n, entries[i].description);
    }
}

} // namespace

ManagerWorkspace::ManagerWorkspace(Workspace& workspace)
    : kivLevel(workspace.document().storeForKeyEdits()) {
    writeEntries(kivObjects, workspace.catalogue().enemies(), "Enemies", "CodeE", "DescE");
    writeEntries(kivObjects, workspace.catalogue().powerUps(), "PowerUps", "CodeP", "DescP");
}

void ManagerWorkspace::markChanges(rom::LevelDocument& document, rom::LevelId level) {
    const auto take = [&document](bool& flag, int section) {
        if (flag)
            document.markChanged(section);
        flag = false;
    };
    take(smChanged, level.screenSection());
    take(smEnemyChanged, rom::SectionEnemies);
    take(smPowerUpChanged, rom::SectionPowerUps);
    take(smPipeChanged, rom::SectionPipes);
}
