#include "corvina/reports/report.h"

#include "corvina/language/language.h"

namespace corvina {

bool Report::hasEntries() const {
    for (const ReportRow& row : rows) {
        if (!row.isGroupHeading()) return true;
    }
    return false;
}

QString entryCountText(int count) {
    return count == 1 ? tx("druck_1", "1 Eintrag") : tx("druck_2", "%1 Einträge").arg(count);
}

}  // namespace corvina
