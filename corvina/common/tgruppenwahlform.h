// The caller-group dialog: a list of the phone's caller groups to pick one
// from. It opens without blocking and reports the choice by signal.
//
//   dialog->choose(CallerGroupList::Entries);         // first item selected
//   connect(dialog, &Tgruppenwahlform::chosen, ...);  // group index and name
//
// The blank item of the entries list comes back as index -1 with an empty
// name. The list is read anew at every opening, so renamed groups show.
#pragma once

#include <QDialog>
#include <QListWidget>
#include <optional>
#include <vector>

#include "corvina/common/callergroupchoices.h"

namespace corvina {

class Tgruppenwahlform : public QDialog {
    Q_OBJECT

  public:
    explicit Tgruppenwahlform(QWidget* parent = nullptr,
                              GroupNameCalls calls = GroupNameCalls::library());

    // Reads the list and opens the dialog. `preselect` names the group to
    // select (a group the list lacks selects the blank item); without it the
    // first item is selected.
    void choose(CallerGroupList kind, std::optional<int> preselect = std::nullopt);

    const std::vector<CallerGroupChoice>& choices() const { return choices_; }
    QListWidget* list() const { return list_; }

  signals:
    // OK: the chosen group (index -1 and an empty name for the blank item).
    void chosen(int groupIndex, const QString& groupName);
    void cancelled();

  private:
    void accept() override;
    void reject() override;

    GroupNameCalls calls_;
    std::vector<CallerGroupChoice> choices_;
    QListWidget* list_ = nullptr;
};

}  // namespace corvina
