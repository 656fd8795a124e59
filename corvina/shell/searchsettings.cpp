#include "corvina/shell/searchsettings.h"

#include "corvina/settings/settingsrecord.h"

namespace corvina {

SearchPort::Dependencies searchWithStoredSettings() {
    SearchPort::Dependencies deps = SearchPort::systemDependencies();
    deps.readSetup = [] {
        const TSettings settings = readSettings();
        return SearchSetup{settings.comport, settings.lastModel, settings.speed};
    };
    deps.storeResult = [](const QString& port, uint8_t kind) {
        const auto store = openSettingsStore();
        TSettings settings = readSettings(*store);
        settings.comport = port;
        settings.lastModel = kind;
        writeSettings(*store, settings);
    };
    return deps;
}

}  // namespace corvina
