// The operator list of the settings dialog, from the operator table
// "netcode.csv", and the adding of an operator to that table.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace corvina {

struct OperatorEntry {
    QString code;  // "26201"
    QString name;
    QString country;  // "262"
    QString net;      // "1"
    QString shown() const { return code + QStringLiteral(" - ") + name; }
};

// The rows after the header of the table file; empty when there is none.
std::vector<OperatorEntry> readOperatorList(const QString& path);
// The table file the library reads: the user's copy once there is one,
// else the shipped table. Empty when there is neither.
QString operatorTablePath();
// Where the user's copy of the table lives (the installed table is never
// written).
QString userOperatorTablePath();

// The row of the table for a new operator: code, name, country, net.
QByteArray operatorTableLine(const QString& name, int country, int net);
// Writes the table `from` with the row appended to `to` (through a
// temporary file, creating its folder). An empty `from` starts a table with
// only its header. False when `from` cannot be read or `to` not written.
bool appendOperator(const QString& from, const QString& to, const QString& name, int country,
                    int net);

}  // namespace corvina
