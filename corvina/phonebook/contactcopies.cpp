#include "corvina/phonebook/contactcopies.h"

#include "corvina/language/language.h"
#include "corvina/phonebook/contactrows.h"

namespace corvina {

QString ContactCopyTally::summary() const {
    QString text = tx("kontakte_20", "%1 Einträge übernommen, %2 übersprungen (schon vorhanden).")
                       .arg(copied)
                       .arg(present.size());
    if (!refused.isEmpty())
        text += u' ' + tx("kontakte_21", "%1 nicht übernommen.").arg(refused.size());
    return text;
}

struct ContactCopies::Run {
    std::vector<ContactFields> contacts;
    size_t next = 0;
    uint8_t model = 0;
    QStringList groups;
    EntryEditorRules::Answers answers;
    ContactCopyTally tally;
    std::function<void(const ContactCopyTally&)> done;
};

ContactCopies::ContactCopies(EntryEditorRules& rules, PhonebookTable& table, UserDialogs dialogs)
    : rules_(rules), table_(table), dialogs_(std::move(dialogs)) {}

void ContactCopies::run(std::vector<ContactFields> contacts, uint8_t modelNumber,
                        std::function<void(const ContactCopyTally&)> done) {
    auto r = std::make_shared<Run>();
    r->contacts = std::move(contacts);
    r->model = modelNumber;
    for (const CallerGroupChoice& group : rules_.setup(table_.memory(), modelNumber).groups)
        if (!group.isBlank()) r->groups.append(group.name);
    r->done = std::move(done);
    step(r);
}

void ContactCopies::step(const std::shared_ptr<Run>& r) {
    using Outcome = EntryEditorRules::Outcome;
    while (r->next < r->contacts.size()) {
        const ContactFields& contact = r->contacts[r->next];
        if (contact.name.trimmed().isEmpty() && !contact.hasNumbers()) {
            ++r->next;
            continue;
        }
        if (tableHoldsContact(table_.rows(), contact)) {
            r->tally.present.append(contact.name);
            ++r->next;
            continue;
        }
        const Outcome outcome =
            rules_.copy(copyOfContact(contact, r->groups), table_.memory(), r->model, r->answers);
        if (outcome.kind == Outcome::Ask) {
            dialogs_.ask(outcome.question, [this, r, asks = outcome.asks](Answer answer) {
                EntryEditorRules::record(asks, answer, r->answers);
                step(r);
            });
            return;
        }
        if (outcome.kind == Outcome::Stored) {
            ++r->tally.copied;
            r->tally.locations.push_back(outcome.location);
        } else {
            QString reason = outcome.question.text;
            reason.replace(u'\r', u' ').replace(u'\n', u' ');
            r->tally.refused.append(contact.name + QStringLiteral(": ") + reason.simplified());
        }
        r->answers = {};
        ++r->next;
        // A full table refuses every further contact alike: say it once.
        if (outcome.kind != Outcome::Stored && table_.firstFreeLocation() > table_.locationLimit())
            break;
    }
    for (size_t i = r->next; i < r->contacts.size(); ++i)
        r->tally.refused.append(r->contacts[i].name + QStringLiteral(": ") +
                                tx("kontakte_22", "Der Speicher ist voll."));
    r->done(r->tally);
}

}  // namespace corvina
