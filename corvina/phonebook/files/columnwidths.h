// Column widths of the phonebook window's tables, kept in "spalten.ini"
// beside the settings: section "Spaltenbreiten", keys the table's prefix
// and the 1-based column ("Sim1" ... "Sim13", "Wap1" ... "Wap3"), values
// in pixels.
#pragma once

#include <QString>
#include <vector>

namespace corvina {

class ColumnWidths {
  public:
    explicit ColumnWidths(QString path = defaultPath());
    // "spalten.ini" in the user's configuration folder.
    static QString defaultPath();

    // The widths of the table `prefix`; a missing or unusable key keeps the
    // default of its column.
    std::vector<int> load(const QString& prefix, std::vector<int> defaults) const;
    // Written through a temporary file; false when that failed.
    bool save(const QString& prefix, const std::vector<int>& widths) const;

  private:
    QString path_;
};

}  // namespace corvina
