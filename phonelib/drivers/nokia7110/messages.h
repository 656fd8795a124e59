// Stored short messages of the 7110 family (type 0x14): messages live in
// named folders at 16-bit locations; a message read keeps the form the phone
// stores it in (the stored body), so it can be written again unchanged into
// another folder or location.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "phonelib/drivers/nokia7110/mailboxes.h"
#include "phonelib/drivers/request.h"
#include "records/typendefinitionen.h"

namespace phonelib::nokia7110 {

// --- Requests (pure) ---------------------------------------------------------

// stNoSuchLocation for a location its 16 bits cannot name.
uint8_t messageReadRequest(uint8_t folder, int32_t location, Request& request);
uint8_t messageDeleteRequest(uint8_t folder, int32_t location, Request& request);
// stTooLong for a message without a stored body (or one beyond 200 bytes).
uint8_t messageWriteRequest(uint8_t folder, int32_t location, const GSMSMS& message,
                            Request& request);
Request folderListRequest();
Request folderStatusRequest(uint8_t folder);
Request folderCreateRequest(const std::string& name);

// --- Answers (pure; they read only what the body holds) ---------------------

// Sub-code 08: the message as the 61xx family's answer has it, every field
// one byte later from the location on (the read state stays at byte 4, byte
// 5 names the folder), the location at 6-7, and the stored body: bytes 8 up
// to the last byte, which is not part of it. A stored form longer than the
// record's 200 bytes is not kept (stored body length 0): a cut one would be
// written back damaged. False when the body ends before the status.
bool decodeStoredMessage(std::span<const uint8_t> body, GSMSMS& message);

// Sub-code 7B: the folders, each an id and a name of 16-bit characters up to
// a character whose low byte is 0. Stops at the end of the body and after
// the record's 30 folders.
bool decodeFolderList(std::span<const uint8_t> body, tsmsinfo& folders);

// Sub-code 6C: the locations used in one folder (at most 512 kept).
bool decodeFolderStatus(std::span<const uint8_t> body, FolderStatus& status);

// --- Handlers of the dispatcher ---------------------------------------------------

void onStoredMessage(std::span<const uint8_t> body);
void onMessageDone(std::span<const uint8_t> body);     // 05 stored, 0B deleted, 78 created
void onMessageRefused(std::span<const uint8_t> body);  // 03, 0C
void onFolderList(std::span<const uint8_t> body);
void onFolderStatus(std::span<const uint8_t> body);
// Type 0x02, sub-code 10, sent by the phone itself: 00 01 00 10 F L_hi L_lo,
// a message came in and lies in folder F at location L. The host is told.
void onMessageArrived(std::span<const uint8_t> body);

// --- Driver-table procedures ----------------------------------------------------

uint8_t GetSMS(uint8_t folder, int32_t location, GSMSMS& message);
uint8_t deletesms(uint8_t folder, int32_t location);
uint8_t getsmsinfos(tsmsinfo& info);
uint8_t writesms(uint8_t folder, int32_t location, GSMSMS& message);
// The slot no export reaches: a new message folder of that name.
uint8_t createFolder(const std::string& name);

}  // namespace phonelib::nokia7110
