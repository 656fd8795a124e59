#include "corvina/diverts/diverttexts.h"

#include <QDateTime>

#include "corvina/common/textexport.h"
#include "corvina/language/language.h"
#include "phonelib/api/status.h"

namespace corvina {

namespace {

using Action = DivertOutcome::Action;

QString divertName(const DivertKey& key) {
    return callClassName(key.callClass) + QLatin1Char(' ') + reasonName(key.reason);
}

QString failureList(const QList<DivertFailure>& failures) {
    QStringList lines;
    for (const DivertFailure& failure : failures) {
        lines << divertName(failure.divert) + QStringLiteral(" (") +
                     divertStatusText(failure.status) + QLatin1Char(')');
    }
    return lines.join(QLatin1Char('\n'));
}

QString heldList(const QList<DivertKey>& keys, const DivertGrid& grid) {
    QStringList lines;
    for (const DivertKey& key : keys) {
        lines << divertName(key) + QStringLiteral(": ") +
                     cellText(grid.cell(key.callClass, key.reason));
    }
    return lines.join(QLatin1Char('\n'));
}

QString queryDoneText(int callClass) {
    switch (callClass) {
        case 0:
            return tx("umleitung_5", "Umleitungen für Sprache abgefragt.");
        case 1:
            return tx("umleitung_7", "Umleitungen für Daten abgefragt.");
        case 2:
            return tx("umleitung_9", "Umleitungen für Fax abgefragt.");
        default:
            return tx("umleitung3_1", "Alle Umleitungen abgefragt.");
    }
}

DivertMessages queryMessages(const DivertOutcome& outcome) {
    DivertMessages m;
    m.statusLine = queryDoneText(outcome.callClass);
    if (outcome.failures.isEmpty()) return m;
    m.statusLine += QLatin1Char(' ') + tx("umleitung3_2", "Nicht gelesen:") + QLatin1Char(' ') +
                    failureList(outcome.failures).replace(QLatin1Char('\n'), QStringLiteral("; "));
    return m;
}

DivertMessages allOffMessages(const DivertOutcome& outcome, const DivertGrid& grid) {
    DivertMessages m;
    if (outcome.succeeded()) {
        m.statusLine = tx("umleitung3_3", "Alle Umleitungen sind ausgeschaltet.");
        return m;
    }
    m.statusLine = tx("umleitung3_4", "Nicht alle Umleitungen konnten ausgeschaltet werden.");
    m.boxTitle = tx("umleitung_14", "Hinweis");
    m.warning = true;
    QStringList parts;
    if (!outcome.failures.isEmpty()) {
        parts << tx("umleitung3_5", "Nicht ausgeschaltet:") + QLatin1Char('\n') +
                     failureList(outcome.failures);
    }
    if (!outcome.notKept.isEmpty()) {
        parts << tx("umleitung3_6", "Das Netz hält weiterhin:") + QLatin1Char('\n') +
                     heldList(outcome.notKept, grid);
    }
    m.boxText = parts.join(QStringLiteral("\n\n"));
    return m;
}

}  // namespace

QString callClassName(int callClass) {
    switch (callClass) {
        case 0:
            return tx("umleitung3_7", "Sprache");
        case 1:
            return tx("umleitung3_8", "Daten");
        default:
            return tx("umleitung3_9", "Fax");
    }
}

QString reasonName(int reason) {
    switch (reason) {
        case 0:
            return tx("umleitung3_10", "..., jeden Anruf");
        case 1:
            return tx("umleitung3_11", "..., wenn besetzt");
        case 2:
            return tx("umleitung3_12", "..., wenn nicht erreichbar");
        default:
            return tx("umleitung3_13", "..., wenn keine Anrufannahme");
    }
}

QString notActiveText() {
    return tx("umleitung3_14", "nicht aktiviert");
}

QString unknownDivertText() {
    return tx("umleitung3_15", "unbekannt");
}

QString delayText(int32_t seconds) {
    return QString::number(seconds) + tx("umleitung_4", " Sekunden");
}

QString cellText(const DivertCell& cell) {
    switch (cell.state) {
        case DivertState::Active:
            return cell.number;
        case DivertState::Inactive:
            return notActiveText();
        case DivertState::Unknown:
            break;
    }
    return unknownDivertText();
}

QString divertStatusText(uint8_t status) {
    switch (status) {
        case phonelib::stDivertRefused:
            return tx("umleitung3_16", "vom Netz abgelehnt");
        case phonelib::stNoAnswer:
            return tx("umleitung3_17", "keine Antwort");
        case phonelib::stNotConnected:
            return tx("umleitung3_18", "kein Handy verbunden");
        case phonelib::stNotAvailable:
            return tx("umleitung3_19", "vom Handy nicht angeboten");
        case 10:  // the AT driver: the number is not usable
            return tx("umleitung3_20", "Rufnummer nicht verwendbar");
        case phonelib::stTooLong:
            return tx("umleitung3_21", "Rufnummer zu lang");
        default:
            return tx("umleitung3_22", "Fehler ") + QString::number(status);
    }
}

DivertMessages divertMessages(const DivertOutcome& outcome, const DivertGrid& grid) {
    if (outcome.action == Action::Query) return queryMessages(outcome);
    if (outcome.action == Action::AllOff) return allOffMessages(outcome, grid);
    const bool set = outcome.action == Action::Set;
    DivertMessages m;
    m.boxTitle = tx("umleitung_14", "Hinweis");
    if (!outcome.failures.isEmpty()) {
        const DivertFailure& failure = outcome.failures.first();
        m.warning = true;
        m.boxText = (set ? tx("umleitung_16", "Umleitung konnte nicht gesetzt werden!")
                         : tx("umleitung_24", "Umleitung konnte nicht geändert werden!")) +
                    QLatin1Char('\n') + divertStatusText(failure.status);
        m.statusLine = tx("umleitung_18", "Umleitung konnte nicht geändert werden.") +
                       QStringLiteral(" (") + divertStatusText(failure.status) + QLatin1Char(')');
        return m;
    }
    if (!outcome.notKept.isEmpty()) {
        m.warning = true;
        m.boxText = tx("umleitung3_23",
                       "Das Telefon hat die Umleitung bestätigt, aber das Netz hält sie nicht "
                       "so, wie sie gesetzt wurde. Das Netz hält jetzt:") +
                    QLatin1Char('\n') + heldList(outcome.notKept, grid);
        m.statusLine = tx("umleitung3_24", "Umleitung wurde vom Netz nicht übernommen.");
        return m;
    }
    m.boxText = set ? tx("umleitung_13", "Umleitung wurde erfolgreich gesetzt!")
                    : tx("umleitung_21", "Umleitung wurde erfolgreich geändert!!");
    m.statusLine = tx("umleitung_15", "Umleitung wurde geändert.");
    if (!outcome.unconfirmed.isEmpty()) {
        m.statusLine +=
            QLatin1Char(' ') + tx("umleitung3_25", "Das Zurücklesen vom Netz ist fehlgeschlagen.");
    }
    return m;
}

QStringList divertListLines(const QString& phone, const DivertGrid& grid) {
    QList<QStringList> table;
    QStringList header = {tx("umleitung3_26", "Umleiten...")};
    for (int callClass = 0; callClass < kCallClasses; ++callClass) {
        header << callClassName(callClass);
    }
    table << header;
    for (int reason = 0; reason < kReasons; ++reason) {
        QStringList row = {reasonName(reason)};
        for (int callClass = 0; callClass < kCallClasses; ++callClass) {
            row << cellText(grid.cell(callClass, reason));
        }
        table << row;
    }
    QStringList delays = {tx("umleitung3_27", "nach")};
    for (int callClass = 0; callClass < kCallClasses; ++callClass) {
        const bool active = grid.cell(callClass, kNoReply).state == DivertState::Active;
        delays << (active ? delayText(grid.delay(callClass)) : QString());
    }
    table << delays;
    return QStringList{
               tx("umleitung3_28", "Rufumleitungen von ") + phone + QStringLiteral(", ") +
                   QDateTime::currentDateTime().toString(QStringLiteral("dd.MM.yyyy HH:mm")),
               QString()} +
           alignedColumns(table);
}

}  // namespace corvina
