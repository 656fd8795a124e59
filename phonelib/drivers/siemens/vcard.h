// Address-book entries as the Siemens phones store them: vCard 1.0 text.
//
// Written (CR LF after every line; optional lines only with a value):
//   BEGIN:VCARD / VERSION:1.0 / REV:20010101T000000
//   CATEGORIES:group name            FN:whole name
//   N:family;given                   (the name split at its first ", ")
//   ADR:;;street;city;;postal code;country
//   ORG:company   TEL;HOME: TEL;WORK: TEL;CELL: TEL;FAX:
//   EMAIL;INTERNET:   URL:   END:VCARD
#pragma once

#include <string>
#include <string_view>

#include "records/typendefinitionen.h"

namespace phonelib::siemens {

// The vCard of an entry. `groupName` is the name of the entry's caller
// group (empty: no CATEGORIES line). Numbers of the general type are not
// written: the phone derives its own from the others.
std::string writevcard(const TPhoneBookEntry& entry, const std::string& groupName);

// Reads a vCard into the entry: five number slots (home 2, work 6, mobile 3,
// fax 4, general 10) and four text slots (postal address 17, e-mail 16,
// URL 32, company 33), then the lines that fill them. The home number is
// also the general number and the default; a mobile number read before it
// is the default too. An empty text gives an empty entry. The group name
// comes from CATEGORIES; the caller looks up its index.
void parsevcard(std::string_view text, TPhoneBookEntry& entry);

// An entry the address book cannot tell from an empty one: a name of at
// most two characters and no number or text.
bool isBlankAddressEntry(const TPhoneBookEntry& entry);

}  // namespace phonelib::siemens
