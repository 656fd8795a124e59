// The pure parts of the Siemens AT driver: answer lines, vCards and
// vCalendars, object parts, the SUBMIT it builds and the stored PDUs it reads.
#include <gtest/gtest.h>

#include "codecs/tools/gsmtext.h"
#include "phonelib/api/status.h"
#include "phonelib/drivers/siemens/answers.h"
#include "phonelib/drivers/siemens/objects.h"
#include "phonelib/drivers/siemens/pdu.h"
#include "phonelib/drivers/siemens/phonebook.h"
#include "phonelib/drivers/siemens/vcalendar.h"
#include "phonelib/drivers/siemens/vcard.h"

using namespace phonelib;
using namespace phonelib::siemens;

namespace {

TEST(SiemensAnswers, StatusNetworkAndCounts) {
    TPhoneStatus status;
    readBattery("+CBC: 0,100", status);
    EXPECT_EQ(status.battery, 4);
    readBattery("+CBC: 1,49", status);
    EXPECT_EQ(status.battery, 1);
    readBattery("+CBC: 0,", status);
    EXPECT_EQ(status.battery, 1) << "no number: unchanged";
    readSignal("+CSQ: 99,99", status);
    EXPECT_EQ(status.signal, 4);
    readSignal("+CSQ: 0,0", status);
    EXPECT_EQ(status.signal, 1);

    TNetWorkInfo network;
    readRegistration("+CREG: 2,1,\"1A2B\",\"3C4D\"", false, network);
    EXPECT_EQ(network.areaCode, "1A2B");
    EXPECT_EQ(network.cellId, "3C4D");
    readRegistration("+CREG: 2,1,0A0B,0C0D", true, network);
    EXPECT_EQ(network.areaCode, "0A0B");
    EXPECT_EQ(network.cellId, "0C0D");
    readRegistration("+CREG: 0,1", false, network);
    EXPECT_EQ(network.areaCode, "");

    EXPECT_EQ(highestIndex("+CPBR: (1-250),20,14"), 250);
    EXPECT_EQ(highestIndex("^SPBG: (0),20,14"), 0);
    EXPECT_EQ(rangeCount(" (1-23)"), 23);
    EXPECT_EQ(rangeCount("(0-499)),(\"vcs\""), 500);
    EXPECT_EQ(rangeCount(" 7"), 7);
    EXPECT_EQ(rangeCount(" ()"), std::nullopt);
    EXPECT_EQ(readServiceCentre("+CSCA: \"+491722270333\",145"), "+491722270333");
    EXPECT_EQ(readServiceCentre("+CSCA: \"\",129"), "");
    EXPECT_EQ(storageStatus("+CMGR: 3,,23"), 3);
    EXPECT_EQ(storageStatus("+CMGR: x,,23"), 0);
}

TEST(SiemensAnswers, DivertsProfilesAndPhonebookLines) {
    TDivert divert;
    readDivert("+CCFC: 1,1,\"+491771234567\",145,,,20", divert);
    EXPECT_EQ(divert.active, 1);
    EXPECT_EQ(divert.number, "+491771234567");
    EXPECT_EQ(divert.delay, 20);
    readDivert("+CCFC: 1,1,\"0301234\",129", divert);
    EXPECT_EQ(divert.number, "0301234");
    EXPECT_EQ(divert.delay, 0) << "not the number type";
    readDivert("+CCFC: 0,1", divert);
    EXPECT_EQ(divert.active, 0);
    EXPECT_EQ(divert.number, "");

    TProfile profile;
    readRingtoneSetting("^SRTC: 3,2", "S45", profile);
    EXPECT_EQ(profile.ringtoneNumber, 4);
    EXPECT_EQ(profile.volume, 2);
    EXPECT_EQ(profile.ringingMode, 0);
    readRingtoneSetting("^SRTC: 3,0", "S45", profile);
    EXPECT_EQ(profile.volume, -1);
    EXPECT_EQ(profile.ringingMode, 1);
    readRingtoneCount("^SRTC: (0-41),(0-4)", profile);
    EXPECT_EQ(profile.ringtoneCount, 41);
    readEarpieceVolume("^SNFV: 9", profile);
    EXPECT_EQ(profile.earpieceVolume, 65535);
    readAlertMode("+CALM: 1", profile);
    EXPECT_EQ(profile.ringingMode, 5);

    TPhoneBookEntry entry;
    readPhonebookLine("+CPBR: 4,\"+4930\",145,\"a\"b\x00", entry);
    EXPECT_EQ(entry.numbers.at(0).number, "+4930");
    EXPECT_EQ(entry.name, "a\"");
    readPhonebookLine(std::string("+CPBR: 4,\"1\",129,\"\x00\x5B\"", 21), entry);
    EXPECT_EQ(entry.name, "@\xC4") << "GSM codes become Windows-1252";
    readPhonebookLine("+CPBR: 4,\"1", entry);  // cut off
    EXPECT_EQ(entry.name, "");
    EXPECT_EQ(entry.numbers.at(0).number, "");
}

TEST(SiemensVCard, WrittenLinesAndReadBack) {
    TPhoneBookEntry smith;
    smith.name = "Smith, John";
    smith.numbers = {TNumberItem{"+49301", ntHome, 0}, TNumberItem{"0170", ntMobile, 1},
                     TNumberItem{"999", ntGeneral, 1}};
    smith.texts = {TTextItem{"Weg 1\r\n12345  Ort\r\nLand", ttPostal, 0}};
    const std::string card = writevcard(smith, "Familie");
    EXPECT_EQ(card,
              "BEGIN:VCARD\r\nVERSION:1.0\r\nREV:20010101T000000\r\nCATEGORIES:Familie\r\n"
              "FN:Smith, John\r\nN:Smith;John\r\nADR:;;Weg 1;Ort;;12345;Land\r\n"
              "TEL;HOME:+49301\r\nTEL;CELL:0170\r\nEND:VCARD\r\n");

    TPhoneBookEntry read;
    parsevcard(card, read);
    EXPECT_EQ(read.name, "Smith, John");
    EXPECT_EQ(read.group.groupName, "Familie");
    ASSERT_EQ(read.numberCount, 5);
    EXPECT_EQ(read.numbers[4].number, "+49301");  // general = home, the default
    EXPECT_EQ(read.numbers[4].isDefault, 1);
    EXPECT_EQ(read.numbers[2].isDefault, 0) << "TEL;HOME came first";
    EXPECT_EQ(read.texts[0].text, "Weg 1\r\n12345 Ort\r\nLand");

    TPhoneBookEntry cellFirst;
    parsevcard("N:A;B\r\nTEL;CELL:1\r\nTEL;HOME:2\r\n", cellFirst);
    EXPECT_EQ(cellFirst.numbers[2].isDefault, 1);
    EXPECT_EQ(cellFirst.numbers[4].isDefault, 1);

    TPhoneBookEntry single;
    parsevcard("N:Anna;\r\nFN:Anna Fn\r\n", single);
    EXPECT_EQ(single.name, "Anna") << "no \", \" after a single name";
    parsevcard("FN:Only Fn\r\n", single);
    EXPECT_EQ(single.name, "Only Fn");
    parsevcard("", single);
    EXPECT_EQ(single.empty, 1);
    EXPECT_EQ(single.numberCount, 0);

    TPhoneBookEntry jo;
    jo.name = "Jo";
    jo.numbers = {TNumberItem{}};
    EXPECT_TRUE(isBlankAddressEntry(jo));
    jo.texts = {TTextItem{"x", ttUrl, 0}};
    EXPECT_FALSE(isBlankAddressEntry(jo));
}

TEST(SiemensVCalendar, WrittenLinesAndReadBack) {
    TCalendarEntry note;
    note.noteType = ntBirthday;
    note.date = {2001, 3, 5, 9, 7, 45, 0};
    note.alarmTime = {2001, 3, 5, 10, 0, 0, 0};
    note.alarmSet = 1;
    note.repeat = 8760;
    note.text = "Anna";
    const std::string text = writevcal(note);
    EXPECT_EQ(text,
              "BEGIN:VCALENDAR\r\nVERSION:1.0\r\nBEGIN:VEVENT\r\nCATEGORIES:ANNIVERSARY\r\n"
              "DTSTART:20010305T090700\r\nAALARM:20010305T090700\r\nDTEND:20010305T100000\r\n"
              "RRULE:Y1\r\nDESCRIPTION:Anna\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n");
    const TCalendarEntry read = parsevcal(text);
    EXPECT_EQ(read.repeat, 8760);
    EXPECT_EQ(read.alarmSet, 0) << "AALARM without DALARM: no alarm";
    EXPECT_EQ(read.noteType, ntBirthday);
    EXPECT_EQ(read.date.minute, 7);
    EXPECT_EQ(read.alarmTime.hour, 10);
    EXPECT_EQ(read.status, 2);

    note.repeat = 100;
    EXPECT_EQ(writevcal(note).find("RRULE"), std::string::npos);
    EXPECT_EQ(parsevcal("RRULE:W1 #0\r\n").repeat, 168);

    TCalendarEntry task;
    task.noteType = ntTask;
    task.status = 0;
    task.noEnd = 1;
    const std::string todo = writevcal(task);
    EXPECT_NE(todo.find("BEGIN:VTODO\r\nCATEGORIES:MISCELLANEOUS\r\n"), std::string::npos);
    EXPECT_NE(todo.find("STATUS:NEEDS ACTION\r\n"), std::string::npos);
    EXPECT_EQ(todo.find("DTEND"), std::string::npos);
    EXPECT_EQ(parsevcal(todo).noteType, ntTask);
    EXPECT_EQ(parsevcal(todo).status, 0);
    EXPECT_EQ(parsevcal("DTSTART:2001\r\n").date.month, 0)
        << "a short time reads as far as it goes";
    EXPECT_EQ(parsevcal("").noStart, 1);
}

TEST(SiemensObjects, PartsAndNames) {
    TENTRY entry;
    ASSERT_TRUE(splitcardparts(std::string(404, 'A'), entry));
    ASSERT_EQ(entry.partCount, 2) << "not 200 + 200 + 4";
    EXPECT_EQ(entry.parts[0].size(), 202u);
    EXPECT_EQ(entry.parts[1].size(), 202u);
    ASSERT_TRUE(splitcardparts(std::string(420, 'A'), entry));
    EXPECT_EQ(entry.partCount, 3);
    ASSERT_TRUE(splitparts(std::string(301, 'B'), kMediaPartLength, okMid, entry));
    EXPECT_EQ(entry.partCount, 2);
    EXPECT_EQ(entry.objectKind, okMid);
    EXPECT_FALSE(splitparts(std::string(201 * 300 + 2, 'B'), kMediaPartLength, okMid, entry));
    EXPECT_EQ(entry.partCount, 2) << "left as it was";

    EXPECT_EQ(escapetext("a\"b@c\\d"), "a\\22b\\00c\\5Cd");
    EXPECT_EQ(escapetext("Zo\xEB \xC4"), "Zo? [") << "no GSM code for the e with diaeresis";
    EXPECT_EQ(objectHex({"AT^SBNR=\"vcf\",0", "^SBNR: \"vcf\",0,1,2", "4142",
                         "^SBNR: \"vcf\",0,2,2", "43", "OK"}),
              "414243");
}

GSMSMS hello() {
    GSMSMS message;
    message.serviceCentre = "+4912345678";
    message.remoteNumber = "0171234567";
    message.validity = 3;
    message.text = "hello";
    return message;
}

TEST(SiemensPdu, SubmitAndItsLength) {
    const SubmitPdu pdu = buildpdu(hello());
    ASSERT_EQ(pdu.status, stDone);
    EXPECT_EQ(pdu.hex, "0691942143658711000A8110173254760000A705E8329BFD06");
    EXPECT_EQ(tpdulength(pdu.hex), 18);

    GSMSMS report = hello();
    report.statusReport = 1;
    EXPECT_EQ(buildpdu(report).hex.substr(14, 2), "31");
    GSMSMS lasting = hello();
    lasting.validity = 0;  // no period: none announced either
    EXPECT_EQ(buildpdu(lasting).hex, "0691942143658701000A811017325476000005E8329BFD06");
    GSMSMS ownCentre = hello();
    ownCentre.serviceCentre.clear();
    EXPECT_EQ(buildpdu(ownCentre).hex.substr(0, 4), "0011");
    EXPECT_EQ(tpdulength(buildpdu(ownCentre).hex), 18);
}

TEST(SiemensPdu, StoredMessagesAndValidityReadBack) {
    GSMSMS message;
    ASSERT_EQ(readstoredpdu("0791947122723033040C91947110325476000010502101035480"
                            "0AC8309BFD065DCB6C3A",
                            message),
              stDone);
    EXPECT_EQ(message.remoteNumber, "+491701234567");
    EXPECT_EQ(message.serviceCentre, "+491722270333");
    EXPECT_EQ(message.date, "12.05.01");
    EXPECT_EQ(message.time, "10:30:45");
    EXPECT_EQ(message.validity, 3);
    EXPECT_EQ(readstoredpdu("not a pdu", message), stInvalidPdu);

    for (int32_t code = 1; code <= 5; ++code) {
        GSMSMS sent = hello();
        sent.validity = code;
        GSMSMS read;
        ASSERT_EQ(readstoredpdu(buildpdu(sent).hex, read), stDone);
        EXPECT_EQ(read.validity, code) << "written and read back";
        EXPECT_EQ(read.remoteNumber, "0171234567");
        std::string text = read.text;
        tools::gsmtolatin(text);
        EXPECT_EQ(text, "hello");
    }
}

}  // namespace
