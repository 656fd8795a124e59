// Ringtone uploads of the Nokia 61xx family: type 0x05 into a location for
// model ids 10 to 13 and 18, type 0x12 for ids 14 to 17.
#include "phonelib/api/library.h"
#include "phonelib/api/phonelib.h"
#include "phonelib/drivers/nokia61xx/logos.h"
#include "phonelib/drivers/ringtonefile.h"

namespace phonelib::nokia {

uint8_t SendRingTone05(std::string& fileName, uint8_t location) {
    const RingtoneBytes ringtone = loadringtone(fileName);
    if (ringtone.status != stDone) return ringtone.status;
    Request request;
    if (const uint8_t result = ringtoneRequest05(ringtone.bytes, location, request);
        result != stDone) {
        return result;
    }
    send(request);
    Peep(440, 100);
    Peep(440, 100);
    return stDone;
}

uint8_t SendRingTone12(std::string& fileName, uint8_t) {
    const RingtoneBytes ringtone = loadringtone(fileName);
    if (ringtone.status != stDone) return ringtone.status;
    send(ringtoneRequest12(ringtone.bytes));
    Peep(440, 5);
    Peep(440, 100);
    return stDone;
}

}  // namespace phonelib::nokia
