#include "corvina/reports/phonebookreport.h"

#include <algorithm>

#include "corvina/language/language.h"

namespace corvina {

namespace {

constexpr int kFirstNumberColumn = 3;
constexpr int kTableColumns = 13;

// Relative widths of the thirteen table columns.
constexpr double kColumnWidths[kTableColumns] = {0.5, 1.8, 1.05, 1.9,  1.9, 1.9, 1.9,
                                                 1.9, 1.8, 1.8,  1.45, 1.2, 1.4};

QString numberKindName(int kind) {
    switch (kind) {
        case 1:
            return tx("druck_10", "Mobil");
        case 2:
            return tx("druck_11", "Privat");
        case 3:
            return tx("druck_12", "Geschäftlich");
        case 4:
            return tx("druck_13", "Fax");
        default:
            return tx("druck_14", "Allgemein");
    }
}

ReportCell numberCell(const PhonebookReportRow& row, int kind) {
    ReportCell cell(row.numbers[kind]);
    if (row.defaultKind == kind && !cell.lines.isEmpty()) cell.boldLines << 0;
    return cell;
}

ReportCell tableCell(const PhonebookReportRow& row, int column) {
    switch (column) {
        case 0:
            return QString::number(row.location);
        case 1:
            return row.name;
        case 2:
            return row.group;
        case 8:
            return row.email;
        case 9:
            return row.address;
        case 10:
            return row.note;
        case 11:
            return row.company;
        case 12:
            return row.url;
        default:
            return numberCell(row, column - kFirstNumberColumn);
    }
}

// Every number of the entry on a line of its own, the kind beside it; the
// default number bold.
ReportCell allNumbersCell(const PhonebookReportRow& row) {
    ReportCell cell;
    for (int kind = 0; kind < kNumberKinds; ++kind) {
        for (qsizetype i = 0; i < row.numbers[kind].size(); ++i) {
            if (kind == row.defaultKind && i == 0) cell.boldLines << int(cell.lines.size());
            cell.lines << row.numbers[kind].at(i) + QStringLiteral("  (") + numberKindName(kind) +
                              QLatin1Char(')');
        }
    }
    return cell;
}

QString defaultNumber(const PhonebookReportRow& row) {
    if (row.defaultKind >= 0 && row.defaultKind < kNumberKinds &&
        !row.numbers[row.defaultKind].isEmpty()) {
        return row.numbers[row.defaultKind].first();
    }
    for (const QStringList& numbers : row.numbers) {
        if (!numbers.isEmpty()) return numbers.first();
    }
    return {};
}

QList<int> tableColumnsOf(const PhonebookReportOptions& options) {
    QList<int> columns;
    if (options.columns == PhonebookColumns::All) {
        for (int c = 0; c < kTableColumns; ++c) columns << c;
    } else {
        for (int c : options.chosen) {
            if (c >= 0 && c < kTableColumns && !columns.contains(c)) columns << c;
        }
        std::sort(columns.begin(), columns.end());
        if (columns.isEmpty()) columns << 0 << 1;
    }
    return columns;
}

QString subtitleOf(const PhonebookReportOptions& options) {
    const QString selection =
        options.markedOnly ? tx("druck_15", "markierte Einträge") : tx("druck_16", "alle Einträge");
    const QString order =
        options.byName ? tx("druck_17", "nach Name") : tx("druck_18", "nach Speicherplatz");
    return selection + QStringLiteral(", ") + order;
}

}  // namespace

QStringList phonebookColumnHeadings() {
    return {tx("druck_20", "Nr."),          tx("druck_21", "Name"),
            tx("druck_22", "Gruppe"),       tx("druck_23", "Nummer(Allgemein)"),
            tx("druck_24", "Mobil"),        tx("druck_25", "Privat"),
            tx("druck_26", "Geschäftlich"), tx("druck_27", "Fax"),
            tx("druck_28", "E-Mail"),       tx("druck_29", "Adresse"),
            tx("druck_30", "Bemerkung"),    tx("druck_31", "Firma"),
            tx("druck_32", "URL")};
}

Report phonebookReport(const std::vector<PhonebookReportRow>& rows,
                       const PhonebookReportOptions& options) {
    std::vector<const PhonebookReportRow*> chosen;
    for (const PhonebookReportRow& row : rows) {
        if (row.isEmpty() || (options.markedOnly && !row.marked)) continue;
        chosen.push_back(&row);
    }
    std::stable_sort(chosen.begin(), chosen.end(), [&options](const auto* a, const auto* b) {
        if (options.byName) {
            const int order = QString::localeAwareCompare(a->name.toLower(), b->name.toLower());
            if (order != 0) return order < 0;
        }
        return a->location < b->location;
    });

    Report report;
    report.title = tx("druck_33", "Telefonbuch") + QStringLiteral(" – ") + options.tableName;
    report.subtitle = subtitleOf(options);
    report.closingCount = entryCountText(int(chosen.size()));
    const QStringList headings = phonebookColumnHeadings();

    switch (options.columns) {
        case PhonebookColumns::PhoneList:
            report.columns = {
                {headings[0], 0.5}, {headings[1], 2.5}, {tx("druck_34", "Telefonnummern"), 3.5}};
            for (const auto* row : chosen) {
                report.rows.push_back(
                    {{}, {QString::number(row->location), row->name, allNumbersCell(*row)}});
            }
            break;
        case PhonebookColumns::Compact:
            report.bands = 2;
            report.columns = {{headings[1], 1.4}, {tx("druck_35", "Nummer"), 1.0}};
            for (const auto* row : chosen) {
                report.rows.push_back({{}, {row->name, defaultNumber(*row)}});
            }
            break;
        case PhonebookColumns::All:
        case PhonebookColumns::Chosen: {
            const QList<int> columns = tableColumnsOf(options);
            for (int c : columns) report.columns.push_back({headings[c], kColumnWidths[c]});
            for (const auto* row : chosen) {
                ReportRow printed;
                for (int c : columns) printed.cells.push_back(tableCell(*row, c));
                report.rows.push_back(std::move(printed));
            }
            break;
        }
    }
    return report;
}

}  // namespace corvina
