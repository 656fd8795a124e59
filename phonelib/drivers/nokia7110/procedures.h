// The driver-table procedures of the Nokia 7110/62xx family.
#pragma once

#include <cstdint>

#include "records/typendefinitionen.h"

namespace phonelib::nokia7110 {

void Dispatch(uint8_t messageType);

// Identity by three type 0x40 requests (IMEI, production data, hardware
// version); serves most Nokia models of both families.
uint8_t GetPhoneInfos40(TPhoneInfo& info);

}  // namespace phonelib::nokia7110
