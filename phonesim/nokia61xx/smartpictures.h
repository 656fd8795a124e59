// Pictures in the smart messages the PC sends through the phone, read as a
// receiving phone would read them:
//
//   port 1582 operator logo     c1 c2 c3 (country and network code as
//                               semi-octets, 62 F2 10 = 26201), OTA bitmap
//   port 1583 caller-group logo OTA bitmap
//   port 158A picture message   30, then items: 00 text (length 16 bits,
//                               Latin-1), 02 OTA bitmap (length 16 bits);
//                               other items are skipped by their length
//
//   OTA bitmap: 00 (info field), width, height, 01 (depth), rows (pixel
//   (x, y) is bit y * width + x, most significant bit first)
#pragma once

#include <QString>
#include <optional>

#include "phonesim/fixture/messagedata.h"
#include "phonesim/fixture/phonedata.h"

namespace phonesim::nokia61xx {

struct SmartPicture {
    int port = 0;
    QString networkCode;  // operator logos: "26201"
    QString text;         // picture messages
    Picture picture;
};

// Nothing for another port, or data too short for what they announce.
std::optional<SmartPicture> readSmartPicture(const ReceivedMessage& message);

}  // namespace phonesim::nokia61xx
