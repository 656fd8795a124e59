#include "corvina/phonebook/entryrows.h"

#include "codecs/tools/cp1252.h"

namespace corvina {

namespace {

QString text(const std::string& bytes) {
    return tools::fromCp1252(bytes);
}

void appendLine(QString& cell, const QString& line) {
    if (!cell.isEmpty()) cell += QStringLiteral("\r\n");
    cell += line;
}

}  // namespace

PhonebookRow rowOfEntry(const TPhoneBookEntry& entry, int location) {
    PhonebookRow row;
    row.setLocation(location);
    if (entry.empty) return row;
    row.cells[colName] = text(entry.name);
    row.cells[colGroup] = text(entry.group.groupName).trimmed();

    const size_t numbers = std::min<size_t>(std::max(entry.numberCount, 0), entry.numbers.size());
    int defaultItem = -1;
    for (size_t i = 0; i < numbers; ++i) {
        const TNumberItem& item = entry.numbers[i];
        if (item.isDefault && !item.number.empty() && defaultItem < 0) {
            defaultItem = static_cast<int>(i);
            continue;
        }
        if (item.number.empty()) continue;
        const int column = columnOfNumberType(item.type);
        row.cells.at(column) += text(item.number) + QLatin1Char('\r');
    }
    if (defaultItem >= 0) {
        const TNumberItem& item = entry.numbers[static_cast<size_t>(defaultItem)];
        row.setDefaultNumber(columnOfNumberType(item.type), text(item.number));
    }

    const size_t texts = std::min<size_t>(std::max(entry.textCount, 0), entry.texts.size());
    for (size_t i = 0; i < texts; ++i) {
        const TTextItem& item = entry.texts[i];
        if (item.text.empty()) continue;
        appendLine(row.cells.at(columnOfTextType(item.type)), text(item.text));
    }
    return row;
}

QString addressBookName(const QString& name) {
    QString normal = name;
    const int comma = normal.indexOf(QLatin1Char(','));
    if (comma < 0) {
        const int blank = normal.indexOf(QLatin1Char(' '));
        if (blank < 0) return normal + QStringLiteral(", ");
        return normal.insert(blank, QLatin1Char(','));
    }
    if (comma + 1 >= normal.size() || normal.at(comma + 1) != QLatin1Char(' ')) {
        normal.insert(comma + 1, QLatin1Char(' '));
    }
    return normal;
}

int32_t groupIndexForUpload(const QString& groupName, const PhonebookCalls& calls) {
    const std::string name = tools::toCp1252(groupName);
    const int32_t index = calls.groupIndex(name);
    // The library answers 0 for a name it does not know: only a real match counts.
    if (index < 0 || index > kNoGroup || calls.groups.groupName(index) != name) return kNoGroup;
    return index;
}

TPhoneBookEntry entryOfRow(const PhonebookRow& row, int location, const EntryOptions& options) {
    TPhoneBookEntry entry;
    entry.memory = options.memory;
    entry.location = location;
    entry.empty = row.isEmpty() ? 1 : 0;
    const QString name = row.value(colName);
    entry.name = tools::toCp1252(
        options.memory == memAddressBook && !name.isEmpty() ? addressBookName(name) : name);
    entry.group.groupIndex = options.groupIndex;
    entry.group.groupName = tools::toCp1252(row.value(colGroup));

    const auto addNumber = [&](const QString& number, int column, bool isDefault) {
        entry.numbers.push_back(
            {tools::toCp1252(number), numberTypeOfColumn(column), uint8_t(isDefault ? 1 : 0)});
    };
    const int bold = isNumberColumn(row.bold) ? row.bold : -1;
    if (bold >= 0) {
        const QStringList lines = numberLines(row.value(bold));
        if (!lines.isEmpty()) addNumber(lines.first(), bold, true);
    }
    for (int column = kFirstNumberColumn; column <= kLastNumberColumn; ++column) {
        QStringList lines = numberLines(row.value(column));
        if (column == bold && !lines.isEmpty()) lines.removeFirst();
        for (const QString& line : lines) addNumber(line, column, false);
    }
    entry.numberCount = static_cast<int32_t>(entry.numbers.size());

    const bool dropNote = options.twoTextsOnly && !row.value(colAddress).isEmpty() &&
                          !row.value(colEmail).isEmpty() && !row.value(colNote).isEmpty();
    for (int column = colEmail; column <= colUrl; ++column) {
        const QString value = row.value(column);
        if (value.isEmpty() || (column == colNote && dropNote)) continue;
        entry.texts.push_back({tools::toCp1252(value), textTypeOfColumn(column), 0});
    }
    entry.textCount = static_cast<int32_t>(entry.texts.size());
    return entry;
}

}  // namespace corvina
