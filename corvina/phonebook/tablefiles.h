// The phonebook tables as table files: memory rows to cells and back, and
// the store that keeps the temporary copies ("~sim.kvf", "~phone.kvf",
// "~adrbook.kvf") and the clipboard ("~clipboard.kvf") in the user's data
// folder.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "corvina/phonebook/files/kvftable.h"
#include "corvina/phonebook/phonebookrow.h"
#include "corvina/phonebook/phonebookseams.h"

namespace corvina {

// The default number's cell is the bold one; "n.a." marks stay marks.
TableGrid gridOfRows(const std::vector<PhonebookRow>& rows);
std::vector<PhonebookRow> rowsOfGrid(const TableGrid& grid);

// Saves the table's rows (HTML when the name ends in ".htm", any case) or
// loads them from a table file (".kvf") or a CSV list (any other name).
bool savePhonebookFile(const QString& path, const std::vector<PhonebookRow>& rows, QString* error);
TableFileRead loadPhonebookFile(const QString& path);

class FileTableStore : public TableStore {
  public:
    // `folder` defaults to the user's data folder.
    explicit FileTableStore(QString folder = {});

    void loadTemporary(PhonebookTable& table) override;
    void saveTemporary(const PhonebookTable& table) override;
    void saveClipboard(const std::vector<PhonebookRow>& rows) override;

    // The temporary copy of the memory.
    QString temporaryPath(uint8_t memory) const;
    QString clipboardPath() const;
    // Copies that could not be read (set aside as "….defekt") and writes
    // that failed, each once; taken by the window to show them.
    QStringList takeNotices() override;

  private:
    QString folder_;
    QStringList notices_;
};

}  // namespace corvina
