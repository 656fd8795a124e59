// The message report: the messages of the shown folder or of all folders,
// all or the marked ones, each with its whole text (the table shows line
// breaks as "..."); smart messages name their kind.
#pragma once

#include <QString>
#include <cstdint>
#include <vector>

#include "corvina/reports/report.h"

namespace corvina {

// One message as the message window holds it.
struct MessageReportRow {
    int location = 0;
    QString date;  // as the phone gave it, "12.05.01"
    QString time;  // "10:30:45"
    QString number;
    QString folder;
    QString text;           // with its line breaks
    uint8_t smartKind = 0;  // SmartKind of the message record; 0 plain text
    bool marked = false;
};

struct MessageReportOptions {
    QString folder;  // the shown folder; empty: all folders
    bool markedOnly = false;
};

// "Bildnachricht", "Klingelton", …; empty for plain text.
QString smartKindName(uint8_t smartKind);

Report messageReport(const std::vector<MessageReportRow>& rows,
                     const MessageReportOptions& options);

}  // namespace corvina
