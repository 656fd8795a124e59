#include "corvina/info/tinfoform.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "corvina/common/savetextdialog.h"
#include "corvina/connection/connectioncontrol.h"
#include "corvina/language/language.h"
#include "corvina/language/languageapply.h"
#include "corvina/shell/messagebox.h"
#include "corvina/shell/moduleregistry.h"
#include "corvina/shell/tgesamtform.h"

namespace corvina {

namespace {

QLabel* field(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setMinimumWidth(180);
    markDynamic(label);
    return label;
}

QLabel* caption(QWidget* parent, const char* name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

QProgressBar* gauge(QWidget* parent, const char* name) {
    auto* bar = new QProgressBar(parent);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setRange(0, 100);
    bar->setValue(0);
    return bar;
}

}  // namespace

Tinfoform::Tinfoform(Tgesamtform& shell, PhoneQueries queries)
    : QWidget(&shell, Qt::Window), shell_(shell), information_(std::move(queries)) {
    setObjectName(QStringLiteral("Tinfoform"));
    setWindowTitle(QStringLiteral("Informationen"));
    auto* layout = new QVBoxLayout(this);

    auto* phone = new QGroupBox(QStringLiteral("Mobiltelefon"), this);
    phone->setObjectName(QStringLiteral("telefongruppe"));
    auto* phoneForm = new QFormLayout(phone);
    model_ = field(phone, "model");
    imei_ = field(phone, "imei");
    production_ = field(phone, "production");
    softversion_ = field(phone, "softversion");
    hardversion_ = field(phone, "hardversion");
    phoneForm->addRow(caption(phone, "modellabel", QStringLiteral("Model:")), model_);
    phoneForm->addRow(caption(phone, "imeilabel", QStringLiteral("IMEI:")), imei_);
    phoneForm->addRow(caption(phone, "productionlabel", QStringLiteral("Produktion:")),
                      production_);
    phoneForm->addRow(caption(phone, "softlabel", QStringLiteral("Software-Version:")),
                      softversion_);
    phoneForm->addRow(caption(phone, "hardlabel", QStringLiteral("Hardware-Version:")),
                      hardversion_);
    layout->addWidget(phone);

    auto* network = new QGroupBox(QStringLiteral("Netz"), this);
    network->setObjectName(QStringLiteral("netzgruppe"));
    auto* networkForm = new QFormLayout(network);
    providername_ = field(network, "providername");
    lac_ = field(network, "lac");
    cellid_ = field(network, "cellid");
    networkForm->addRow(caption(network, "operatorlabel", QStringLiteral("Operator:")),
                        providername_);
    networkForm->addRow(caption(network, "laclabel", QStringLiteral("LAC:")), lac_);
    networkForm->addRow(caption(network, "cellidlabel", QStringLiteral("Cell-ID:")), cellid_);
    level_ = gauge(network, "level");
    battery_ = gauge(network, "battery");
    networkForm->addRow(caption(network, "levellabel", QStringLiteral("Signal:")), level_);
    networkForm->addRow(caption(network, "batterylabel", QStringLiteral("Akku:")), battery_);
    layout->addWidget(network);

    auto* buttons = new QHBoxLayout;
    auto* save = new QPushButton(QStringLiteral("Speichern"), this);
    save->setObjectName(QStringLiteral("speichern"));
    auto* close = new QPushButton(QStringLiteral("Schließen"), this);
    close->setObjectName(QStringLiteral("schliessen"));
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    connect(save, &QPushButton::clicked, this, [this] { SpeichernClick(); });
    connect(close, &QPushButton::clicked, this, [this] { SchliessenClick(); });

    showFields(information_.fields());
}

void Tinfoform::UpdatePhoneStatus() {
    if (!isVisible()) return;
    if (information_.refresh()) showFields(information_.fields());
}

void Tinfoform::showFields(const PhoneInformationFields& f) {
    model_->setText(f.model);
    imei_->setText(f.imei);
    production_->setText(f.production);
    softversion_->setText(f.softwareVersion);
    hardversion_->setText(f.hardwareVersion);
    providername_->setText(f.operatorName);
    lac_->setText(f.areaCode);
    cellid_->setText(f.cellId);
    level_->setValue(f.signalPercent);
    battery_->setValue(f.batteryPercent);
}

bool Tinfoform::saveTo(const QString& path) {
    if (!saveInformationFile(path, information_.fields())) {
        showMessage(this, QMessageBox::Critical, tx("info_2", "Fehler"),
                    tx("info_1", "Datei konnte nicht erstellt werden!"));
        return false;
    }
    shell_.setStatusText(
        Tgesamtform::StatusField::Middle,
        tx("info_6", "Informationen wurden in ") + path + tx("info_7", " gespeichert!"));
    return true;
}

void Tinfoform::SpeichernClick() {
    chooseTextFileToSave(this, [this](const QString& path) { saveTo(path); });
}

void Tinfoform::SchliessenClick() {
    hide();
    // The left field keeps the connection state; only the message goes.
    shell_.setStatusText(Tgesamtform::StatusField::Middle, QString());
    emit closed();
}

void registerInformationModule(ModuleRegistry& registry) {
    ModuleDescriptor descriptor;
    descriptor.module = Module::Information;
    descriptor.placedInClientArea = false;
    descriptor.helpPage = QStringLiteral("info");
    descriptor.create = [](Tgesamtform& shell) -> QWidget* {
        auto* window = new Tinfoform(shell);
        QObject::connect(&shell.connection(), &ConnectionControl::phoneStatusCycle, window,
                         [window] { window->UpdatePhoneStatus(); });
        QObject::connect(window, &Tinfoform::closed, &shell,
                         [&shell] { shell.moduleClosed(Module::Information); });
        return window;
    };
    registry.add(std::move(descriptor));
}

}  // namespace corvina
