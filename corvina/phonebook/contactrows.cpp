#include "corvina/phonebook/contactrows.h"

#include <QDateTime>
#include <QUuid>
#include <array>

#include "corvina/language/language.h"
#include "records/typendefinitionen.h"

namespace corvina {
namespace {

struct KindColumn {
    ContactNumberKind kind;
    int column;
};
constexpr std::array<KindColumn, 5> kKindColumns = {{{ContactNumberKind::General, colGeneral},
                                                     {ContactNumberKind::Mobile, colMobile},
                                                     {ContactNumberKind::Home, colHome},
                                                     {ContactNumberKind::Work, colWork},
                                                     {ContactNumberKind::Fax, colFax}}};

// The digits that name a number, whichever way it was written ("+49 (0)30",
// "+4930", "004930" are one number).
QString digitsOf(const QString& number) {
    QString digits;
    for (const QChar c : normalisedContactNumber(number))
        if (c.isDigit()) digits += c;
    if (digits.startsWith(QStringLiteral("00"))) digits.remove(0, 2);
    return digits;
}

QStringList numbersOfRow(const PhonebookRow& row) {
    QStringList numbers;
    for (const KindColumn& kc : kKindColumns) numbers += numberLines(row.value(kc.column));
    return numbers;
}

QStringList numbersOf(const ContactFields& contact) {
    QStringList numbers;
    for (const KindColumn& kc : kKindColumns) numbers += contact.numbers(kc.kind);
    return numbers;
}

// "Meier, Anna" of the address book as "Anna Meier".
QString plainName(const QString& name) {
    const qsizetype comma = name.indexOf(u',');
    if (comma < 0) return name.simplified();
    return (name.mid(comma + 1) + u' ' + name.left(comma)).simplified();
}

QString groupOf(const ContactFields& contact, const QStringList& groups) {
    for (const QString& category : contact.categories)
        if (groups.contains(category)) return category;
    return {};
}

}  // namespace

ContactFields contactOfRow(const PhonebookRow& row) {
    ContactFields contact;
    contact.name = plainName(row.value(colName));
    for (const KindColumn& kc : kKindColumns) {
        contact.numbers(kc.kind) = numberLines(row.value(kc.column));
        if (row.bold == kc.column) contact.preferred = kc.kind;
    }
    contact.email = row.value(colEmail).trimmed();
    contact.address = textLines(row.value(colAddress)).join(QStringLiteral("\r\n")).trimmed();
    contact.note = textLines(row.value(colNote)).join(QStringLiteral("\r\n")).trimmed();
    contact.company = row.value(colCompany).trimmed();
    contact.url = row.value(colUrl).trimmed();
    // "Keine" and "-" are the phone's names for no group.
    const QString group = row.value(colGroup).trimmed();
    if (!group.isEmpty() && group != QStringLiteral("Keine") && group != QStringLiteral("-"))
        contact.categories.append(group);
    return contact;
}

PhonebookRow rowOfContact(const ContactFields& contact, int location, const QStringList& groups) {
    PhonebookRow row;
    row.setLocation(location);
    row.cells[colName] = contact.name;
    row.cells[colGroup] = groupOf(contact, groups);
    for (const KindColumn& kc : kKindColumns) {
        row.cells[static_cast<size_t>(kc.column)] = numberCell(contact.numbers(kc.kind));
        if (contact.preferred == kc.kind && !contact.numbers(kc.kind).isEmpty())
            row.bold = kc.column;
    }
    row.cells[colEmail] = contact.email;
    row.cells[colAddress] = contact.address;
    row.cells[colNote] = contact.note;
    row.cells[colCompany] = contact.company;
    row.cells[colUrl] = contact.url;
    return row;
}

ContactCopy copyOfContact(const ContactFields& contact, const QStringList& groups) {
    ContactCopy copy;
    copy.name = contact.name;
    copy.group = groupOf(contact, groups);
    // The preferred number leads; when its column is empty, the first
    // number of the others in column order does.
    std::vector<EditorNumber> numbers;
    const auto take = [&](ContactNumberKind kind, bool firstOnly) {
        const int32_t type = numberTypeOfColumn(kKindColumns[static_cast<size_t>(kind)].column);
        for (const QString& number : contact.numbers(kind)) {
            const QString kept = normalisedContactNumber(number);
            const bool known = std::any_of(numbers.begin(), numbers.end(), [&](const auto& n) {
                return digitsOf(n.number) == digitsOf(kept);
            });
            if (!kept.isEmpty() && !known) numbers.push_back({kept, type});
            if (firstOnly && !numbers.empty()) return;
        }
    };
    take(contact.preferred, true);
    for (const KindColumn& kc : kKindColumns) take(kc.kind, false);
    copy.numbers = std::move(numbers);
    copy.email = contact.email;
    copy.address = contact.address;
    copy.note = contact.note;
    copy.company = contact.company;
    copy.url = contact.url;
    return copy;
}

bool tableHoldsContact(const std::vector<PhonebookRow>& rows, const ContactFields& contact) {
    const QString name = contact.name.simplified();
    QStringList digits;
    for (const QString& number : numbersOf(contact))
        if (!digitsOf(number).isEmpty()) digits.append(digitsOf(number));
    for (const PhonebookRow& row : rows) {
        if (row.isEmpty() || plainName(row.value(colName)).compare(name, Qt::CaseInsensitive) != 0)
            continue;
        const QStringList theirs = numbersOfRow(row);
        if (digits.isEmpty() && theirs.isEmpty()) return true;
        for (const QString& number : theirs)
            if (digits.contains(digitsOf(number))) return true;
    }
    return false;
}

QStringList contactsTableHeadings() {
    return {tx("kontakte_1", "Nr. "),
            tx("kontakte_2", "Name"),
            tx("kontakte_3", "Nummer (allgemein)"),
            tx("kontakte_4", "Mobil"),
            tx("kontakte_5", "Privat"),
            tx("kontakte_6", "Fax"),
            tx("kontakte_7", "Geschäftlich"),
            tx("kontakte_8", "E-Mail"),
            tx("kontakte_9", "Adresse"),
            tx("kontakte_10", "Bemerkung"),
            tx("kontakte_11", "Firma"),
            tx("kontakte_12", "URL")};
}

QStringList contactsTableCells(const ContactFields& contact, int number) {
    const auto lines = [](const QStringList& numbers) { return numbers.join(u'\n'); };
    QString general = lines(contact.general);
    if (general.isEmpty()) general = contact.mobile.value(0);
    if (general.isEmpty()) general = contact.work.value(0);
    return {QString::number(number),
            contact.name,
            general,
            lines(contact.mobile),
            lines(contact.home),
            lines(contact.fax),
            lines(contact.work),
            contact.email,
            textLines(contact.address).join(u'\n'),
            textLines(contact.note).join(u'\n'),
            contact.company,
            contact.url};
}

QByteArray vCardsOfRows(const std::vector<PhonebookRow>& rows) {
    const QString rev =
        QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"));
    QByteArray bytes;
    for (const PhonebookRow& row : rows) {
        if (row.isEmpty()) continue;
        bytes += cardFromContact(contactOfRow(row),
                                 QUuid::createUuid().toString(QUuid::WithoutBraces), rev)
                     .encode();
    }
    return bytes;
}

}  // namespace corvina
