#include "corvina/diverts/tumleitform.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "corvina/common/savetextdialog.h"
#include "corvina/common/textexport.h"
#include "corvina/diverts/diverttexts.h"
#include "corvina/language/language.h"
#include "corvina/language/languageapply.h"
#include "corvina/shell/messagebox.h"
#include "corvina/shell/moduleregistry.h"
#include "corvina/shell/tgesamtform.h"
#include "corvina/shell/twarteform.h"

namespace corvina {

namespace {

constexpr int kDelayRow = kReasons;

QString headerHint(int callClass) {
    switch (callClass) {
        case 0:
            return tx("umleitung_1", "Umleitungen für Sprachanrufe downloaden");
        case 1:
            return tx("umleitung_2", "Umleitungen für Datenanrufe downloaden");
        default:
            return tx("umleitung_3", "Umleitungen für Faxnanrufe downloaden");
    }
}

QPushButton* button(QWidget* parent, const char* name, const QString& text) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

}  // namespace

Tumleitform::Tumleitform(Tgesamtform& shell, DivertLibrary library)
    : QWidget(&shell, Qt::Window), shell_(shell), book_(std::move(library)) {
    setObjectName(QStringLiteral("Tumleitform"));
    setWindowTitle(QStringLiteral("Rufumleitung"));

    grid_ = new QTableWidget(kReasons + 1, kCallClasses + 1, this);
    grid_->setObjectName(QStringLiteral("umleitungsgrid"));
    grid_->verticalHeader()->hide();
    grid_->setSelectionMode(QAbstractItemView::NoSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setHorizontalHeaderItem(0, new QTableWidgetItem(tx("umleitung3_26", "Umleiten...")));
    for (int callClass = 0; callClass < kCallClasses; ++callClass) {
        auto* header = new QTableWidgetItem(callClassName(callClass));
        header->setToolTip(headerHint(callClass));
        grid_->setHorizontalHeaderItem(callClass + 1, header);
    }
    for (int reason = 0; reason <= kReasons; ++reason) {
        grid_->setItem(reason, 0,
                       new QTableWidgetItem(reason < kReasons ? reasonName(reason)
                                                              : tx("umleitung3_27", "nach")));
    }
    for (int callClass = 0; callClass < kCallClasses; ++callClass) {
        for (int reason = 0; reason < kReasons; ++reason) buildCell(callClass, reason);
        buildDelay(callClass);
    }
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    grid_->horizontalHeader()->setMinimumSectionSize(160);
    grid_->horizontalHeader()->setStretchLastSection(true);
    grid_->verticalHeader()->setDefaultSectionSize(32);
    grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_->resizeColumnsToContents();
    int width = 2 * grid_->frameWidth();
    for (int column = 0; column < grid_->columnCount(); ++column) {
        width += grid_->columnWidth(column);
    }
    grid_->setMinimumSize(width, grid_->horizontalHeader()->sizeHint().height() +
                                     grid_->rowCount() * grid_->rowHeight(0) +
                                     2 * grid_->frameWidth());
    connect(grid_->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int column) {
        if (column > 0) queryClass(column - 1);
    });

    status_ = new QLabel(this);
    markDynamic(status_);
    status_->setObjectName(QStringLiteral("umleitungsstatus"));
    status_->setWordWrap(true);

    auto* buttons = new QHBoxLayout;
    auto* all = button(this, "alleabfragen", QStringLiteral("Alle abfragen"));
    auto* off = button(this, "alleaus", QStringLiteral("Alle aus"));
    auto* save = button(this, "speichern", QStringLiteral("Speichern"));
    auto* close = button(this, "schliessen", QStringLiteral("Schließen"));
    buttons->addWidget(all);
    buttons->addWidget(off);
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(close);
    connect(all, &QPushButton::clicked, this, [this] { AlleAbfragenClick(); });
    connect(off, &QPushButton::clicked, this, [this] { AlleAusClick(); });
    connect(save, &QPushButton::clicked, this, [this] { SpeichernClick(); });
    connect(close, &QPushButton::clicked, this, [this] { SchliessenClick(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_);
    layout->addWidget(status_);
    layout->addLayout(buttons);

    connect(&book_, &DivertBook::cellChanged, this,
            [this](int callClass, int reason) { showCell(callClass, reason); });
    connect(&book_, &DivertBook::delayChanged, this,
            [this](int callClass) { showDelay(callClass); });
    connect(&book_, &DivertBook::finished, this,
            [this](const DivertOutcome& outcome) { finished(outcome); });
    connect(&shell_.connection(), &ConnectionControl::disconnected, this, [this] { linkLost(); });
}

void Tumleitform::buildCell(int callClass, int reason) {
    auto* box = new QComboBox(grid_);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->addItem(notActiveText());
    cells_[callClass][reason] = box;
    grid_->setCellWidget(reason, callClass + 1, box);
    showCell(callClass, reason);
    connect(box, &QComboBox::activated, this, [this, callClass, reason](int index) {
        if (index == 0) notActiveChosen(callClass, reason);
    });
    connect(box->lineEdit(), &QLineEdit::editingFinished, this,
            [this, callClass, reason] { cellEdited(callClass, reason); });
}

void Tumleitform::buildDelay(int callClass) {
    auto* box = new QComboBox(grid_);
    delays_[callClass] = box;
    grid_->setCellWidget(kDelayRow, callClass + 1, box);
    showDelay(callClass);
    connect(box, &QComboBox::activated, this,
            [this, callClass, box](int) { delayChosen(callClass, box->currentData().toInt()); });
}

QComboBox* Tumleitform::cellBox(int callClass, int reason) const {
    return cells_.at(callClass).at(reason);
}

QComboBox* Tumleitform::delayBox(int callClass) const {
    return delays_.at(callClass);
}

void Tumleitform::showCell(int callClass, int reason) {
    QComboBox* box = cells_[callClass][reason];
    const DivertCell& cell = book_.grid().cell(callClass, reason);
    box->setEditText(cellText(cell));
    if (reason == kNoReply) showDelay(callClass);
}

void Tumleitform::showDelay(int callClass) {
    QComboBox* box = delays_[callClass];
    if (!box) return;
    const DivertGrid& grid = book_.grid();
    box->clear();
    for (const int32_t seconds : grid.delayChoices(callClass)) {
        box->addItem(delayText(seconds), seconds);
    }
    box->setCurrentIndex(box->findData(grid.delay(callClass)));
    box->setEnabled(grid.cell(callClass, kNoReply).state == DivertState::Active);
}

void Tumleitform::cellEdited(int callClass, int reason) {
    if (book_.busy()) return;
    QComboBox* box = cells_[callClass][reason];
    const QString text = box->currentText().trimmed();
    const DivertCell& cell = book_.grid().cell(callClass, reason);
    if (text == cellText(cell)) return;
    if (text == notActiveText()) {
        notActiveChosen(callClass, reason);
    } else {
        numberEntered(callClass, reason, text);
    }
}

bool Tumleitform::startAction() {
    if (book_.busy()) return false;
    linkLost_ = false;
    shell_.waitWindow().showPage(WaitPage::Diverts, this);
    return true;
}

void Tumleitform::queryClass(int callClass) {
    if (startAction()) book_.queryClass(callClass);
}

void Tumleitform::AlleAbfragenClick() {
    if (startAction()) book_.queryAll();
}

QWidget* Tumleitform::AlleAusClick() {
    if (book_.busy()) return nullptr;
    auto* box = new QMessageBox(QMessageBox::Question, tx("umleitung_14", "Hinweis"),
                                tx("umleitung3_29",
                                   "Sollen alle Rufumleitungen ausgeschaltet "
                                   "werden?"),
                                QMessageBox::Yes | QMessageBox::No, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    connect(box, &QMessageBox::finished, this, [this](int result) {
        if (result == QMessageBox::Yes && startAction()) book_.allOff();
    });
    box->show();
    return box;
}

void Tumleitform::numberEntered(int callClass, int reason, const QString& text) {
    if (book_.busy()) return;
    if (text.trimmed().isEmpty()) {
        showCell(callClass, reason);
        return;
    }
    shell_.waitWindow().showPage(WaitPage::Diverts, this);
    linkLost_ = false;
    if (book_.setNumber(callClass, reason, text)) return;
    shell_.waitWindow().finish();
    showCell(callClass, reason);
    showMessage(this, QMessageBox::Critical, tx("umleitung_12", "Fehler"),
                tx("umleitung_10", "Die angegebene Rufnummer ist ungültig!") + QLatin1Char('\n') +
                    tx("umleitung_11", "Bitte überprüfen Sie Ihre Eingabe!"));
}

void Tumleitform::notActiveChosen(int callClass, int reason) {
    if (book_.grid().cell(callClass, reason).state == DivertState::Inactive) return;
    if (startAction()) book_.switchOff(callClass, reason);
}

void Tumleitform::delayChosen(int callClass, int32_t seconds) {
    if (startAction()) book_.setDelay(callClass, seconds);
}

void Tumleitform::finished(const DivertOutcome& outcome) {
    shell_.waitWindow().finish();
    if (linkLost_) {
        linkLost_ = false;
        setStatus(tx("umleitung3_30", "Die Verbindung zum Handy ist abgebrochen."));
        showMessage(this, QMessageBox::Warning, tx("umleitung_14", "Hinweis"),
                    tx("umleitung3_31",
                       "Die Verbindung zum Handy ist abgebrochen. Umleitungen, "
                       "die nicht gelesen wurden, zeigen \"unbekannt\"."));
        return;
    }
    const DivertMessages messages = divertMessages(outcome, book_.grid());
    setStatus(messages.statusLine);
    if (!messages.boxTitle.isEmpty()) {
        showMessage(this, messages.warning ? QMessageBox::Warning : QMessageBox::Information,
                    messages.boxTitle, messages.boxText);
    }
}

void Tumleitform::linkLost() {
    if (!book_.busy()) return;
    linkLost_ = true;
    book_.abort();
}

void Tumleitform::setStatus(const QString& text) {
    status_->setText(text);
    shell_.setStatusText(Tgesamtform::StatusField::Middle, text);
}

void Tumleitform::SpeichernClick() {
    chooseTextFileToSave(this, [this](const QString& path) { saveTo(path); });
}

bool Tumleitform::saveTo(const QString& path) {
    QString error;
    if (!writeTextFile(path, divertListLines(shell_.connection().modelName(), book_.grid()),
                       &error)) {
        showMessage(
            this, QMessageBox::Critical, tx("umleitung_12", "Fehler"),
            tx("umleitung3_32", "Die Datei %1 konnte nicht geschrieben werden: ").arg(path) +
                error);
        return false;
    }
    setStatus(tx("umleitung3_33", "Umleitungen wurden in %1 gespeichert.").arg(path));
    return true;
}

void Tumleitform::SchliessenClick() {
    hide();
    shell_.setStatusText(Tgesamtform::StatusField::Middle, QString());
    emit closed();
}

void registerDivertModule(ModuleRegistry& registry) {
    ModuleDescriptor descriptor;
    descriptor.module = Module::Diverts;
    descriptor.helpPage = QStringLiteral("diverts");
    descriptor.placedInClientArea = false;
    descriptor.create = [](Tgesamtform& shell) -> QWidget* {
        auto* window = new Tumleitform(shell, DivertLibrary::library(&shell.connection()));
        QObject::connect(window, &Tumleitform::closed, &shell,
                         [&shell] { shell.moduleClosed(Module::Diverts); });
        return window;
    };
    registry.add(std::move(descriptor));
}

}  // namespace corvina
