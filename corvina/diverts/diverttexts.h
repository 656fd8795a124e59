// How the divert window names diverts, their states and what an action came
// to (status line and message box), and the diverts as a text file.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>

#include "corvina/diverts/divertbook.h"

namespace corvina {

QString callClassName(int callClass);  // "Sprache", "Daten", "Fax"
QString reasonName(int reason);        // "..., jeden Anruf" ...
QString notActiveText();               // "nicht aktiviert"
QString unknownDivertText();           // "unbekannt"
QString delayText(int32_t seconds);    // "20 Sekunden"
QString cellText(const DivertCell& cell);
// Why a call failed, in words ("vom Netz abgelehnt", "keine Antwort", ...).
QString divertStatusText(uint8_t status);

struct DivertMessages {
    QString statusLine;
    QString boxTitle;  // no box when empty
    QString boxText;
    bool warning = false;
};

// The grid gives what the network holds where it differs from a write.
DivertMessages divertMessages(const DivertOutcome& outcome, const DivertGrid& grid);

// The diverts as text: a heading line with the phone, then the grid.
QStringList divertListLines(const QString& phone, const DivertGrid& grid);

}  // namespace corvina
