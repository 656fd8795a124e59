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
    stUnsupportedFile = 5,   // SendRingTone: neither a ".txt" nor a ".mid" file; nothing was sent
    stFileUnreadable = 6,    // a file could not be read or converted; nothing was sent
    stCannotOpen = 8,        // a file cannot be opened; nothing was sent
    stNoServiceCentre = 9,   // AT: +CMS ERROR 330
    stNotConnected = 14,     // called while no phone is connected; nothing was sent
    stDivertRefused = 15,    // GetDiverts, SetDiverts: the network refused
    stEmptyLocation = 16,    // ReadCalendarEntry: the location is empty or invalid
    stNoSuchLocation = 17,   // DeleteCalendarentry: the location is empty or invalid
    stMemoryFailure = 17,    // AT: +CMS ERROR 320
    stSmsError = 18,         // AT: any other +CMS ERROR
    stInvalidPdu = 19,       // AT: +CMS ERROR 304
    stInvalidIndex = 20,     // AT: +CMS ERROR 321
    stMemoryFull = 21,       // AT: +CMS ERROR 322
    stNoNetwork = 22,        // AT: +CMS ERROR 331
    // A name, text, number or picture is longer than its length byte or the
    // record allows; it is refused rather than cut, and nothing was sent.
    stTooLong = 23,
    stCallInProgress = 200,  // another call from the same thread is still running; nothing was sent
};

}  // namespace phonelib
