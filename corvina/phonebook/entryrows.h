// Between the phone's entry records and the rows of a memory table.
#pragma once

#include <QString>
#include <cstdint>

#include "corvina/phonebook/phonebookcalls.h"
#include "corvina/phonebook/phonebookrow.h"
#include "records/typendefinitionen.h"

namespace corvina {

constexpr int32_t kNoGroup = 5;

// The row of a location as the phone gave it. Numbers go to the column of
// their type; the first number flagged as default goes to the top of its
// cell, which becomes the only bold one. Texts go to the column of their
// type. An empty location gives a row with its location only.
PhonebookRow rowOfEntry(const TPhoneBookEntry& entry, int location);

// Address-book names are "last name, first name": a comma is put before
// the first blank of a name without one (or ", " after a name without a
// blank), and a blank after a comma that lacks it.
QString addressBookName(const QString& name);

// The group index sent for a group name: the group of that name, else 5
// (no group) - also for a name the library's list does not hold.
int32_t groupIndexForUpload(const QString& groupName, const PhonebookCalls& calls);

struct EntryOptions {
    uint8_t memory = memSim;
    int32_t groupIndex = kNoGroup;
    // Phones that hold only two texts: with address, e-mail and note all
    // given, the note stays behind.
    bool twoTextsOnly = false;
};

// The entry written for a row: the default number first (flagged), then
// the numbers column by column, then the texts.
TPhoneBookEntry entryOfRow(const PhonebookRow& row, int location, const EntryOptions& options);

}  // namespace corvina
