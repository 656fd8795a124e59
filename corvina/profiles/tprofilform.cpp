#include "corvina/profiles/tprofilform.h"

#include <QHeaderView>
#include <QInputDialog>
#include <QKeyEvent>
#include <QVBoxLayout>

#include "corvina/common/savetextdialog.h"
#include "corvina/common/textexport.h"
#include "corvina/language/language.h"
#include "corvina/profiles/profiletexts.h"
#include "corvina/profiles/tprofedit.h"
#include "corvina/shell/commandbar.h"
#include "corvina/shell/commandtexts.h"
#include "corvina/shell/messagebox.h"
#include "corvina/shell/moduleregistry.h"
#include "corvina/shell/tgesamtform.h"
#include "corvina/shell/twarteform.h"

namespace corvina {

namespace {

QString progressText(int done) {
    return QStringLiteral("%1 / %2").arg(done).arg(ProfileBook::kMaxProfiles);
}

// Enter on a row edits it, as a double click does.
class ProfileGrid : public QTableWidget {
  public:
    using QTableWidget::QTableWidget;
    std::function<void(int row)> edit;

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
            currentRow() >= 0 && edit) {
            edit(currentRow());
            return;
        }
        QTableWidget::keyPressEvent(event);
    }
};

}  // namespace

Tprofilform::Tprofilform(Tgesamtform& shell, ProfileLibrary library)
    : QWidget(&shell), shell_(shell), book_(std::move(library)) {
    setObjectName(QStringLiteral("Tprofilform"));
    setWindowTitle(QStringLiteral("Profile"));
    auto* grid = new ProfileGrid(this);
    grid->edit = [this](int row) { editRow(row); };
    grid_ = grid;
    grid_->setObjectName(QStringLiteral("profilegrid"));
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->verticalHeader()->hide();
    grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 8);
    grid_->horizontalHeader()->setStretchLastSection(true);
    grid_->setColumnCount(static_cast<int>(profileHeaders(book_.family()).size()));
    grid_->setHorizontalHeaderLabels(profileHeaders(book_.family()));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(grid_);

    connect(grid_, &QTableWidget::cellDoubleClicked, this, [this](int row) { editRow(row); });
    connect(&book_, &ProfileBook::groupNamesRead, this,
            [this] { setStatus(tx("profiles_2", "Gruppennamen erhalten.")); });
    connect(&book_, &ProfileBook::listCleared, this, [this] {
        grid_->clearContents();
        grid_->setRowCount(0);
        const QStringList headers = profileHeaders(book_.family());
        grid_->setColumnCount(static_cast<int>(headers.size()));
        grid_->setHorizontalHeaderLabels(headers);
    });
    connect(&book_, &ProfileBook::rowRead, this, [this](int row) { showRow(row); });
    connect(&book_, &ProfileBook::readFinished, this,
            [this] { setStatus(tx("profiles_4", "Profile erhalten.")); });
    connect(&book_, &ProfileBook::writeFinished, this,
            [this](const ProfileWrite& result) { writeFinished(result); });
    connect(&book_.calls(), &CallSequence::finished, this, [this] { callsFinished(); });
    connect(&shell_.connection(), &ConnectionControl::connected, this, [this] {
        if (isVisible()) startRead();
    });
    connect(&shell_.connection(), &ConnectionControl::disconnected, this, [this] { linkLost(); });
}

void Tprofilform::bindCommands(CommandBar& commands) {
    commands.bind(0, commandText(CommandText::Download), [this] { DownloadClick(); });
    commands.bind(1, tx("profiles3_31", "Bearbeiten"), [this] { editRow(grid_->currentRow()); });
    commands.bind(2, tx("profiles3_32", "Kopieren nach…"), [this] { KopierenClick(); });
    commands.bind(3, commandText(CommandText::Save), [this] { SpeichernClick(); });
}

void Tprofilform::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    startRead();
}

void Tprofilform::DownloadClick() {
    startRead();
}

void Tprofilform::startRead() {
    if (shell_.connection().notConnected() || book_.busy()) return;
    linkLost_ = false;
    Twarteform& wait = shell_.waitWindow();
    wait.showPage(WaitPage::Profiles);
    wait.setHeading(tx("profiles_1", "Profile werden abgefragt ..."));
    wait.setProgressText(progressText(0));
    book_.read();
}

void Tprofilform::showRow(int row) {
    if (grid_->rowCount() <= row) grid_->setRowCount(row + 1);
    const QStringList texts = profileRowTexts(book_.family(), book_.rows().at(row));
    for (int column = 0; column < grid_->columnCount(); ++column) {
        auto* item = new QTableWidgetItem(texts.value(column));
        if (!book_.rows().at(row).read()) item->setForeground(palette().placeholderText());
        grid_->setItem(row, column, item);
    }
    grid_->resizeColumnsToContents();
    if (shell_.waitWindow().isVisible()) shell_.waitWindow().setProgressText(progressText(row + 1));
}

