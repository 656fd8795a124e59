// A tone on the phone's buzzer.
#include <QThread>

#include "phonelib/api/library.h"
#include "phonelib/api/phonelib.h"

namespace phonelib {

void Peep(int32_t frequency, int32_t duration) {
    lib().runJob([&] {
        const auto hz = static_cast<uint16_t>(frequency);
        lib().frames.SendFbusMessage(0x40, {0x00, 0x01, 0x8F, 0x06, static_cast<uint8_t>(hz >> 8),
                                            static_cast<uint8_t>(hz)});
        // The tone lasts while the library thread sleeps; nothing is
        // processed meanwhile.
        QThread::msleep(duration > 0 ? static_cast<unsigned long>(duration) : 0);
        lib().frames.SendFbusMessage(0x40, {0x00, 0x01, 0x8F, 0x00, 0x00, 0x00});
    });
}

}  // namespace phonelib
