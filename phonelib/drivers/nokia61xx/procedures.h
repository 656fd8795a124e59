// The driver-table procedures of the Nokia 61xx family.
#pragma once

#include <cstdint>

#include "records/typendefinitionen.h"

namespace phonelib::nokia {

void Dispatch(uint8_t messageType);

// Identity by the type 0x64 request (model ids 14 and 15).
uint8_t GetPhoneInfos64(TPhoneInfo& info);
uint8_t GetPhoneStatus(TPhoneStatus& status);
uint8_t GetNetworkInfo(TNetWorkInfo& info);
uint8_t getdate(TDateTimeRec& dateTime);

}  // namespace phonelib::nokia
