// A memory table as the phonebook report prints it.
#pragma once

#include <vector>

#include "corvina/phonebook/phonebooktable.h"
#include "corvina/reports/phonebookreport.h"

namespace corvina {

// Rows with a numeric location, their marks from `marked` (table indices).
std::vector<PhonebookReportRow> reportRows(const PhonebookTable& table,
                                           const std::vector<int>& marked);

}  // namespace corvina
