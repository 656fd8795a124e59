#include "corvina/phonebook/tablefiles.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include "corvina/language/language.h"
#include "corvina/phonebook/files/csvimport.h"
#include "corvina/phonebook/files/htmlexport.h"
#include "corvina/phonebook/phonebooktable.h"
#include "corvina/reports/phonebookreport.h"

namespace corvina {

TableGrid gridOfRows(const std::vector<PhonebookRow>& rows) {
    TableGrid grid;
    grid.reserve(rows.size());
    for (const PhonebookRow& row : rows) {
        TableCells cells(kPhonebookColumns);
        for (int c = 0; c < kPhonebookColumns; ++c)
            cells[static_cast<size_t>(c)] = {row.cells.at(static_cast<size_t>(c)), c == row.bold};
        grid.push_back(std::move(cells));
    }
    return grid;
}

std::vector<PhonebookRow> rowsOfGrid(const TableGrid& grid) {
    std::vector<PhonebookRow> rows;
    rows.reserve(grid.size());
    for (const TableCells& cells : grid) {
        PhonebookRow row;
        for (size_t c = 0; c < cells.size() && c < static_cast<size_t>(kPhonebookColumns); ++c) {
            const int column = static_cast<int>(c);
            if (column > colLocation && cells[c].text == notAvailableText())
                row.setField(column, QStringLiteral("-"));
            else
                row.cells.at(c) = cells[c].text;
            if (cells[c].bold && isNumberColumn(column) && row.bold < 0) row.bold = column;
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

bool savePhonebookFile(const QString& path, const std::vector<PhonebookRow>& rows, QString* error) {
    if (path.toUpper().endsWith(QStringLiteral(".HTM"))) {
        HtmlExport::Layout layout;
        layout.alignment = {Qt::AlignRight};
        return HtmlExport::save(path, phonebookColumnHeadings(), gridOfRows(rows), layout, error);
    }
    return KvfTable::save(path, phonebookColumnHeadings(), gridOfRows(rows), error);
}

TableFileRead loadPhonebookFile(const QString& path) {
    if (path.toUpper().endsWith(QStringLiteral(".KVF")))
        return KvfTable::load(path, kPhonebookBoldColumns);
    return CsvImport::load(path);
}

FileTableStore::FileTableStore(QString folder)
    : folder_(folder.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
                               : std::move(folder)) {}

QString FileTableStore::temporaryPath(uint8_t memory) const {
    const QString name = memory == memSim     ? QStringLiteral("~sim.kvf")
                         : memory == memPhone ? QStringLiteral("~phone.kvf")
                                              : QStringLiteral("~adrbook.kvf");
    return QDir(folder_).filePath(name);
}

QString FileTableStore::clipboardPath() const {
    return QDir(folder_).filePath(QStringLiteral("~clipboard.kvf"));
}

void FileTableStore::loadTemporary(PhonebookTable& table) {
    const QString path = temporaryPath(table.memory());
    if (!QFile::exists(path)) return;
    const TableFileRead read = KvfTable::load(path, kPhonebookBoldColumns);
    if (read.ok()) {
        table.setRows(rowsOfGrid(read.rows));
        return;
    }
    // Set aside, so the next save does not overwrite what may be mended by hand.
    const QString aside = path + QStringLiteral(".defekt");
    QFile::remove(aside);
    QFile::rename(path, aside);
    notices_.append(read.error + QStringLiteral(" ") +
                    tx("telefonbuchdateien_19", "Die Datei wurde beiseitegelegt als ") +
                    QDir(folder_).relativeFilePath(aside));
}

void FileTableStore::saveTemporary(const PhonebookTable& table) {
    QString error;
    if (!KvfTable::save(temporaryPath(table.memory()), phonebookColumnHeadings(),
                        gridOfRows(table.rows()), &error))
        notices_.append(error);
}

void FileTableStore::saveClipboard(const std::vector<PhonebookRow>& rows) {
    QString error;
    if (!KvfTable::save(clipboardPath(), phonebookColumnHeadings(), gridOfRows(rows), &error))
        notices_.append(error);
}

QStringList FileTableStore::takeNotices() {
    QStringList taken;
    taken.swap(notices_);
    return taken;
}

}  // namespace corvina
