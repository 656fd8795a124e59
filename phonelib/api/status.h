// Status bytes returned by the phone operations of the library.
#pragma once

#include <cstdint>

namespace phonelib {

// Codes up to 99 come from the phones and the drivers; the library's own
// refusal of a nested call stays clear of them. Some driver codes share a
// value: each operation documents which of them it can return.
enum Status : uint8_t {
    stDone = 1,              // success / the phone answered
    stNotAvailable = 2,      // not available for this model
    stNoAnswer = 3,          // no answer in time, or the port failed to open
    stRefused = 4,           // the phone refused the request
    stUnsupportedFile = 5,   // a ringtone file of a type the phone cannot take; nothing was sent
    stFileUnreadable = 6,    // a file could not be read or holds nothing usable; nothing was sent
    stCannotOpen = 8,        // a file cannot be opened; nothing was sent
    stNoServiceCentre = 9,   // AT: +CMS ERROR 330
    stBadNumber = 10,        // AT: a number no phone number can be; nothing was sent
    stNotConnected = 14,     // no phone connected, or the link ended (see below)
    stDivertRefused = 15,    // GetDiverts, SetDiverts: the network refused
    stEmptyLocation = 16,    // the location is empty (a message, a calendar note)
    stNoSuchLocation = 17,   // Nokia: no such location; see below
    stMemoryFailure = 17,    // AT: +CMS ERROR 320
    stSmsError = 18,         // AT: any other +CMS ERROR
    stInvalidPdu = 19,       // AT: +CMS ERROR 304
    stInvalidIndex = 20,     // AT: +CMS ERROR 321
    stMemoryFull = 21,       // AT: +CMS ERROR 322
    stNoNetwork = 22,        // AT: +CMS ERROR 331
    stTooLong = 23,          // the data do not fit the request; nothing was sent; see below
    stCallInProgress = 200,  // another call from the same thread is still running; nothing was sent
};

// stNoSuchLocation: the phone says it has no such location, or the library
// refuses a location that the one-byte field of a request cannot name (it
// would read, write or delete another location) before sending anything.
//
// stNotConnected: called while no phone is connected, or after its link has
// ended (hang-up, a silent phone); nothing was sent. The call during which
// the link ended answers it too: its request may have reached the phone.
//
// stTooLong: refused rather than cut — a phonebook entry whose name and
// number bytes exceed 192, a text message of more than 160 characters,
// smart-message data beyond 801 bytes (or a picture text that leaves them no
// room), a number of more than 20 digits (38 for a divert), a name, text or
// picture longer than its length byte or the record allows. The GUI reports
// it as data too long for the phone.

}  // namespace phonelib
