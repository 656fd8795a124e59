#include "corvina/phonebook/files/contactcard.h"

#include <QRegularExpression>
#include <array>

namespace corvina {
namespace {

constexpr std::array kKinds = {ContactNumberKind::General, ContactNumberKind::Mobile,
                               ContactNumberKind::Home, ContactNumberKind::Work,
                               ContactNumberKind::Fax};

QString typeOf(ContactNumberKind kind) {
    switch (kind) {
        case ContactNumberKind::Mobile:
            return QStringLiteral("CELL");
        case ContactNumberKind::Home:
            return QStringLiteral("HOME");
        case ContactNumberKind::Work:
            return QStringLiteral("WORK");
        case ContactNumberKind::Fax:
            return QStringLiteral("FAX");
        case ContactNumberKind::General:
            break;
    }
    return QStringLiteral("VOICE");
}

ContactNumberKind kindOf(const VCardProperty& tel) {
    if (tel.hasType(QStringLiteral("pref"))) return ContactNumberKind::General;
    if (tel.hasType(QStringLiteral("fax"))) return ContactNumberKind::Fax;
    if (tel.hasType(QStringLiteral("cell"))) return ContactNumberKind::Mobile;
    if (tel.hasType(QStringLiteral("home"))) return ContactNumberKind::Home;
    if (tel.hasType(QStringLiteral("work"))) return ContactNumberKind::Work;
    return ContactNumberKind::General;
}

QString digitsOf(const QString& number) {
    QString digits;
    for (const QChar c : number)
        if (c.isDigit()) digits += c;
    return digits;
}

bool sameNumber(const QString& a, const QString& b) {
    const QString da = digitsOf(a);
    return !da.isEmpty() && da == digitsOf(b);
}

// A 4.0 value may be "tel:+49…".
QString telNumber(const VCardProperty& tel) {
    QString number = tel.text().trimmed();
    if (number.startsWith(QStringLiteral("tel:"), Qt::CaseInsensitive)) number = number.mid(4);
    return number;
}

QString addressText(const QStringList& adr) {
    // pobox; extended; street; locality; region; code; country
    const auto part = [&](int i) { return adr.value(i).trimmed(); };
    QStringList lines;
    const QString street = (part(0) + u' ' + part(1) + u' ' + part(2)).simplified();
    if (!street.isEmpty()) lines.append(street);
    const QString town = (part(5) + u' ' + part(3)).simplified();
    if (!town.isEmpty()) lines.append(town);
    if (!part(6).isEmpty()) lines.append(part(6));
    return lines.join(QStringLiteral("\r\n"));
}

QStringList addressComponents(const QString& address) {
    const QStringList lines =
        address.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")), Qt::SkipEmptyParts);
    QString code;
    QString town = lines.value(1).trimmed();
    const qsizetype blank = town.indexOf(u' ');
    if (blank > 0 && town.at(0).isDigit()) {
        code = town.left(blank);
        town = town.mid(blank + 1);
    }
    return {QString(),
            QString(),
            lines.value(0).trimmed(),
            town,
            QString(),
            code,
            lines.mid(2).join(QStringLiteral(", "))};
}

QStringList nameComponents(const QString& name) {
    const QString simple = name.simplified();
    const qsizetype blank = simple.lastIndexOf(u' ');
    if (blank < 0) return {simple, QString(), QString(), QString(), QString()};
    return {simple.mid(blank + 1), simple.left(blank), QString(), QString(), QString()};
}

}  // namespace

QString cardFullName(const VCard& card) {
    if (const VCardProperty* fn = card.first(QStringLiteral("FN"))) return fn->text().trimmed();
    return contactFromCard(card).name;
}

QStringList& ContactFields::numbers(ContactNumberKind kind) {
    switch (kind) {
        case ContactNumberKind::Mobile:
            return mobile;
        case ContactNumberKind::Home:
            return home;
        case ContactNumberKind::Work:
            return work;
        case ContactNumberKind::Fax:
            return fax;
        case ContactNumberKind::General:
            break;
    }
    return general;
}

const QStringList& ContactFields::numbers(ContactNumberKind kind) const {
    return const_cast<ContactFields*>(this)->numbers(kind);
}

bool ContactFields::hasNumbers() const {
    return !general.isEmpty() || !mobile.isEmpty() || !home.isEmpty() || !work.isEmpty() ||
           !fax.isEmpty();
}

QString normalisedContactNumber(const QString& number) {
    QString text = number;
    // "+49 (0)30 …": the bracketed zero is the trunk prefix inside the country.
    if (text.trimmed().startsWith(u'+') || text.trimmed().startsWith(QStringLiteral("00")))
        text.remove(QRegularExpression(QStringLiteral("\\(\\s*0\\s*\\)")));
    QString kept;
    for (const QChar c : text)
        if (c.isDigit() || (c == u'+' && kept.isEmpty())) kept += c;
    if (kept.size() <= 6) return kept;
    if (kept.startsWith(u'+') && kept[3] == u'0' && !kept.startsWith(QStringLiteral("+39")))
        kept.remove(3, 1);
    else if (kept.startsWith(QStringLiteral("00")) && kept[4] == u'0' &&
             !kept.startsWith(QStringLiteral("0039")))
        kept.remove(4, 1);
    return kept;
}

ContactFields contactFromCard(const VCard& card) {
    ContactFields contact;
    if (const VCardProperty* n = card.first(QStringLiteral("N"))) {
        const QStringList parts = n->components();
        contact.name = (parts.value(1).trimmed() + u' ' + parts.value(0).trimmed()).trimmed();
    }
    if (contact.name.isEmpty())
        if (const VCardProperty* fn = card.first(QStringLiteral("FN")))
            contact.name = fn->text().trimmed();
    if (const VCardProperty* org = card.first(QStringLiteral("ORG"))) {
        QStringList parts = org->components();
        parts.removeAll(QString());
        contact.company = parts.join(QStringLiteral(", "));
    }
    if (contact.name.isEmpty()) contact.name = contact.company;

    bool preferredSeen = false;
    for (const VCardProperty* tel : card.all(QStringLiteral("TEL"))) {
        const QString number = telNumber(*tel);
        if (number.isEmpty()) continue;
        const ContactNumberKind kind = kindOf(*tel);
        QStringList& numbers = contact.numbers(kind);
        if (tel->hasType(QStringLiteral("pref")) && !preferredSeen) {
            numbers.prepend(number);
            preferredSeen = true;
        } else {
            numbers.append(number);
        }
    }
    if (contact.general.isEmpty())
        for (const ContactNumberKind kind : kKinds)
            if (!contact.numbers(kind).isEmpty()) {
                contact.preferred = kind;
                break;
            }

    if (const VCardProperty* email = card.first(QStringLiteral("EMAIL")))
        contact.email = email->text().trimmed();
    const VCardProperty* adr = nullptr;
    for (const VCardProperty* candidate : card.all(QStringLiteral("ADR")))
        if (!adr ||
            (candidate->hasType(QStringLiteral("home")) && !adr->hasType(QStringLiteral("home"))))
            adr = candidate;
    if (adr) contact.address = addressText(adr->components());
    if (const VCardProperty* note = card.first(QStringLiteral("NOTE")))
        contact.note = note->text()
                           .replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
                           .replace(u'\r', u'\n')
                           .replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    if (const VCardProperty* url = card.first(QStringLiteral("URL")))
        contact.url = url->text().trimmed();
    for (const VCardProperty* categories : card.all(QStringLiteral("CATEGORIES")))
        for (const QString& category : categories->components(u','))
            if (!category.trimmed().isEmpty()) contact.categories.append(category.trimmed());
    return contact;
}

VCard cardFromContact(const ContactFields& contact, const QString& uid, const QString& rev) {
    VCard card;
    card.properties.push_back({{}, QStringLiteral("BEGIN"), {}, QStringLiteral("VCARD"), {}});
    card.properties.push_back({{}, QStringLiteral("VERSION"), {}, QStringLiteral("3.0"), {}});
    card.properties.push_back({{}, QStringLiteral("END"), {}, QStringLiteral("VCARD"), {}});
    card.add(QStringLiteral("FN"), contact.name);
    card.addStructured(QStringLiteral("N"), nameComponents(contact.name));
    mergeIntoCard(card, contact, QString());
    card.add(QStringLiteral("UID"), uid);
    card.add(QStringLiteral("REV"), rev);
    return card;
}

bool cardMatches(const VCard& card, const ContactFields& contact) {
    if (cardFullName(card).compare(contact.name.trimmed(), Qt::CaseInsensitive) != 0) return false;
    const ContactFields other = contactFromCard(card);
    if (!other.hasNumbers() && !contact.hasNumbers()) return true;
    for (const ContactNumberKind a : kKinds)
        for (const QString& mine : contact.numbers(a))
            for (const ContactNumberKind b : kKinds)
                for (const QString& theirs : other.numbers(b))
                    if (sameNumber(mine, theirs)) return true;
    return false;
}

bool mergeIntoCard(VCard& card, const ContactFields& contact, const QString& rev) {
    const ContactFields present = contactFromCard(card);
    bool changed = false;
    for (const ContactNumberKind kind : kKinds) {
        const QStringList& numbers = contact.numbers(kind);
        for (qsizetype i = 0; i < numbers.size(); ++i) {
            bool known = false;
            for (const ContactNumberKind other : kKinds)
                for (const QString& theirs : present.numbers(other))
                    known = known || sameNumber(numbers[i], theirs);
            if (known || numbers[i].trimmed().isEmpty()) continue;
            QStringList types = {typeOf(kind)};
            if (kind == contact.preferred && i == 0) types.append(QStringLiteral("PREF"));
            card.add(QStringLiteral("TEL"), numbers[i].trimmed(), types);
            changed = true;
        }
    }
    const auto addText = [&](const QString& name, const QString& have, const QString& value,
                             const QStringList& types = {}) {
        if (!have.isEmpty() || value.trimmed().isEmpty()) return;
        card.add(name, value, types);
        changed = true;
    };
    addText(QStringLiteral("EMAIL"), present.email, contact.email, {QStringLiteral("INTERNET")});
    if (present.address.isEmpty() && !contact.address.trimmed().isEmpty()) {
        card.addStructured(QStringLiteral("ADR"), addressComponents(contact.address),
                           {QStringLiteral("HOME")});
        changed = true;
    }
    addText(QStringLiteral("NOTE"), present.note, contact.note);
    addText(QStringLiteral("ORG"),
            card.first(QStringLiteral("ORG")) ? QStringLiteral("x") : QString(), contact.company);
    addText(QStringLiteral("URL"), present.url, contact.url);
    if (present.categories.isEmpty() && !contact.categories.isEmpty()) {
        card.addStructured(QStringLiteral("CATEGORIES"), contact.categories, {}, u',');
        changed = true;
    }
    if (changed && !rev.isEmpty()) card.set(QStringLiteral("REV"), rev);
    return changed;
}

}  // namespace corvina
