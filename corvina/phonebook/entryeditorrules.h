// What the entry editor does without its widgets: which fields it offers
// for a tab and phone, how a row loads into its fields, and what OK does
// with them - the target table and location, the question when that
// location is taken, moving the row and writing the fields back. Paste and
// the copy of a contact from outside run the same rules without a dialog.
//
// OK never blocks: when it needs an answer it returns the question, and the
// caller runs it again with the answer filled in. Nothing changes before
// every answer is in.
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

#include "corvina/common/callergroupchoices.h"
#include "corvina/common/userdialogs.h"
#include "corvina/phonebook/phonebookcalls.h"
#include "corvina/phonebook/phonebookseams.h"
#include "corvina/phonebook/phonebooktable.h"

namespace corvina {

struct EditorNumber {
    QString number;
    int32_t type = ntGeneral;
    bool operator==(const EditorNumber&) const = default;
};

constexpr int kFixedFurtherNumbers = 4;

struct EditorFields {
    QString name;
    QString firstName;  // address-book layout
    EditorNumber standard;
    std::vector<EditorNumber> further;  // four or more
    int group = -1;                     // position in the group list
    QString location;
    int memoryItem = 0;       // position in the memory list
    QString address;          // lines separated by CR LF
    QString street;           // address-book layout: first address line,
    QString zipTown;          // postcode and town,
    QString country;          // country,
    QStringList addressRest;  // and the lines after it, kept as they are
    QString email;
    QString url;
    QString note;
    QString company;

    bool operator==(const EditorFields&) const = default;
};

// Characters each field takes when typed (longer loaded values stay whole).
struct EditorLimits {
    int name = 16;
    int firstName = 16;
    int standard = 31;
    int further = 48;
    int address = 60;
    int addressLine = 16;  // street, postcode and town, country
    int email = 50;
    int url = 50;
    int note = 60;
    int company = 50;
};

struct EditorSetup {
    uint8_t activeMemory = memSim;  // the tab the editor was opened on
    uint8_t modelNumber = 0;
    bool addressBookLayout = false;
    EditorLimits limits;
    QStringList memoryItems;
    std::vector<uint8_t> memoryCodes;  // one per memory item
    int memoryItem = 0;
    std::vector<CallerGroupChoice> groups;  // blank names stand for no group
    bool groupsEnabled = false;
};

// The three memory tables, by memory code.
struct PhonebookTables {
    std::array<PhonebookTable*, 3> tables{};
    PhonebookTable& of(uint8_t memory) const { return *tables.at(memory); }
};

// A contact copied in from outside the phone (the contacts folder).
struct ContactCopy {
    QString name;  // whole: first names, then the last name
    QString group;
    std::vector<EditorNumber> numbers;  // the first is the standard number
    QString email;
    QString address;  // street, "PLZ Ort", country, one per line
    QString note;
    QString company;
    QString url;
};

// Keeps only what a number field takes: digits, "+", "*" and "#" (so
// blanks, dashes and brackets of a pasted number go), and "+" only first.
QString filterNumberText(const QString& text);

class EntryEditorRules {
  public:
    enum class Use { Edit, NewEntry, Paste, Copy };

    // Where the loaded fields came from.
    struct Origin {
        Use use = Use::Edit;
        uint8_t memory = memSim;
        int location = 0;  // 0: no row (a new entry, a copy)
    };

    // Answers given so far to the questions of OK.
    struct Answers {
        std::optional<bool> cutName;      // the 15-character rule: cut (true) or back
        std::optional<Answer> collision;  // the location is taken: Yes, No or Cancel
        std::optional<bool> overwriteUnread;
    };

    struct Outcome {
        enum Kind { Stored, Ask, StayOpen, Cancelled } kind = Stored;
        // Ask: which answer the question wants.
        enum class Asks { CutName, Collision, OverwriteUnread } asks = Asks::CutName;
        Question question;              // Ask, StayOpen
        std::vector<Question> notices;  // Stored: to show after storing
        uint8_t memory = memSim;        // Stored: where the entry went
        int location = 0;
    };

    EntryEditorRules(PhonebookTables tables, PhonebookCalls calls, PhonebookSeams seams);

    // The fields offered for a tab (memory code) and phone; reads the group names.
    EditorSetup setup(uint8_t activeMemory, uint8_t modelNumber) const;
    // The fields of a row; a handed-over number replaces every number.
    EditorFields load(const EditorSetup& setup, const PhonebookRow& row,
                      const QString& handedNumber = {}) const;
    // Cleared fields for a new entry at the first free location of the tab.
    EditorFields blank(const EditorSetup& setup, const QString& handedNumber = {}) const;
    // The location field after the memory list changed: the target table's
    // first free location (the table is sorted by location).
    QString locationForMemoryItem(const EditorSetup& setup, int memoryItem) const;

    Outcome ok(const EditorSetup& setup, EditorFields fields, const Origin& origin,
               Answers& answers);
    // Puts the answer to an asked question where OK looks for it.
    static void record(Outcome::Asks asks, Answer answer, Answers& answers);
    // Stores a copied row unchanged at the first free location of the table.
    Outcome paste(const PhonebookRow& row, uint8_t memory);
    // Stores a contact at the first free location of the table, through OK.
    Outcome copy(const ContactCopy& contact, uint8_t memory, uint8_t modelNumber, Answers& answers);

  private:
    void writeFields(const EditorSetup& setup, const EditorFields& fields, PhonebookRow& row) const;

    PhonebookTables tables_;
    PhonebookCalls calls_;
    PhonebookSeams seams_;
};

}  // namespace corvina
