#include "corvina/phonebook/reportrows.h"

#include <algorithm>

namespace corvina {

std::vector<PhonebookReportRow> reportRows(const PhonebookTable& table,
                                           const std::vector<int>& marked) {
    std::vector<PhonebookReportRow> rows;
    for (int i = 0; i < table.size(); ++i) {
        const PhonebookRow& row = table.row(i);
        const auto location = row.location();
        if (!location) continue;
        PhonebookReportRow printed;
        printed.location = *location;
        printed.name = row.value(colName);
        printed.group = row.value(colGroup);
        for (int kind = 0; kind < kNumberKinds; ++kind) {
            printed.numbers.at(size_t(kind)) = numberLines(row.value(kFirstNumberColumn + kind));
        }
        printed.defaultKind = isNumberColumn(row.bold) ? row.bold - kFirstNumberColumn : -1;
        printed.email = row.value(colEmail);
        printed.address = row.value(colAddress);
        printed.note = row.value(colNote);
        printed.company = row.value(colCompany);
        printed.url = row.value(colUrl);
        printed.marked = std::binary_search(marked.begin(), marked.end(), i);
        rows.push_back(std::move(printed));
    }
    return rows;
}

}  // namespace corvina
