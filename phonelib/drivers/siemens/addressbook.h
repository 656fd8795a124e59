// The address book of the Siemens phones (SL45, S45, ME45 and relatives):
// full entries stored as vCard objects (see objects.h and vcard.h), at
// index location - 1.
//
//   AT^SBNR=?     ^SBNR: ("bmp",(0-3)),("mid",(0-4)),("vcf",(0-499)),("vcs",(0-50))
//   AT^SDBR=?     ^SDBR: (1-<entries in use>)
#pragma once

#include <cstdint>

#include "records/typendefinitionen.h"

namespace phonelib::siemens {

// Reads the entry at its location: 1 with the entry filled (empty = 1 when
// the phone has nothing there), or the failure of the read, which does not
// pass for an empty location.
uint8_t readAddressEntry(TPhoneBookEntry& entry);
// Writes the entry as a vCard, or deletes the location when the entry is
// blank (a name of at most two characters and nothing else). 17 for a
// location the one-byte index cannot name, 23 for a vCard of more than 201
// parts.
uint8_t writeAddressEntry(const TPhoneBookEntry& entry);
// Total from the vcf range of ^SBNR=?, used from ^SDBR=?, free the rest.
uint8_t addressBookCapacity(TCapacity& capacity);

}  // namespace phonelib::siemens
