// Operator look-up in the shipped operator table "netcode.csv".
//
// The table is searched for beside the library or program file that holds
// this code first, then in the installed data directory, then in the source
// tree's data directory. It is read once and kept; a change of the file's
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
