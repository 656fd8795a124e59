// The operator table "netcode.csv" as a grid of cells, and the lookups in it.
//
// One line of the file is one row; its cells are enclosed in double quotes
// (a doubled quote stands for one quote) and separated by commas, and a '|'
// stands for a line break within a cell. Row 0 is the header. Columns: the
// operator code text ("26201"), the operator name, the mobile country code
// and the mobile network code, both decimal. Text stays in Windows-1252.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "records/typendefinitionen.h"

namespace tools {

using OperatorTable = std::vector<std::vector<std::string>>;

// Splits the file text into rows and cells. Lines may end in LF or CR LF;
// an empty line is a row without cells; unquoted cells are taken as they
// stand and an unclosed quote runs to the end of the line.
OperatorTable parseoperatortable(std::string_view text);

// Row -1: finds the first row after the header whose 3rd and 4th cells are
// the operator's country and network code, fills the operator's code text
// and name from its 1st and 2nd cells and sets `row` to it. Any other
// existing row: fills all four fields from that row (a cell that is missing
// or not a number gives 0). Returns 1 when found; 0 leaves operator and row
// unchanged.
uint8_t findoperator(const OperatorTable& table, TOperator& networkOperator, int32_t& row);

}  // namespace tools
