#include "corvina/common/textexport.h"

#include <QSaveFile>
#include <algorithm>

namespace corvina {

QStringList alignedColumns(const QList<QStringList>& rows) {
    QList<qsizetype> widths;
    for (const QStringList& row : rows) {
        for (qsizetype i = 0; i < row.size(); ++i) {
            if (widths.size() <= i) widths.append(0);
            widths[i] = std::max(widths[i], row[i].size());
        }
    }
    QStringList lines;
    for (const QStringList& row : rows) {
        QString line;
        for (qsizetype i = 0; i < row.size(); ++i) {
            line += i + 1 < row.size() ? row[i].leftJustified(widths[i] + 2) : row[i];
        }
        while (line.endsWith(QLatin1Char(' '))) line.chop(1);
        lines << line;
    }
    return lines;
}

bool writeTextFile(const QString& path, const QStringList& lines, QString* error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    for (const QString& line : lines) file.write((line + QLatin1Char('\n')).toUtf8());
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

}  // namespace corvina
