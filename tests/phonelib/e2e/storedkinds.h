// Stored messages of every kind for the simulated phones, each with the
// record fields a reader must give for it (worked out from GSM 03.38/03.40
// by hand, not by the codecs under test).
#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDateTime>
#include <functional>
#include <map>
#include <string>

#include "codecs/tools/hextext.h"
#include "phonelib/api/status.h"
#include "phonesim/fixture/messagedata.h"
#include "records/typendefinitionen.h"

namespace testing_support {

struct ExpectedMessage {
    int status = 0;
    std::string number, text, utf8;
    uint8_t eightBit = 0;
    std::string date;
};

struct StoredKind {
    phonesim::StoredMessage message;
    ExpectedMessage expected;
};

// Location 1..count; every eighth location repeats a kind. `receivedOnly`
// leaves out outgoing messages and other statuses (for phones that store
// those by their own status codes).
inline std::map<int, StoredKind> storedKinds(int count, bool receivedOnly = false) {
    const auto bytes = [](std::initializer_list<int> values) {
        QByteArray b;
        for (int v : values) b.append(static_cast<char>(v));
        return b;
    };
    std::map<int, StoredKind> kinds;
    for (int location = 1; location <= count; ++location) {
        const QDateTime stamp(
            QDate(location % 2 ? 1999 : 2000, 1 + location % 12, 1 + location % 28),
            QTime(location % 24, location % 60, 7));
        phonesim::StoredMessage m;
        m.status = 0;
        m.timestamp = stamp;
        m.number = "+4917012345";
        ExpectedMessage e{0, "+4917012345", "", "", 0, stamp.toString("dd.MM.yy").toStdString()};
        int kind = location % 8;
        if (receivedOnly && (kind == 6 || kind == 7)) kind = 0;
        switch (kind) {
            case 0:  // plain 7-bit
                m.text = QStringLiteral("Nachricht %1").arg(location);
                e.text = e.utf8 = m.text.toStdString();
                break;
            case 1:  // escapes read back as their characters
                m.text = QStringLiteral("{%1} [a] ~ ^ | \\ €").arg(location);
                e.utf8 = m.text.toStdString();
                e.text = "{" + std::to_string(location) + "} [a] ~ ^ | \\ \x80";
                break;
            case 2:  // UCS-2 text
                m.coding = 0x08;
                m.text = QStringLiteral("Ж%1 €").arg(location);
                e.utf8 = m.text.toStdString();
                e.text = "?" + std::to_string(location) + " \x80";
                break;
            case 3:  // an operator's name as sender (type D0)
                m.numberType = 0xD0;
                m.number = "Vodafone";
                m.text = "Guthaben";
                e.number = "Vodafone";
                e.text = e.utf8 = "Guthaben";
                break;
            case 4:  // short code and national number: no "+"
                m.number = location % 16 == 4 ? "3311" : "0301234";
                m.numberType = location % 16 == 4 ? 0x81 : 0xA1;
                m.text = "Kurz";
                e.number = m.number.toStdString();
                e.text = e.utf8 = "Kurz";
                break;
            case 5:  // 8-bit data with a port (coding 04 or F4): hex text
                m.eightBit = true;
                m.coding = location % 16 == 5 ? 0x04 : 0xF4;
                m.data = bytes({0x01, 0x02, location});
                m.header = bytes({6, 5, 4, 0x15, 0x81, 0, 0});
                e.eightBit = 1;
                e.text = e.utf8 =
                    tools::bytestohex(std::string("\x01\x02", 2) + static_cast<char>(location));
                break;
            case 6:  // a part of a concatenated text, and an outgoing one
                m.status = location % 16 == 6 ? 0 : 2;
                m.header = bytes({5, 0, 3, 0x2A, 2, 1});
                m.text = "Teil eins";
                e.status = m.status;
                e.text = e.utf8 = "Teil eins";
                if (m.status == 2) e.date.clear();
                break;
            default:  // other status: decoded too
                m.status = 3;
                m.text = "Status 3";
                e.status = 3;
                e.text = e.utf8 = "Status 3";
                break;
        }
        kinds[location] = {m, e};
    }
    return kinds;
}

// Reads every kind with `read` (location → result) and compares the record
// with what it must hold.
inline void expectEveryKind(const std::map<int, StoredKind>& kinds,
                            const std::function<uint8_t(int, GSMSMS&)>& read) {
    for (const auto& [location, kind] : kinds) {
        const ExpectedMessage& e = kind.expected;
        GSMSMS message;
        ASSERT_EQ(read(location, message), phonelib::stDone) << location;
        EXPECT_EQ(message.status, e.status) << location;
        EXPECT_EQ(message.remoteNumber, e.number) << location;
        EXPECT_EQ(message.text, e.text) << location;
        EXPECT_EQ(message.utf8Text, e.utf8) << location;
        EXPECT_EQ(message.eightBit, e.eightBit) << location;
        EXPECT_EQ(message.date, e.date) << location;
    }
}

}  // namespace testing_support
