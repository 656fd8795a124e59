#include "corvina/connection/tassi.h"

#include <QPushButton>
#include <QVBoxLayout>

#include "corvina/language/language.h"
#include "corvina/language/languageapply.h"

namespace corvina {

namespace {

QPushButton* choiceButton(QWidget* parent, const char* name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setMinimumHeight(32);
    return button;
}

}  // namespace

Tassi::Tassi(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Tassi"));
    setWindowTitle(QStringLiteral("Verbindungsassistent"));
    setWindowModality(Qt::ApplicationModal);
    auto* layout = new QVBoxLayout(this);
    explanation_ = new QLabel(this);
    explanation_->setObjectName(QStringLiteral("erklaerung"));
    markDynamic(explanation_);
    explanation_->setWordWrap(true);
    explanation_->setMinimumWidth(460);
    layout->addWidget(explanation_);
    auto* automatic = choiceButton(
        this, "automatischesuche",
        QStringLiteral("Automatische Suche (Empfohlen bei allen Modellen außer S45,ME45,C45)"));
    auto* manual = choiceButton(this, "manuell", QStringLiteral("Einstellungen manuell ändern"));
    auto* cancel = choiceButton(this, "abbrechen", QStringLiteral("Abbrechen"));
    layout->addWidget(automatic);
    layout->addWidget(manual);
    connectionHelp_ = choiceButton(
        this, "verbindungshilfe", QStringLiteral("Verbindungshilfe: warum wurde nichts gefunden?"));
    layout->addWidget(connectionHelp_);
    layout->addWidget(cancel);
    connect(automatic, &QPushButton::clicked, this, [this] { choose(Choice::AutomaticSearch); });
    connect(manual, &QPushButton::clicked, this, [this] { choose(Choice::ManualSettings); });
    connect(cancel, &QPushButton::clicked, this, [this] { choose(Choice::Cancel); });
    connect(connectionHelp_, &QPushButton::clicked, this,
            [this] { choose(Choice::ConnectionHelp); });
}

void Tassi::ask(Occasion occasion) {
    explanation_->setText(
        occasion == Occasion::FirstStart
            ? tx("assi_1",
                 "Willkommen bei Corvina!\nVerbinden Sie Ihr Mobiltelefon über das Datenkabel "
                 "mit dem Computer. Corvina kann die Schnittstelle und die Verbindungsart selbst "
                 "suchen.")
            : tx("assi_2",
                 "ES KONNTE KEIN HANDY MIT DER AKTUELLEN KONFIGURATION\nGEFUNDEN WERDEN.\n"
                 "Prüfen Sie, ob das Mobiltelefon eingeschaltet und das Datenkabel "
                 "angeschlossen ist."));
    connectionHelp_->setVisible(occasion == Occasion::NoPhoneFound);
    adjustSize();
    open();
}

void Tassi::choose(Choice choice) {
    hide();
    setResult(QDialog::Accepted);
    emit chosen(choice);
}

void Tassi::reject() {
    choose(Choice::Cancel);
}

}  // namespace corvina
