#include "corvina/connection/tverbindungshilfe.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "corvina/language/language.h"
#include "corvina/language/languageapply.h"

namespace corvina {

namespace {

QString userName() {
    const QString user = qEnvironmentVariable("USER");
    return user.isEmpty() ? QStringLiteral("$USER") : user;
}

QString portsHtml(const std::vector<SerialPortFact>& ports) {
    if (ports.empty()) {
        return QStringLiteral("<p>") + tx("verbindungshilfe_40", "keine").toHtmlEscaped() +
               QStringLiteral("</p>");
    }
    QString html = QStringLiteral("<table cellpadding='3'>");
    for (const SerialPortFact& port : ports) {
        html += QStringLiteral("<tr><td><b>") + port.device.toHtmlEscaped() +
                QStringLiteral("</b></td><td>") + port.description.toHtmlEscaped() +
                QStringLiteral("</td><td>") +
                (port.mayOpen
                     ? tx("verbindungshilfe_41", "Zugriff erlaubt")
                     : QStringLiteral("<span style='color:#b00000'>") +
                           tx("verbindungshilfe_42", "kein Zugriff") + QStringLiteral("</span>")) +
                QStringLiteral("</td></tr>");
    }
    return html + QStringLiteral("</table>");
}

QString attemptsHtml(const std::vector<SearchAttempt>& attempts) {
    if (attempts.empty()) {
        return QStringLiteral("<p>") +
               tx("verbindungshilfe_43", "Noch kein Suchlauf.").toHtmlEscaped() +
               QStringLiteral("</p>");
    }
    QString html = QStringLiteral("<table cellpadding='3'>");
    for (const SearchAttempt& attempt : attempts) {
        html += QStringLiteral("<tr><td><b>") +
                (attempt.port.isEmpty() ? QStringLiteral("IrDA") : attempt.port).toHtmlEscaped() +
                QStringLiteral("</b></td><td>") + connectionKindName(attempt.kind).toHtmlEscaped() +
                QStringLiteral("</td><td>") + attemptOutcomeText(attempt.outcome).toHtmlEscaped() +
                QStringLiteral("</td><td>") + attempt.when.toString(QStringLiteral("hh:mm:ss")) +
                QStringLiteral("</td></tr>");
    }
    return html + QStringLiteral("</table>");
}

QString adviceHtml(const std::vector<ConnectionAdvice>& advice) {
    QString html;
    for (const ConnectionAdvice& item : advice) {
        html += QStringLiteral("<p><b>") + item.problem.toHtmlEscaped() +
                QStringLiteral("</b><br>") + item.remedy.toHtmlEscaped() + QStringLiteral("</p>");
        if (!item.command.isEmpty()) {
            html += QStringLiteral("<pre style='background:#eeeeee'>  ") +
                    item.command.toHtmlEscaped() + QStringLiteral("</pre>");
        }
    }
    return html;
}

}  // namespace

Tverbindungshilfe::Tverbindungshilfe(const SearchRecord& record, QWidget* parent)
    : QWidget(parent, Qt::Window), record_(record), listPorts_(&systemSerialPorts) {
    setObjectName(QStringLiteral("Tverbindungshilfe"));
    setWindowTitle(QStringLiteral("Verbindungshilfe"));
    resize(640, 520);
    auto* layout = new QVBoxLayout(this);
    page_ = new QTextBrowser(this);
    page_->setObjectName(QStringLiteral("befund"));
    layout->addWidget(page_, 1);
    auto* buttons = new QHBoxLayout;
    auto* again = named(new QPushButton(QStringLiteral("Erneut suchen"), this), "erneutsuchen");
    auto* settings = named(new QPushButton(QStringLiteral("Einstellungen"), this), "einstellungen");
    auto* help = named(new QPushButton(QStringLiteral("Hilfe zur Verbindung"), this), "hilfe");
    auto* close = named(new QPushButton(QStringLiteral("Schließen"), this), "schliessen");
    for (QPushButton* button : {again, settings, help}) buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(close);
    layout->addLayout(buttons);
    connect(again, &QPushButton::clicked, this, &Tverbindungshilfe::searchAgainRequested);
    connect(settings, &QPushButton::clicked, this, &Tverbindungshilfe::settingsRequested);
    connect(help, &QPushButton::clicked, this, &Tverbindungshilfe::helpRequested);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
}

void Tverbindungshilfe::showFacts() {
    refresh();
    show();
    raise();
    activateWindow();
}

void Tverbindungshilfe::refresh() {
    const std::vector<SerialPortFact> ports = listPorts_();
    advice_ = diagnoseConnection(ports, record_.attempts(), userName());
    auto heading = [](const QString& text) {
        return QStringLiteral("<h3>") + text.toHtmlEscaped() + QStringLiteral("</h3>");
    };
    page_->setHtml(heading(tx("verbindungshilfe_44", "Serielle Schnittstellen")) +
                   portsHtml(ports) + heading(tx("verbindungshilfe_45", "Letzter Suchlauf")) +
                   attemptsHtml(record_.attempts()) +
                   heading(tx("verbindungshilfe_46", "Was zu tun ist")) + adviceHtml(advice_));
}

}  // namespace corvina
