#include "cli/entryreads.h"

#include <optional>

#include "cli/arguments.h"
#include "cli/output.h"
#include "phonelib/api/phonelib.h"
#include "phonelib/api/status.h"

namespace cli {

int readEntryRun(const EntryRun& run, const std::function<TPhoneBookEntry(int32_t)>& entryAt,
                 const std::function<void(int32_t, const TPhoneBookEntry&)>& print) {
    int found = 0;
    int status = 0;
    std::optional<int32_t> lastDone;
    for (int32_t location = run.from; location <= run.to; ++location) {
        if (run.stopAfter >= 0 && found >= run.stopAfter) break;
        printProgress(std::string("Lese ") + run.place + " " + std::to_string(location) + " von " +
                      std::to_string(run.to));
        TPhoneBookEntry entry = entryAt(location);
        const uint8_t result = phonelib::ReadPhoneBookEntry(entry);
        if (result == phonelib::stNotConnected) {
            printProgress("\n");
            return linkLost(lastDone, location);
        }
        lastDone = location;
        if (result != phonelib::stDone) {
            printProgress("\n");
            status = failed(std::string(run.place) + " " + std::to_string(location), result);
            continue;
        }
        if (entry.empty) continue;
        ++found;
        print(location, entry);
    }
    printProgress(std::to_string(found) + " " + run.entries + " gelesen                    \n");
    return status;
}

}  // namespace cli
