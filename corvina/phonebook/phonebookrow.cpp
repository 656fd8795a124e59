#include "corvina/phonebook/phonebookrow.h"

#include <QRegularExpression>

#include "records/typendefinitionen.h"

namespace corvina {

namespace {

constexpr std::array<int32_t, kNumberColumns> kNumberTypes = {ntGeneral, ntMobile, ntHome, ntWork,
                                                              ntFax};
constexpr std::array<int32_t, 5> kTextTypes = {ttEmail, ttPostal, ttNote, ttCompany, ttUrl};

}  // namespace

bool isNumberColumn(int column) {
    return column >= kFirstNumberColumn && column <= kLastNumberColumn;
}

int32_t numberTypeOfColumn(int column) {
    return isNumberColumn(column) ? kNumberTypes[column - kFirstNumberColumn] : ntGeneral;
}

int columnOfNumberType(int32_t type) {
    for (int i = 0; i < kNumberColumns; ++i) {
        if (kNumberTypes[i] == type) return kFirstNumberColumn + i;
    }
    return colGeneral;
}

int32_t textTypeOfColumn(int column) {
    return column >= colEmail && column <= colUrl ? kTextTypes[column - colEmail] : ttNote;
}

int columnOfTextType(int32_t type) {
    for (int i = 0; i < static_cast<int>(kTextTypes.size()); ++i) {
        if (kTextTypes[i] == type) return colEmail + i;
    }
    return colNote;
}

QStringList numberLines(const QString& cell) {
    static const QRegularExpression kLineEnd(QStringLiteral("[\r\n]"));
    QStringList lines = cell.split(kLineEnd, Qt::SkipEmptyParts);
    lines.removeIf([](const QString& line) { return line.trimmed().isEmpty(); });
    return lines;
}

QString numberCell(const QStringList& numbers) {
    QString cell;
    for (const QString& number : numbers) {
        if (!number.trimmed().isEmpty()) cell += number + QLatin1Char('\r');
    }
    return cell;
}

QStringList textLines(const QString& cell) {
    static const QRegularExpression kLineEnd(QStringLiteral("\r\n|\r|\n"));
    return cell.isEmpty() ? QStringList{} : cell.split(kLineEnd);
}

QString notAvailableText() {
    return QStringLiteral("n.a.");
}

QString PhonebookRow::value(int column) const {
    return isNotAvailable(column) ? QString() : cells.at(column);
}

void PhonebookRow::setField(int column, const QString& text) {
    const uint16_t bit = uint16_t(1u << column);
    if (text == QLatin1String("-")) {
        cells.at(column) = notAvailableText();
        notAvailable |= bit;
        if (bold == column) bold = -1;
    } else {
        cells.at(column) = text;
        notAvailable &= uint16_t(~bit);
    }
}

bool PhonebookRow::isEmpty() const {
    for (int column = colName; column < kPhonebookColumns; ++column) {
        if (column == colGroup) continue;
        if (!value(column).trimmed().isEmpty()) return false;
    }
    return true;
}

std::optional<int> PhonebookRow::location() const {
    bool ok = false;
    const int location = cells[colLocation].trimmed().toInt(&ok);
    if (!ok) return std::nullopt;
    return location;
}

void PhonebookRow::setLocation(int location) {
    cells[colLocation] = QString::number(location);
}

void PhonebookRow::clearContent() {
    for (int column = colName; column < kPhonebookColumns; ++column) cells.at(column).clear();
    bold = -1;
    notAvailable &= 1u;
}

void PhonebookRow::copyContentFrom(const PhonebookRow& source) {
    for (int column = colName; column < kPhonebookColumns; ++column) {
        cells.at(column) = source.cells.at(column);
    }
    bold = source.bold;
    notAvailable = uint16_t((notAvailable & 1u) | (source.notAvailable & ~1u));
}

void PhonebookRow::setDefaultNumber(int column, const QString& number) {
    if (!isNumberColumn(column) || number.trimmed().isEmpty()) return;
    QStringList lines = numberLines(value(column));
    lines.prepend(number);
    cells.at(column) = numberCell(lines);
    notAvailable &= uint16_t(~(1u << column));
    bold = column;
}

}  // namespace corvina
