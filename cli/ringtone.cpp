// corvina-cli ringtone send: an RTTTL (.txt) or MIDI (.mid) file to the phone.
#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/output.h"
#include "phonelib/api/phonelib.h"
#include "phonelib/api/status.h"

namespace cli {

int ringtone(Session&, const QStringList& arguments) {
    constexpr const char* kUsage = "ringtone send DATEI.txt|mid [PLATZ]";
    if (arguments.value(0) != "send" || arguments.size() < 2) return usageError(kUsage);
    int location = 0;
    if (arguments.size() > 2) {
        const auto given = numberArgument(arguments[2], "Der Platz", 0, 255);
        if (!given) return 2;
        location = *given;
    }
    const uint8_t status =
        phonelib::SendRingTone(arguments[1].toStdString(), static_cast<uint8_t>(location));
    if (status != phonelib::stDone) return failed("Klingelton nicht gesendet", status);
    printRecord({"Klingelton gesendet", phoneText(arguments[1])});
    return 0;
}

}  // namespace cli
