#include "corvina/phonebook/phonebookexchange.h"

#include <QFileInfo>

#include "corvina/language/language.h"
#include "corvina/phonebook/contactrows.h"
#include "corvina/phonebook/files/csvexport.h"
#include "corvina/phonebook/files/vcard.h"
#include "corvina/phonebook/tablefiles.h"

namespace corvina {
namespace {

std::vector<PhonebookRow> occupied(const std::vector<PhonebookRow>& rows) {
    std::vector<PhonebookRow> kept;
    for (const PhonebookRow& row : rows)
        if (!row.isEmpty()) kept.push_back(row);
    return kept;
}

void addContacts(PhonebookFileRead& read, std::vector<ContactFields> contacts,
                 const QStringList& groups) {
    for (ContactFields& contact : contacts) {
        read.rows.push_back(rowOfContact(contact, static_cast<int>(read.rows.size()) + 1, groups));
        read.contacts.push_back(std::move(contact));
    }
}

}  // namespace

PhonebookFormat phonebookFormatOf(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QStringLiteral("kvf")) return PhonebookFormat::Kvf;
    if (suffix == QStringLiteral("htm") || suffix == QStringLiteral("html"))
        return PhonebookFormat::Html;
    if (suffix == QStringLiteral("csv")) return PhonebookFormat::Csv;
    if (suffix == QStringLiteral("vcf")) return PhonebookFormat::VCard;
    return PhonebookFormat::Folder;
}

PhonebookFileRead readPhonebookFile(const QString& path, const QStringList& groups) {
    PhonebookFileRead read;
    switch (phonebookFormatOf(path)) {
        case PhonebookFormat::Html:
            read.error = tx("telefonbuchdateien_1", "Datei ") + QFileInfo(path).fileName() +
                         QStringLiteral(": ") +
                         tx("kontakte_59", "HTML-Dateien lassen sich nicht laden.");
            return read;
        case PhonebookFormat::Kvf:
        case PhonebookFormat::Csv: {
            const TableFileRead table = loadPhonebookFile(path);
            read.error = table.error;
            read.notices = table.notices;
            if (!table.ok()) return read;
            read.rows = rowsOfGrid(table.rows);
            for (const PhonebookRow& row : read.rows)
                read.contacts.push_back(row.isEmpty() ? ContactFields{} : contactOfRow(row));
            return read;
        }
        case PhonebookFormat::VCard: {
            QString error;
            const auto bytes = readTableFileBytes(path, &error);
            if (!bytes) {
                read.error = error;
                return read;
            }
            VCardRead cards = VCardCodec::decode(*bytes, path);
            read.error = cards.error;
            read.notices = cards.notices;
            if (!cards.ok()) return read;
            std::vector<ContactFields> contacts;
            for (const VCard& card : cards.cards) contacts.push_back(contactFromCard(card));
            addContacts(read, std::move(contacts), groups);
            return read;
        }
        case PhonebookFormat::Folder: {
            ContactsFolderRead folder = ContactsFolder::read(path);
            read.error = folder.error;
            read.notices = folder.notices;
            if (!folder.error.isEmpty()) return read;
            std::vector<ContactFields> contacts;
            for (const FolderCard& card : folder.cards)
                contacts.push_back(contactFromCard(card.card));
            addContacts(read, std::move(contacts), groups);
            return read;
        }
    }
    return read;
}

QStringList unencodableInRows(const std::vector<PhonebookRow>& rows) {
    QStringList texts;
    for (const UnencodableCharacter& c : unencodableCharacters(gridOfRows(rows)))
        texts.append(tx("kontakte_60", "Zeile %1, Spalte %2: »%3«")
                         .arg(c.row)
                         .arg(c.column + 1)
                         .arg(c.character));
    return texts;
}

bool writtenInCp1252(PhonebookFormat format) {
    return format == PhonebookFormat::Kvf || format == PhonebookFormat::Csv;
}

PhonebookFileWrite writePhonebookFile(const QString& path, const std::vector<PhonebookRow>& rows) {
    PhonebookFileWrite result;
    const std::vector<PhonebookRow> kept = occupied(rows);
    result.written = static_cast<int>(kept.size());
    switch (phonebookFormatOf(path)) {
        case PhonebookFormat::Kvf:
        case PhonebookFormat::Html:
            result.ok = savePhonebookFile(path, rows, &result.error);
            break;
        case PhonebookFormat::Csv:
            result.ok = CsvExport::save(path, gridOfRows(kept), &result.error);
            break;
        case PhonebookFormat::VCard:
            result.ok = writeTableFileBytes(path, vCardsOfRows(kept), &result.error);
            break;
        case PhonebookFormat::Folder: {
            std::vector<ContactFields> contacts;
            for (const PhonebookRow& row : kept) contacts.push_back(contactOfRow(row));
            result.stored = ContactsFolder::store(path, contacts);
            result.ok = result.stored.errors.isEmpty();
            result.error = result.stored.errors.join(u'\n');
            break;
        }
    }
    if (!result.ok) result.written = 0;
    return result;
}

}  // namespace corvina
