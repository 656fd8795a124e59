// corvina-cli divert: read, set and clear call diverts.
#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/output.h"
#include "phonelib/api/phonelib.h"
#include "phonelib/api/status.h"

namespace cli {

namespace {

constexpr const char* kUsage =
    "divert get KLASSE GRUND | divert set KLASSE GRUND NUMMER [SEKUNDEN] | "
    "divert clear KLASSE GRUND   (KLASSE voice|data|fax, GRUND all|busy|unreachable|noreply)";

const QStringList kClasses = {"voice", "data", "fax"};
const QStringList kReasons = {"all", "busy", "unreachable", "noreply"};
constexpr int32_t kDefaultDelay = 5;

void printDivert(const TDivert& divert) {
    printRecord({kClasses[divert.callClass].toStdString(), kReasons[divert.reason].toStdString(),
                 divert.active ? "aktiv" : "nicht aktiviert", divert.number,
                 divert.active ? std::to_string(divert.delay) : ""});
}

}  // namespace

int divert(Session&, const QStringList& arguments) {
    const QString action = arguments.value(0);
    if (arguments.size() < 3) return usageError(kUsage);
    const auto callClass = choiceArgument(arguments[1], "die Klasse", kClasses);
    const auto reason = choiceArgument(arguments[2], "den Grund", kReasons);
    if (!callClass || !reason) return 2;
    TDivert divert;
    divert.callClass = static_cast<uint8_t>(*callClass);
    divert.reason = static_cast<uint8_t>(*reason);

    if (action == "get" && arguments.size() == 3) {
        const uint8_t status = phonelib::GetDiverts(divert);
        if (status != phonelib::stDone) return failed("Umleitung nicht gelesen", status);
        printDivert(divert);
        return 0;
    }
    if (action == "set" && (arguments.size() == 4 || arguments.size() == 5)) {
        std::string number = phoneText(arguments[3]);
        if (phonelib::formatnumber(number) < 0) {
            printError("Die angegebene Rufnummer ist ungültig! Bitte überprüfen Sie Ihre Eingabe!");
            return 2;
        }
        divert.active = 1;
        divert.number = number;
        divert.delay = kDefaultDelay;
        if (arguments.size() == 5) {
            const auto delay = numberArgument(arguments[4], "Die Verzögerung", 5, 30);
            if (!delay) return 2;
            divert.delay = *delay;
        }
    } else if (action != "clear" || arguments.size() != 3) {
        return usageError(kUsage);
    }
    const uint8_t status = phonelib::SetDiverts(divert);
    if (status != phonelib::stDone) return failed("Umleitung nicht gesetzt", status);
    printDivert(divert);
    return 0;
}

}  // namespace cli
