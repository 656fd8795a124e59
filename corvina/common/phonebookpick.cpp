#include "corvina/common/phonebookpick.h"

#include <QDir>
#include <QFile>
#include <QStringList>

#include "codecs/tools/cp1252.h"
#include "codecs/tools/phonenumbers.h"
#include "corvina/language/language.h"

namespace corvina {

namespace {

constexpr qint64 kFileLimit = 16 * 1024 * 1024;
constexpr int kGeneralNumber = 3;  // table file column of the general numbers

// The cells of a table file line: "a","b",…,
QStringList tableCells(QString line) {
    if (line.startsWith(QLatin1Char('"'))) line.remove(0, 1);
    if (line.endsWith(QStringLiteral("\","))) line.chop(2);
    return line.split(QStringLiteral("\",\""));
}

// The fields of a CSV line: quoted and comma-separated, or semicolons.
QStringList csvFields(const QString& line) {
    if (line.count(QLatin1Char(',')) > 3) return tableCells(line);
    QStringList fields = line.split(QLatin1Char(';'));
    for (QString& field : fields) {
        field = field.trimmed();
        if (field.startsWith(QLatin1Char('"')) && field.endsWith(QLatin1Char('"')) &&
            field.size() > 1)
            field = field.mid(1, field.size() - 2);
    }
    return fields;
}

// The first line of a number cell, without the default mark, when it is a
// number the phone can dial.
QString usableNumber(QString cell) {
    cell = cell.section(QLatin1Char('|'), 0, 0).section(QLatin1Char('\r'), 0, 0).trimmed();
    if (cell.endsWith(QLatin1Char('!'))) cell.chop(1);
    std::string number = tools::toCp1252(cell);
    if (number.empty() || tools::formatnumber(number) < 0) return {};
    return cell;
}

}  // namespace

PickRead readPickEntries(const QString& path) {
    PickRead read;
    QFile file(path);
    const QString shown = QDir::toNativeSeparators(path);
    if (!file.open(QIODevice::ReadOnly)) {
        read.error = QStringLiteral("%1: %2").arg(shown, file.errorString());
        return read;
    }
    if (file.size() > kFileLimit) {
        read.error = tx("pick_1", "%1: die Datei ist zu groß.").arg(shown);
        return read;
    }
    const QByteArray bytes = file.readAll();
    const bool table = !path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive);
    const QList<QByteArray> lines = bytes.split('\n');
    int usedLines = 0;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString line = tools::fromCp1252(
            std::string_view(lines[i].constData(), static_cast<size_t>(lines[i].size())));
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
        if (line.trimmed().isEmpty()) continue;
        ++usedLines;
        const QStringList cells = table ? tableCells(line) : csvFields(line);
        const int numberColumn = table || line.count(QLatin1Char(',')) > 3 ? kGeneralNumber : 2;
        bool located = false;
        const int location = cells.value(0).trimmed().toInt(&located);
        if (!located || location < 1) continue;  // the header
        const QString number = usableNumber(cells.value(numberColumn));
        if (number.isEmpty()) continue;
        read.entries.push_back({QString::number(location), cells.value(1), number});
    }
    if (usedLines == 0) read.error = tx("pick_2", "%1: die Datei ist leer.").arg(shown);
    return read;
}

}  // namespace corvina
