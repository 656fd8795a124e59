// The modules built into the program. Each module adds its registration here;
// the ringtone editor joins the logo window, which opens it.
#include "corvina/calendar/tkalendarform.h"
#include "corvina/diverts/tumleitform.h"
#include "corvina/info/tinfoform.h"
#include "corvina/logos/tlogoform.h"
#include "corvina/messages/tsmsform.h"
#include "corvina/phonebook/tphonebook_grid.h"
#include "corvina/profiles/tprofilform.h"
#include "corvina/ringtones/ringtoneservice.h"
#include "corvina/ringtones/truftoneditorform.h"
#include "corvina/shell/moduleregistry.h"

namespace corvina {
namespace {

void joinRingtonesToLogos(ModuleRegistry& registry) {
    const ModuleDescriptor* found = registry.find(Module::Logos);
    if (!found) return;
    ModuleDescriptor logos = *found;
    logos.create = [create = logos.create](Tgesamtform& shell) -> QWidget* {
        auto* window = static_cast<Tlogoform*>(create(shell));
        auto* ringtones = new RingtoneService(shell, window);
        QObject::connect(window, &Tlogoform::ringtoneEditRequested, ringtones,
                         &RingtoneService::edit);
        QObject::connect(window, &Tlogoform::midiSelected, ringtones, &RingtoneService::playMidi);
        QObject::connect(window, &Tlogoform::midiStopRequested, ringtones,
                         &RingtoneService::stopMidi);
        QObject::connect(ringtones, &RingtoneService::transferRequested, window,
                         &Tlogoform::sendRingtoneFile);
        window->setRingtonePreparer([ringtones](const QString& file, auto then) {
            ringtones->prepareForSending(file, std::move(then));
        });
        return window;
    };
    // Unsaved work of the ringtone editor is asked for first, then the logo
    // editor's.
    logos.holdExit = [hold = logos.holdExit](QWidget* window, std::function<void()> proceed) {
        const auto logoEditor = [hold, window, proceed] {
            if (!hold || !hold(window, proceed)) proceed();
        };
        auto* ringtones = window->findChild<RingtoneService*>();
        if (ringtones && ringtones->editor()->holdForChanges(logoEditor)) return true;
        return hold && hold(window, proceed);
    };
    registry.add(std::move(logos));
}

}  // namespace

void registerModules(ModuleRegistry& registry) {
    registerInformationModule(registry);
    registerPhonebookModule(registry);
    registerLogoModule(registry);
    joinRingtonesToLogos(registry);
    registerProfileModule(registry);
    registerDivertModule(registry);
    registerCalendarModule(registry);
    registerMessageModule(registry);
}

}  // namespace corvina
