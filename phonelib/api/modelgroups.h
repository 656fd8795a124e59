// Which phone family and which procedures serve a model.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "phonelib/api/drivertable.h"

namespace phonelib {

// Model id of a reported model code (compared exactly); nothing for a code
// that no row names.
std::optional<uint8_t> modelIdOfCode(const std::string& modelCode);

// Model id while the phone is not identified; outside every family.
constexpr uint8_t kUnknownModel = 255;

// Fills every slot of the Nokia families per model id (model id 18 takes
// some from each family).
void installNokiaProcedures(DriverTable& table, uint8_t modelId);

// Fills every slot the AT driver has (Siemens phones, whatever the model);
// getdate, writesms and the WAP slots stay empty.
void installAtProcedures(DriverTable& table);

}  // namespace phonelib
