// Between the rows of a memory table and contacts as the contacts folder
// and vCard files hold them: a row becomes a contact (for "&Zu Kontakten",
// dragging rows out, saving as vCard), a contact becomes a row (loading a
// vCard file, the "Kontakte" table) or an entry copied through the entry
// editor's rules.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

#include "corvina/phonebook/entryeditorrules.h"
#include "corvina/phonebook/files/contactcard.h"
#include "corvina/phonebook/phonebookrow.h"

namespace corvina {

// The row's name, numbers (the bold cell's first line preferred), texts
// and its group as the only category.
ContactFields contactOfRow(const PhonebookRow& row);

// The memory row of a contact at `location`: numbers into their columns,
// the preferred one at the top of its bold cell; the group only when a
// category names one of `groups`.
PhonebookRow rowOfContact(const ContactFields& contact, int location,
                          const QStringList& groups = {});

// What the entry editor stores of a contact: the preferred number as the
// standard number with its own type (once, not again among the further
// numbers), every other number once, numbers reduced to "+" and digits; the
// group is the first category naming one of `groups`.
ContactCopy copyOfContact(const ContactFields& contact, const QStringList& groups);

// The table already holds the contact: a row of the same name (ignoring
// case; an address-book name "Last, First" counts as "First Last") that
// shares a number with it, or neither has a number.
bool tableHoldsContact(const std::vector<PhonebookRow>& rows, const ContactFields& contact);

// The twelve cells of a row of the "Kontakte" table: "Nr. ", "Name",
// "Nummer (allgemein)" (else the mobile, else the business number),
// "Mobil", "Privat", "Fax", "Geschäftlich", "E-Mail", "Adresse",
// "Bemerkung", "Firma", "URL". Several numbers stand one per line.
QStringList contactsTableCells(const ContactFields& contact, int number);
QStringList contactsTableHeadings();

// The occupied rows as one vCard 3.0 file, a card each.
QByteArray vCardsOfRows(const std::vector<PhonebookRow>& rows);

}  // namespace corvina