Tprofedit* Tprofilform::editRow(int row) {
    if (book_.busy() || row < 0 || row >= static_cast<int>(book_.rows().size())) return nullptr;
    const ProfileRow& profile = book_.rows()[row];
    if (!profile.read()) {
        setStatus(tx("profiles3_33",
                     "Profil %1 wurde nicht gelesen und kann nicht bearbeitet "
                     "werden; bitte erst neu abfragen.")
                      .arg(profile.number));
        return nullptr;
    }
    const auto& lib = book_.library();
    const ProfileEditorRules rules = profileEditorRules(
        book_.family(), book_.modelId(),
        [&](int32_t number) { return lib.ringtoneName(number, book_.modelCode()); });
    if (editor_) editor_->close();
    editor_ = new Tprofedit(rules, book_.groupNames(), profile.profile, this);
    connect(editor_, &Tprofedit::chosen, this, [this, row](const TProfile& values) {
        if (book_.busy() || row >= static_cast<int>(book_.rows().size())) {
            setStatus(tx("profiles3_44",
                         "Das Profil wurde nicht geschrieben: die Liste wurde "
                         "inzwischen neu gelesen."));
            return;
        }
        beginWrite();
        book_.write(row, values);
    });
    editor_->open();
    return editor_;
}

void Tprofilform::KopierenClick() {
    const int from = grid_->currentRow();
    if (book_.busy() || from < 0 || !book_.rows().at(from).read()) {
        setStatus(tx("profiles3_34", "Bitte zuerst ein gelesenes Profil auswählen."));
        return;
    }
    QStringList targets;
    QList<int> rows;
    for (int row = 0; row < static_cast<int>(book_.rows().size()); ++row) {
        if (row == from || !book_.rows()[row].read()) continue;
        targets << QStringLiteral("%1  %2").arg(row + 1).arg(
            profileName(book_.rows()[row].profile));
        rows << row;
    }
    if (targets.isEmpty()) return;
    auto* dialog = new QInputDialog(this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(tx("profiles3_32", "Kopieren nach…"));
    dialog->setLabelText(tx("profiles3_35", "Einstellungen von Profil %1 kopieren nach:")
                             .arg(profileName(book_.rows()[from].profile)));
    dialog->setComboBoxItems(targets);
    connect(dialog, &QInputDialog::textValueSelected, this,
            [this, from, targets, rows](const QString& text) {
                copyRow(from, rows.value(static_cast<int>(targets.indexOf(text))));
            });
    dialog->open();
}

void Tprofilform::copyRow(int from, int to) {
    if (book_.busy()) return;
    beginWrite();
    book_.copy(from, to);
}

void Tprofilform::beginWrite() {
    Twarteform& wait = shell_.waitWindow();
    wait.showPage(WaitPage::Profiles);
    wait.setHeading(tx("profiledit_33", "Profile werden aufgespielt ..."));
    setStatus(tx("profiledit_44", "Profil wird im Handy aktualisiert...."));
    linkLost_ = false;
}

void Tprofilform::writeFinished(const ProfileWrite& result) {
    if (result.done()) {
        setStatus(tx("profiles_5", "Profil wurde im Handy aktualisiert."));
        return;
    }
    const QString reason =
        result.uncoded ? tx("profiles3_36", "unbekannter Wert für ") + settingName(*result.uncoded)
        : result.written == phonelib::stNoAnswer
            ? tx("profiles3_37", "das Handy hat nicht jede Einstellung bestätigt")
            : tx("profiles3_38", "Fehler ") + QString::number(result.written);
    const QString text = tx("profiles3_39", "Profil wurde nicht aktualisiert: ") + reason + '.';
    setStatus(text);
    shell_.waitWindow().finish();
    showMessage(this, QMessageBox::Warning, tx("profiledit2_4", "Hinweis"),
                text + (result.uncoded ? QString()
                                       : QLatin1Char('\n') +
                                             tx("profiles3_40",
                                                "Die Liste zeigt, was das Handy jetzt hält.")));
}

void Tprofilform::callsFinished() {
    shell_.waitWindow().finish();
    const auto& rows = book_.rows();
    if (!rows.empty() && rows.back().status == phonelib::stNotConnected) linkLost_ = true;
    if (!linkLost_) return;
    linkLost_ = false;
    showMessage(this, QMessageBox::Warning, tx("profiledit2_4", "Hinweis"),
                tx("profiles3_41",
                   "Die Verbindung zum Handy ist abgebrochen. Was bis dahin "
                   "gelesen wurde, bleibt sichtbar."));
}

void Tprofilform::linkLost() {
    if (!book_.busy()) return;
    linkLost_ = true;
    book_.abort();
}

void Tprofilform::SpeichernClick() {
    chooseTextFileToSave(this, [this](const QString& path) { saveTo(path); });
}

bool Tprofilform::saveTo(const QString& path) {
    QString error;
    const QStringList lines =
        profileListLines(shell_.connection().modelName(), book_.family(), book_.rows());
    if (!writeTextFile(path, lines, &error)) {
        showMessage(
            this, QMessageBox::Critical, tx("info_2", "Fehler"),
            tx("profiles3_42", "Die Datei %1 konnte nicht geschrieben werden: ").arg(path) + error);
        return false;
    }
    setStatus(tx("profiles3_43", "Profile wurden in %1 gespeichert.").arg(path));
    return true;
}

void Tprofilform::setStatus(const QString& text) {
    shell_.setStatusText(Tgesamtform::StatusField::Middle, text);
}

void registerProfileModule(ModuleRegistry& registry) {
    ModuleDescriptor descriptor;
    descriptor.module = Module::Profiles;
    descriptor.helpPage = QStringLiteral("profiles");
    descriptor.create = [](Tgesamtform& shell) -> QWidget* { return new Tprofilform(shell); };
    descriptor.bindCommands = [](QWidget* window, CommandBar& commands) {
        static_cast<Tprofilform*>(window)->bindCommands(commands);
    };
    registry.add(std::move(descriptor));
}

}  // namespace corvina
