// The branches of the AT dispatcher, one per echoed command (see the table
// in atengine.cpp). Each reads the complete reply lines, fills the driver's
// record and sets its group's flag.
#pragma once

#include "phonelib/drivers/siemens/atengine.h"

namespace phonelib::siemens {

// Identity and link settings (echo, error reports, character set, message
// format, data rate): ReplyState.
void onLinkSetting(const Lines& lines);
void onModel(const Lines& lines);
void onSoftwareVersion(const Lines& lines);
void onSerialNumber(const Lines& lines);

// Status and network.
void onBattery(const Lines& lines);
void onSignal(const Lines& lines);
void onRegistration(const Lines& lines);
void onOperator(const Lines& lines);

// Phonebooks and the address book.
void onPhonebookRead(const Lines& lines);
void onPhonebookWritten(const Lines& lines);
void onMemorySelected(const Lines& lines);
void onPhonebookSize(const Lines& lines);
void onPhonebookUsed(const Lines& lines);
void onObjectSizes(const Lines& lines);
void onAddressBookUsed(const Lines& lines);
void onAddressBookRead(const Lines& lines);
void onAddressBookWritten(const Lines& lines);

// Calendar.
void onCalendarRead(const Lines& lines);
void onCalendarWritten(const Lines& lines);

// Messages.
void onMessageRead(const Lines& lines);
void onMessageDeleted(const Lines& lines);
void onMessageSent(const Lines& lines);
void onServiceCentre(const Lines& lines);

// Diverts and profiles.
void onDivert(const Lines& lines);
void onProfileQuery(const Lines& lines);
void onProfileSet(const Lines& lines);

// Logos and ringtones.
void onLogoRead(const Lines& lines);
void onLogoWritten(const Lines& lines);
void onRingtoneWritten(const Lines& lines);

}  // namespace phonelib::siemens
