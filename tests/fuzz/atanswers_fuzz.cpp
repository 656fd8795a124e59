// Feeds untrusted phone data to the readers of the Siemens AT driver: stored
// PDUs, vCards, vCalendars and single answer lines.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "codecs/sms/smspdu.h"
#include "phonelib/drivers/siemens/answers.h"
#include "phonelib/drivers/siemens/pdu.h"
#include "phonelib/drivers/siemens/vcalendar.h"
#include "phonelib/drivers/siemens/vcard.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    using namespace phonelib::siemens;

    if (const auto pdu = sms::decodepdu(text)) {
        if (pdu->userData.size() > text.size()) std::abort();
        sms::ucs2tocp1252(pdu->userData);
    }
    GSMSMS message;
    readstoredpdu(text, message);

    TPhoneBookEntry entry;
    parsevcard(text, entry);
    readPhonebookLine(text, entry);
    parsevcal(text);

    TPhoneStatus status;
    readBattery(text, status);
    readSignal(text, status);
    TNetWorkInfo network;
    readRegistration(text, size % 2 == 0, network);
    readOperator(text, network);
    TDivert divert;
    readDivert(text, divert);
    TProfile profile;
    readRingtoneCount(text, profile);
    readEarpieceVolume(text, profile);
    rangeCount(text);
    highestIndex(text);
    readServiceCentre(text);
    storageStatus(text);
    return 0;
}
