// The folder dialog of the "Kontakte" tab: the contacts folder (a setting,
// default $XDG_DATA_HOME/contacts) and every subfolder of it holding cards,
// the first preselected. "Stammordner..." picks another root. OK hands the
// chosen folder on; Cancel leaves the table as it is.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QListWidget>

namespace corvina {

// The root of the contacts folders, as stored in the settings.
QString contactsRoot();
void setContactsRoot(const QString& root);

class Toutlookfolders : public QDialog {
    Q_OBJECT

  public:
    explicit Toutlookfolders(QWidget* parent = nullptr);

    // Lists the folders under the root anew and opens the dialog.
    void choose();
    QListWidget* folders() const { return list_; }
    QString chosenFolder() const;

  signals:
    void chosen(const QString& folder);

  private:
    void fill();
    void accept() override;

    QLabel* root_ = nullptr;
    QListWidget* list_ = nullptr;
};

}  // namespace corvina
