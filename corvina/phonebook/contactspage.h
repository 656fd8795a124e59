// The "Kontakte" tab: the cards of one folder of the contacts folder as a
// table ("Nr. ", "Name", "Nummer (allgemein)", "Mobil", "Privat", "Fax",
// "Geschäftlich", "E-Mail", "Adresse", "Bemerkung", "Firma", "URL"). The
// folder is chosen in `Toutlookfolders` at the tab's first show and on
// "Aktualisieren". The letter bar sorts by name and goes to the letter; a
// double-click opens the card in the desktop's program
// for vCards; the popup menu copies the marked contacts into a memory.
#pragma once

#include <QLabel>
#include <QTableWidget>
#include <QWidget>
#include <vector>

#include "corvina/phonebook/files/contactsfolder.h"

namespace corvina {

class Toutlookfolders;

class ContactsPage : public QWidget {
    Q_OBJECT

  public:
    explicit ContactsPage(QWidget* parent = nullptr);

    // Opens the folder dialog; the table is read from the folder chosen.
    void chooseFolder();
    // Reads the folder into the table; false (table empty) when it cannot
    // be read.
    bool read(const QString& folder);
    // Reads the chosen folder once (the tab's first show).
    void showFirstTime();

    const QString& folder() const { return folder_; }
    QTableWidget* grid() const { return grid_; }
    Toutlookfolders* folderDialog() const { return folders_; }
    const std::vector<ContactFields>& contacts() const { return contacts_; }
    std::vector<ContactFields> markedContacts() const;
    // Whether "In Adressbuch kopieren" is offered.
    void setAddressBookOffered(bool offered) { addressBookOffered_ = offered; }

  signals:
    // Marked contacts into the memory (memory code).
    void copyRequested(uint8_t memory);
    // For the status line; notices of cards skipped for a message.
    void status(const QString& text);
    void notices(const QStringList& notices);

  private:
    // Sorts by name and goes to the first name beginning with the letter.
    void showLetter(QChar letter);
    void showMenu(const QPoint& at);
    void openCard(int row);

    Toutlookfolders* folders_ = nullptr;
    QLabel* folderLabel_ = nullptr;
    QTableWidget* grid_ = nullptr;
    QString folder_;
    std::vector<FolderCard> cards_;
    std::vector<ContactFields> contacts_;
    bool read_ = false;
    bool addressBookOffered_ = false;
};

}  // namespace corvina
