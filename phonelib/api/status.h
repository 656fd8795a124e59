// Status bytes returned by the phone operations of the library.
#pragma once

#include <cstdint>

namespace phonelib {

// Codes up to 99 come from the phones and the drivers; the library's own
// refusal of a nested call stays clear of them.
enum Status : uint8_t {
    stDone = 1,              // success / the phone answered
    stNotAvailable = 2,      // not available for this model
    stNoAnswer = 3,          // no answer in time, or the port failed to open
    stRefused = 4,           // the phone refused the request
    stNoServiceCentre = 9,   // AT: +CMS ERROR 330
    stNotConnected = 14,     // called while no phone is connected; nothing was sent
    stMemoryFailure = 17,    // AT: +CMS ERROR 320
    stSmsError = 18,         // AT: any other +CMS ERROR
    stInvalidPdu = 19,       // AT: +CMS ERROR 304
    stInvalidIndex = 20,     // AT: +CMS ERROR 321
    stMemoryFull = 21,       // AT: +CMS ERROR 322
    stNoNetwork = 22,        // AT: +CMS ERROR 331
    stCallInProgress = 200,  // another call from the same thread is still running; nothing was sent
};

}  // namespace phonelib
