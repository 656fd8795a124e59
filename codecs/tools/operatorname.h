// Operator look-up in the operator table "netcode.csv".
//
// The table is found like every data file (tools::finddatafile): the user's
// copy with the operators added in the settings first, then the shipped
// table. It is read once and kept; a change of the file's path,
// modification time or size makes the next look-up read it again. Safe to
// call from several threads.
#pragma once

#include <cstdint>
#include <filesystem>

#include "records/typendefinitionen.h"

namespace tools {

// The first "netcode.csv" found in the search order, or an empty path.
std::filesystem::path findoperatortablefile();

// Looks the operator up in the table found by findoperatortablefile(); see
// findoperator() for the meaning of `row`. 1 found, 0 not found or no table.
uint8_t GetOperatorname(TOperator& networkOperator, int32_t& row);

// The same look-up in the given table file; a missing file gives 0.
uint8_t GetOperatorname(TOperator& networkOperator, int32_t& row,
                        const std::filesystem::path& tableFile);

}  // namespace tools
