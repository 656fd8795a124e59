#include "corvina/phonebook/uploadchecks.h"

#include <map>

#include "codecs/tools/cp1252.h"
#include "corvina/language/language.h"
#include "corvina/reports/phonebookreport.h"

namespace corvina {

namespace {

constexpr int kMaxLocation = 255;
constexpr int kMaxFieldBytes = 255;  // a number or text travels as a short string

QString locationText(int location) {
    return tx("telefonbuch_20", "Speicherstelle ") + QString::number(location);
}

}  // namespace

QString unencodableCharacters(const QString& text) {
    QString missing;
    for (const QChar c : text) {
        if (c == QLatin1Char('?') || missing.contains(c)) continue;
        if (tools::toCp1252(QString(c)) == "?") missing += c;
    }
    return missing;
}

QString listForMessage(const QStringList& lines, int limit) {
    QStringList shown = lines.mid(0, limit);
    if (lines.size() > limit) {
        shown << tx("telefonbuch_21", "... und %1 weitere").arg(lines.size() - limit);
    }
    return shown.join(QLatin1Char('\n'));
}

UploadCheck checkUpload(const PhonebookTable& table, int capacity) {
    UploadCheck check;
    std::map<int, QStringList> names;  // rows by location
    for (int i = 0; i < table.size(); ++i) {
        const PhonebookRow& row = table.row(i);
        const auto location = row.location();
        if (!location) {
            if (!row.isEmpty()) check.invalidRows.push_back(i);
            continue;
        }
        names[*location] << (row.unread      ? tx("telefonbuch_22", "(nicht gelesen)")
                             : row.isEmpty() ? tx("telefonbuch_26", "(leer)")
                                             : QStringLiteral("„%1“").arg(row.value(colName)));
        if (row.isEmpty()) continue;
        if (*location < 1 || *location > std::min(capacity, kMaxLocation)) {
            check.refusals << tx("telefonbuch_23", "%1 gibt es im Telefon nicht: %2")
                                  .arg(locationText(*location), row.value(colName));
        }
        for (int column = colName; column < kPhonebookColumns; ++column) {
            const QString value = row.value(column);
            const QString missing = unencodableCharacters(value);
            if (!missing.isEmpty()) {
                check.unencodable << QStringLiteral("%1, %2: %3")
                                         .arg(locationText(*location),
                                              phonebookColumnHeadings().value(column), missing);
            }
            const QStringList pieces =
                isNumberColumn(column) ? numberLines(value) : QStringList{value};
            for (const QString& piece : pieces) {
                if (tools::toCp1252(piece).size() > kMaxFieldBytes) {
                    check.refusals << tx("telefonbuch_24", "%1, %2: länger als %3 Zeichen")
                                          .arg(locationText(*location),
                                               phonebookColumnHeadings().value(column))
                                          .arg(kMaxFieldBytes);
                }
            }
        }
    }
    for (const auto& [location, rows] : names) {
        if (rows.size() > 1) {
            check.refusals << tx("telefonbuch_25", "%1 steht mehrfach in der Tabelle: %2")
                                  .arg(locationText(location), rows.join(QStringLiteral(", ")));
        }
    }
    return check;
}

}  // namespace corvina
