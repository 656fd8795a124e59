// The ringtone uploads of the 7110 family.
//
// Model 21 (type 0x1F): 00 01 01 1F 00 location + 0x74, the name "Corvina"
// as 16-bit characters in bytes 6 to 36 (zeros after it), 02 FC 09 00 0A 01,
// the note pairs, 00, then 0A FE 0A 0A 40 7A 07 0B 00 00 00. A note is the
// pair (note + 0x43, duration); a pause is the pair (40, duration), the same
// silence as the short gap 40 01 put between two equal notes so the phone
// plays them as two.
// Models 19 and 20 (type 0x00): 7C 01 00 0D 00 00 00 00 00 00 N, the N
// ringtone bytes, eight bytes 00.
#include "phonelib/api/status.h"
#include "phonelib/drivers/nokia7110/logos.h"
#include "phonelib/drivers/ringtonefile.h"

namespace phonelib::nokia7110 {

namespace {

constexpr uint8_t kLocationBase = 0x74;
constexpr size_t kNameBytes = 31;  // bytes 6 to 36
constexpr uint8_t kNoteBase = 0x43;
constexpr uint8_t kPause = 0x40;
constexpr uint8_t kRepeatGap[] = {kPause, 0x01};
constexpr uint8_t kTrailer[] = {0x0A, 0xFE, 0x0A, 0x0A, 0x40, 0x7A, 0x07, 0x0B, 0x00, 0x00, 0x00};

}  // namespace

uint8_t binaryRingtoneRequest(std::span<const midi::TNote> notes, int tempo, uint8_t location,
                              Request& request) {
    if (location > 0xFF - kLocationBase) return stNoSuchLocation;
    if (tempo <= 0) return stFileUnreadable;
    request = {0x1F,
               {0x00, 0x01, 0x01, 0x1F, 0x00, static_cast<uint8_t>(location + kLocationBase)}};
    auto& body = request.body;
    std::vector<uint8_t> name(kNameBytes, 0x00);
    const std::string title = kMidiRingtoneTitle;
    for (size_t i = 0; i < title.size() && 2 * i + 1 < kNameBytes; ++i) {
        name[2 * i + 1] = static_cast<uint8_t>(title[i]);
    }
    body.insert(body.end(), name.begin(), name.end());
    body.insert(body.end(), {0x02, 0xFC, 0x09, 0x00, 0x0A, 0x01});
    const midi::TNote* previous = nullptr;
    for (const auto& note : notes) {
        const long long duration = 15LL * note.ticks / tempo;
        if (duration < 0 || duration > 0xFF) return stTooLong;
        if (!note.pause && previous && !previous->pause && previous->note == note.note) {
            body.insert(body.end(), std::begin(kRepeatGap), std::end(kRepeatGap));
        }
        const int code = note.pause ? kPause : note.note + kNoteBase;
        if (code > 0xFF) return stTooLong;
        body.insert(body.end(), {static_cast<uint8_t>(code), static_cast<uint8_t>(duration)});
        previous = &note;
    }
    body.push_back(0x00);
    body.insert(body.end(), std::begin(kTrailer), std::end(kTrailer));
    return stDone;
}

uint8_t ringtoneRequest00(std::span<const uint8_t> ringtone, Request& request) {
    if (ringtone.size() > 0xFF) return stTooLong;
    request = {0x00,
               {0x7C, 0x01, 0x00, 0x0D, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
                static_cast<uint8_t>(ringtone.size())}};
    request.body.insert(request.body.end(), ringtone.begin(), ringtone.end());
    request.body.insert(request.body.end(), 8, 0x00);
    return stDone;
}

}  // namespace phonelib::nokia7110
