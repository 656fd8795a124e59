// A contact as the phonebook sees it, and its mapping to and from a vCard:
// the name, every number sorted into the five number columns, and the
// texts. The "Kontakte" table and the copies into a memory work on these.
#pragma once

#include <QString>
#include <QStringList>

#include "corvina/phonebook/files/vcard.h"

namespace corvina {

enum class ContactNumberKind { General, Mobile, Home, Work, Fax };

struct ContactFields {
    QString name;
    QStringList general, mobile, home, work, fax;              // every number kept
    ContactNumberKind preferred = ContactNumberKind::General;  // the bold column
    QString email, address, note, company, url;                // address lines joined by CR LF
    QStringList categories;

    QStringList& numbers(ContactNumberKind kind);
    const QStringList& numbers(ContactNumberKind kind) const;
    bool hasNumbers() const;
    bool operator==(const ContactFields&) const = default;
};

// Keeps "+" and the digits. Longer than 6: a trunk zero after a two-digit
// country code ("+49 0…", "0049 0…") goes, except for Italy (+39), whose
// numbers keep their zero; a bracketed "(0)" goes for every country code.
QString normalisedContactNumber(const QString& number);

// N (else FN, else ORG) as the name; TEL by type: PREF (else VOICE or none)
// general, CELL, HOME, FAX, WORK their own; EMAIL; ADR (HOME first) as
// street / "PLZ Ort" / country; NOTE; ORG; URL; CATEGORIES.
ContactFields contactFromCard(const VCard& card);

// A new 3.0 card: FN, N, one TEL per number (PREF on the preferred
// column's first), EMAIL, ADR, NOTE, ORG, URL, CATEGORIES, UID, REV.
VCard cardFromContact(const ContactFields& contact, const QString& uid, const QString& rev);

// FN, else the name contactFromCard() gives.
QString cardFullName(const VCard& card);

// The card stands for the contact: the same full name (ignoring case) and a
// number in common, or neither has a number.
bool cardMatches(const VCard& card, const ContactFields& contact);

// Adds what the card lacks (numbers not yet on it, empty texts); every
// property already there stays byte for byte. REV is set when anything
// was added. True when the card changed.
bool mergeIntoCard(VCard& card, const ContactFields& contact, const QString& rev);

}  // namespace corvina
