// The entry editor: one phonebook entry on four pages (general, further
// numbers, addresses, other). It only shows and collects fields; what OK
// does lives in EntryEditorRules, run by the phonebook window when the user
// presses OK (signal okPressed). The window then closes the dialog or
// keeps it open.
#pragma once

#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QTabWidget>
#include <vector>

#include "corvina/phonebook/entryeditorrules.h"
#include "corvina/phonebook/fieldedits.h"

namespace corvina {

class Ttelefonbuch : public QDialog {
    Q_OBJECT

  public:
    explicit Ttelefonbuch(QWidget* parent = nullptr);

    // Lays the fields out for the setup, fills them and opens the dialog.
    void present(const EditorSetup& setup, const EditorFields& fields);
    EditorFields fields() const;
    const EditorSetup& setup() const { return setup_; }
    void setLocationText(const QString& location);

    // Controls, for the window's tests.
    FieldEdit* nameField() const { return name_; }
    FieldEdit* firstNameField() const { return firstName_; }
    FieldEdit* standardField() const { return standard_; }
    FieldEdit* locationField() const { return location_; }
    QComboBox* groupList() const { return group_; }
    QComboBox* memoryList() const { return memory_; }
    int furtherCount() const { return static_cast<int>(further_.size()); }
    FieldEdit* furtherField(int i) const { return further_.at(size_t(i)).number; }
    QTabWidget* pages() const { return pages_; }

  signals:
    void okPressed();
    void memoryItemChanged(int item);

  private:
    struct NumberRow {
        FieldEdit* number = nullptr;
        QComboBox* type = nullptr;
    };

    void accept() override;
    QWidget* buildGeneralPage();
    QWidget* buildNumbersPage();
    QWidget* buildAddressPage();
    QWidget* buildOtherPage();
    QComboBox* typeList(QWidget* parent) const;
    void layOutFurtherNumbers(const std::vector<EditorNumber>& numbers);
    void applyLayout();

    EditorSetup setup_;
    QTabWidget* pages_ = nullptr;
    QLabel* nameLabel_ = nullptr;
    FieldEdit* name_ = nullptr;
    FieldEdit* firstName_ = nullptr;
    FieldEdit* standard_ = nullptr;
    QComboBox* standardType_ = nullptr;
    QComboBox* group_ = nullptr;
    FieldEdit* location_ = nullptr;
    QComboBox* memory_ = nullptr;
    QWidget* numbersPage_ = nullptr;
    QGridLayout* numbersGrid_ = nullptr;
    std::vector<NumberRow> further_;
    QWidget* addressBlock_ = nullptr;
    QWidget* addressBookBlock_ = nullptr;
    FieldText* address_ = nullptr;
    FieldEdit* street_ = nullptr;
    FieldEdit* zipTown_ = nullptr;
    FieldEdit* country_ = nullptr;
    FieldEdit* email_ = nullptr;
    FieldEdit* url_ = nullptr;
    FieldText* note_ = nullptr;
    FieldEdit* company_ = nullptr;
    QStringList addressRest_;
};

}  // namespace corvina
