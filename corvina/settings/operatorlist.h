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
// The table file the library reads.
QString operatorTablePath();

// The row of the table for a new operator: code, name, country, net.
QByteArray operatorTableLine(const QString& name, int country, int net);
// Appends the row to the table file (through a temporary file); false when
// the file cannot be written.
bool appendOperator(const QString& path, const QString& name, int country, int net);

}  // namespace corvina
