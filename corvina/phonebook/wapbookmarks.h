// The WAP bookmarks of the phone: 15 rows of name and link after a
// download, edited in the window, dropped from the link catalogue and
// written back in one go.
//
// Links are shown and edited without a leading "http://"; what the user
// types gets it back unless it names a scheme of its own.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

#include "corvina/common/callsequence.h"
#include "corvina/phonebook/files/wapcatalogue.h"
#include "corvina/phonebook/phonebookcalls.h"
#include "records/typendefinitionen.h"

namespace corvina {

struct WapRow {
    QString name;
    QString link;
    bool isEmpty() const { return name.isEmpty() && link.isEmpty(); }
    bool operator==(const WapRow&) const = default;
};

class WapBookmarks {
  public:
    static constexpr int kRows = kWapLinks;
    static constexpr int kMaxName = 50;
    static constexpr int kMaxLink = 150;

    explicit WapBookmarks(PhonebookCalls calls);

    // Reads the bookmarks; `done` gets a message when the phone gave none.
    void download(std::function<void(const QString& error)> done);
    // Writes the rows that hold a bookmark; refused up front when they are
    // more than the phone keeps.
    void upload(std::function<void(const QString& error)> done);
    bool running() const { return running_; }

    const std::vector<WapRow>& rows() const { return rows_; }
    // Rows from a file, filled up to 15; a longer list is kept and refused
    // at the upload.
    void setRows(std::vector<WapRow> rows);
    // Whether the table has its rows (a download or a loaded list).
    bool hasRows() const { return !rows_.empty(); }

    // "Neuer Eintrag": the first row without a name, or a message.
    struct Place {
        int row = -1;
        QString error;
    };
    Place newRow() const;
    // The editor's OK: the row gets name and link (see editedLink).
    void store(int row, const QString& name, const QString& typedLink);
    void clear(const std::vector<int>& rows);
    // A catalogue link dropped on a row (-1: below the rows); a message
    // tells what happened to it when it did not fit as it was.
    QString drop(int row, const WapLink& link);

    // The link as the editor shows it, and back.
    static QString shownLink(const QString& link);
    static QString editedLink(const QString& typed);

  private:
    PhonebookCalls calls_;
    CallSequence sequence_;
    std::vector<WapRow> rows_;
    TWap record_;
    bool running_ = false;
};

}  // namespace corvina
