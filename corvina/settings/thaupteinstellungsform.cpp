#include "corvina/settings/thaupteinstellungsform.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSerialPortInfo>
#include <QVBoxLayout>

#include "corvina/language/language.h"
#include "corvina/language/languageapply.h"
#include "corvina/language/languagefiles.h"
#include "corvina/settings/operatorlist.h"
#include "corvina/settings/settingsrules.h"
#include "corvina/settings/tipstate.h"
#include "corvina/settings/toperatorform.h"
#include "corvina/shell/messagebox.h"

namespace corvina {

namespace {

QStringList systemPorts() {
    QStringList names;
    for (const auto& info : QSerialPortInfo::availablePorts()) names << info.systemLocation();
    return names;
}

const QString kLanguageExtension = QStringLiteral(".lng");

}  // namespace

Thaupteinstellungsform::Thaupteinstellungsform(QWidget* parent)
    : QDialog(parent), listPorts_(&systemPorts) {
    setObjectName(QStringLiteral("Thaupteinstellungsform"));
    setWindowTitle(QStringLiteral("Einstellungen"));
    setWindowModality(Qt::ApplicationModal);
    auto* layout = new QVBoxLayout(this);
    pages_ = new QTabWidget(this);
    pages_->addTab(buildConnectionPage(), QStringLiteral("Verbindung"));
    pages_->addTab(buildMessagesPage(), QStringLiteral("SMS"));
    pages_->addTab(buildOperatorPage(), QStringLiteral("Betreiber"));
    pages_->addTab(buildFoldersPage(), QStringLiteral("Verzeichnisse"));
    pages_->addTab(buildGeneralPage(), QStringLiteral("Allgemein"));
    dataRatePage_ = buildDataRatePage();
    pages_->addTab(dataRatePage_, QStringLiteral("Datenrate"));
    layout->addWidget(pages_);

    auto* buttons = new QDialogButtonBox(this);
    auto* ok = buttons->addButton(QStringLiteral("&Ok"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("okbutton"));
    ok->setDefault(true);
    auto* cancel = buttons->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("abbrechenbutton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

QWidget* Thaupteinstellungsform::buildConnectionPage() {
    auto* page = named(new QWidget, "verbindungsseite");
    auto* layout = new QVBoxLayout(page);
    auto* group = named(new QGroupBox(QStringLiteral("Verbindung"), page), "verbindungsgruppe");
    connectionGroup_ = group;
    auto* groupLayout = new QVBoxLayout(group);
    cable_ = named(new QRadioButton(QStringLiteral("FBUS/Siemens-Datenkabel"), group), "kabel");
    dlr3_ = named(new QRadioButton(QStringLiteral("DLR-3 Datenkabel"), group), "dlr3kabel");
    infrared_ = named(new QRadioButton(QStringLiteral("Infrarot"), group), "infrarot");
    groupLayout->addWidget(cable_);
    groupLayout->addWidget(dlr3_);
    groupLayout->addWidget(infrared_);
    layout->addWidget(group);

    auto* portRow = new QFormLayout;
    ports_ = new QComboBox(page);
    ports_->setEditable(true);
    ports_->setMinimumWidth(260);
    ports_->setToolTip(
        QStringLiteral("Gerätename der seriellen Schnittstelle, z. B. /dev/ttyUSB0"));
    named(ports_, "portliste");
    portRow->addRow(named(new QLabel(QStringLiteral("Schnittstelle:"), page), "portlabel"), ports_);
    layout->addLayout(portRow);
    layout->addStretch();

    connect(infrared_, &QRadioButton::toggled, ports_,
            [this](bool on) { ports_->setEnabled(!on); });
    connect(dlr3_, &QRadioButton::toggled, this, [this](bool on) {
        if (on && !loading_ && ports_->count() > 0) ports_->setCurrentIndex(0);
    });
    return page;
}

QWidget* Thaupteinstellungsform::buildMessagesPage() {
    auto* page = named(new QWidget, "smsseite");
    auto* layout = new QVBoxLayout(page);
    auto* form = new QFormLayout;
    smsCentre_ = new QLineEdit(page);
    smsCentre_->setPlaceholderText(QStringLiteral("+49..."));
    form->addRow(named(new QLabel(QStringLiteral("SMS-Zentrale:"), page), "zentralelabel"),
                 smsCentre_);
    layout->addLayout(form);
    auto* group = named(new QGroupBox(QStringLiteral("Größe der Bildnachrichten"), page),
                        "bildgroessegruppe");
    auto* groupLayout = new QVBoxLayout(group);
    largePicture_ = named(new QRadioButton(QStringLiteral("groß (72 x 28)"), group), "gross");
    smallPicture_ = named(new QRadioButton(QStringLiteral("klein (72 x 14)"), group), "klein");
    groupLayout->addWidget(largePicture_);
    groupLayout->addWidget(smallPicture_);
    layout->addWidget(group);
    layout->addStretch();
    return page;
}

QWidget* Thaupteinstellungsform::buildOperatorPage() {
    auto* page = named(new QWidget, "betreiberseite");
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(
        named(new QLabel(QStringLiteral("Standard-Betreiber für Logos:"), page), "betreiberlabel"));
    auto* row = new QHBoxLayout;
    operators_ = new QComboBox(page);
    operators_->setMinimumWidth(260);
    auto* add = named(new QPushButton(QStringLiteral("Hinzufügen..."), page), "hinzufuegen");
    connect(add, &QPushButton::clicked, this, [this] {
        auto* dialog = new Toperatorform(this);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        applyLanguage(dialog);
        dialog->open();
    });
    row->addWidget(operators_, 1);
    row->addWidget(add);
    layout->addLayout(row);
    layout->addStretch();
    return page;
}

QWidget* Thaupteinstellungsform::buildFoldersPage() {
    auto* page = named(new QWidget, "verzeichnisseite");
    auto* form = new QFormLayout(page);
    auto folderRow = [this, page](QLineEdit*& field, const char* buttonName) {
        auto* row = new QHBoxLayout;
        field = new QLineEdit(page);
        auto* choose = named(new QPushButton(QStringLiteral("..."), page), buttonName);
        QLineEdit* target = field;
        connect(choose, &QPushButton::clicked, this, [this, target] { chooseFolder(target); });
        row->addWidget(field, 1);
        row->addWidget(choose);
        return row;
    };
    form->addRow(named(new QLabel(QStringLiteral("Logo-Verzeichnis:"), page), "logolabel"),
                 folderRow(logoFolder_, "logowahl"));
    form->addRow(
        named(new QLabel(QStringLiteral("Telefonbuch-Verzeichnis:"), page), "telefonbuchlabel"),
        folderRow(phonebookFolder_, "telefonbuchwahl"));
    return page;
}

QWidget* Thaupteinstellungsform::buildGeneralPage() {
    auto* page = named(new QWidget, "allgemeinseite");
    auto* layout = new QVBoxLayout(page);
    auto* form = new QFormLayout;
    languages_ = new QComboBox(page);
    form->addRow(named(new QLabel(QStringLiteral("Sprache:"), page), "sprachelabel"), languages_);
    layout->addLayout(form);
    sleepMode_ = named(new QCheckBox(QStringLiteral("Sleep-Modus aktiv"), page), "sleepmodus");
    sleepMode_->setToolTip(QStringLiteral(
        "Beim Schließen läuft Corvina im Infobereich weiter und überwacht die Verbindung."));
    layout->addWidget(sleepMode_);
    tipOfTheDay_ =
        named(new QCheckBox(QStringLiteral("Tip des Tages anzeigen"), page), "tipdestages");
    layout->addWidget(tipOfTheDay_);
    layout->addStretch();
    connect(languages_, &QComboBox::currentTextChanged, this, [this](const QString& name) {
        if (!loading_ && !name.isEmpty()) emit languageChosen(name + kLanguageExtension);
    });
    return page;
}

QWidget* Thaupteinstellungsform::buildDataRatePage() {
    auto* page = named(new QWidget, "datenrateseite");
    auto* layout = new QVBoxLayout(page);
    auto* advice =
        named(new QLabel(QStringLiteral("Besitzer eines S45, C45 oder ME45 stellen hier dieselbe "
                                        "Übertragungsrate ein wie im Telefon. Für alle anderen "
                                        "Siemens-Telefone wählen Sie 19,2 kb/s."),
                         page),
              "datenratehinweis");
    advice->setWordWrap(true);
    layout->addWidget(advice);
    rates_ = new QButtonGroup(page);
    const char* names[] = {"rate19200", "rate38400", "rate57600", "rate115200"};
    const char* captions[] = {"19,2 kb/s", "38,4 kb/s", "57,6 kb/s", "115,2 kb/s"};
    for (int i = 0; i < 4; ++i) {
        auto* button = named(new QRadioButton(QString::fromLatin1(captions[i]), page), names[i]);
        rates_->addButton(button, i);
        layout->addWidget(button);
    }
    layout->addStretch();
    return page;
}

void Thaupteinstellungsform::chooseFolder(QLineEdit* field) {
    auto* dialog = new QFileDialog(this, QString(), field->text());
    dialog->setFileMode(QFileDialog::Directory);
    dialog->setOption(QFileDialog::ShowDirsOnly);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QFileDialog::fileSelected, field, &QLineEdit::setText);
    dialog->open();
}

void Thaupteinstellungsform::load(const TSettings& s) {
    loading_ = true;
    switch (choiceOfKind(s.lastModel)) {
        case ConnectionChoice::Infrared:
            infrared_->setChecked(true);
            break;
        case ConnectionChoice::Dlr3:
            dlr3_->setChecked(true);
            break;
        case ConnectionChoice::Cable:
            cable_->setChecked(true);
            break;
    }
    ports_->clear();
    ports_->addItems(listPorts_());
    if (!s.comport.isEmpty() && ports_->findText(s.comport) < 0) ports_->insertItem(0, s.comport);
    ports_->setCurrentIndex(std::max(0, ports_->findText(s.comport)));
    ports_->setEnabled(!infrared_->isChecked());

    smsCentre_->setText(s.smsCentre);
    (s.smallPictureSms ? smallPicture_ : largePicture_)->setChecked(true);

    operators_->clear();
    for (const auto& entry : readOperatorList(operatorTablePath())) {
        operators_->addItem(entry.shown(), QStringList{entry.country, entry.net});
    }
    bool indexOk = false;
    const int operatorIndex = s.operatorIndex.toInt(&indexOk);
    if (indexOk && operatorIndex >= 0 && operatorIndex < operators_->count()) {
        operators_->setCurrentIndex(operatorIndex);
    }

    logoFolder_->setText(s.logoFolder);
    phonebookFolder_->setText(s.phonebookFolder);
    sleepMode_->setChecked(s.sleepMode);
    tipWasOn_ = readTipNumber() >= 1;
    tipOfTheDay_->setChecked(tipWasOn_);

    languages_->clear();
    languages_->addItems(languageNames());
    QString current = s.language.isEmpty() ? QStringLiteral("german.lng") : s.language;
    if (current.endsWith(kLanguageExtension, Qt::CaseInsensitive)) current.chop(4);
    languages_->setCurrentIndex(std::max(0, languages_->findText(current, Qt::MatchFixedString)));

    const int rate = dataRateChoice(s.speed);
    if (rate >= 0) rates_->button(rate)->setChecked(true);
    loading_ = false;
}

void Thaupteinstellungsform::showFor(uint8_t modelNumber, bool notConnected, Page firstPage) {
    stored_ = readSettings();
    load(stored_);
    dlr3_->setVisible(showsDlr3Choice(modelNumber, notConnected));
    connectionGroup_->setVisible(showsConnectionGroup(modelNumber, notConnected));
    const bool rates = showsDataRatePage(modelNumber, notConnected);
    pages_->setTabVisible(pages_->indexOf(dataRatePage_), rates);
    if (!rates) {
        stored_.speed = 0;
        if (rates_->checkedButton()) {
            rates_->setExclusive(false);
            rates_->checkedButton()->setChecked(false);
            rates_->setExclusive(true);
        }
    }
    pages_->setCurrentIndex(static_cast<int>(firstPage));
    open();
}

bool Thaupteinstellungsform::pageVisible(Page page) const {
    return pages_->isTabVisible(static_cast<int>(page));
}

int32_t Thaupteinstellungsform::chosenDataRate() const {
    return dataRateOfChoice(rates_->checkedId());
}

TSettings Thaupteinstellungsform::collect() const {
    TSettings s = stored_;
    s.comport = ports_->currentText().trimmed();
    s.comportIndex = QString::number(ports_->currentIndex());
    s.language = languages_->currentText().isEmpty()
                     ? QString()
                     : languages_->currentText() + kLanguageExtension;
    s.smallPictureSms = smallPicture_->isChecked();
    s.smsCentre = smsCentre_->text().trimmed();
    if (operators_->currentIndex() >= 0) {
        const QStringList codes = operators_->currentData().toStringList();
        s.operatorIndex = QString::number(operators_->currentIndex());
        if (codes.size() == 2) {
            s.operatorCountry = codes.at(0);
            s.operatorNet = codes.at(1);
        }
    }
    s.logoFolder = logoFolder_->text().trimmed();
    s.phonebookFolder = phonebookFolder_->text().trimmed();
    s.sleepMode = sleepMode_->isChecked();
    const ConnectionChoice choice = infrared_->isChecked() ? ConnectionChoice::Infrared
                                    : dlr3_->isChecked()   ? ConnectionChoice::Dlr3
                                                           : ConnectionChoice::Cable;
    s.lastModel = kindOfChoice(choice, stored_.lastModel);
    s.speed = chosenDataRate();
    return s;
}

void Thaupteinstellungsform::accept() {
    const TSettings settings = collect();
    writeSettings(settings);
    // The tip state changes only when the box changed: a running count of
    // the next tip is kept.
    QString error;
    if (tipOfTheDay_->isChecked() != tipWasOn_ &&
        !writeTipNumber(tipOfTheDay_->isChecked() ? 1 : 0, &error)) {
        showMessage(parentWidget(), QMessageBox::Warning, tx("tip_3", "Tip des Tages"), error);
    }
    QDialog::accept();
    emit settingsSaved(settings, settings.speed);
}

}  // namespace corvina
