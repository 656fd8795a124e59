#include "corvina/reports/messagereport.h"

#include <QRegularExpression>

#include "corvina/language/language.h"
#include "records/typendefinitionen.h"

namespace corvina {

namespace {

QStringList textLines(const QString& text) {
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    return text.isEmpty() ? QStringList{} : text.split(lineBreak);
}

ReportCell textCell(const MessageReportRow& row) {
    ReportCell cell(textLines(row.text));
    const QString kind = smartKindName(row.smartKind);
    if (!kind.isEmpty()) {
        cell.lines.prepend(QLatin1Char('[') + kind + QLatin1Char(']'));
        cell.boldLines << 0;
    }
    return cell;
}

}  // namespace

QString smartKindName(uint8_t smartKind) {
    switch (smartKind) {
        case skText:
            return {};
        case skOperatorLogo:
            return tx("druck_40", "Betreiberlogo");
        case skCallerGroupLogo:
            return tx("druck_41", "Gruppenlogo");
        case skPictureMessage:
            return tx("druck_42", "Bildnachricht");
        case skRingtone:
            return tx("druck_43", "Klingelton");
        default:
            return tx("druck_44", "Smart-Nachricht");
    }
}

Report messageReport(const std::vector<MessageReportRow>& rows,
                     const MessageReportOptions& options) {
    Report report;
    report.title = tx("druck_45", "SMS-Nachrichten") + QStringLiteral(" – ") +
                   (options.folder.isEmpty() ? tx("druck_46", "Alle Ordner") : options.folder);
    report.subtitle = options.markedOnly ? tx("druck_47", "markierte Nachrichten")
                                         : tx("druck_48", "alle Nachrichten");
    report.columns = {{tx("druck_20", "Nr."), 0.5},     {tx("druck_49", "Datum"), 0.9},
                      {tx("druck_50", "Uhrzeit"), 0.8}, {tx("druck_35", "Nummer"), 1.5},
                      {tx("druck_51", "Ordner"), 0.9},  {tx("druck_52", "Text"), 4.0}};
    int count = 0;
    for (const MessageReportRow& row : rows) {
        if (!options.folder.isEmpty() && row.folder != options.folder) continue;
        if (options.markedOnly && !row.marked) continue;
        report.rows.push_back({{},
                               {QString::number(row.location), row.date, row.time, row.number,
                                row.folder, textCell(row)}});
        ++count;
    }
    report.closingCount =
        count == 1 ? tx("druck_53", "1 Nachricht") : tx("druck_54", "%1 Nachrichten").arg(count);
    return report;
}

}  // namespace corvina
