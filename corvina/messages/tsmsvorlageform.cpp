#include "corvina/messages/tsmsvorlageform.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>
#include <utility>

#include "corvina/language/language.h"
#include "corvina/shell/messagebox.h"

namespace corvina {

namespace {

constexpr int kTemplateNameLimit = 160;

QPushButton* addButtons(QDialog* dialog, QVBoxLayout* layout, const QString& okName) {
    auto* row = new QHBoxLayout;
    auto* ok = new QPushButton(QStringLiteral("OK"), dialog);
    ok->setObjectName(okName);
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Abbrechen"), dialog);
    cancel->setObjectName(QStringLiteral("abbrechen"));
    row->addStretch(1);
    row->addWidget(ok);
    row->addWidget(cancel);
    layout->addLayout(row);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    return ok;
}

}  // namespace

Tsmsvorlageform::Tsmsvorlageform(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Tsmsvorlageform"));
    setWindowTitle(QStringLiteral("SMS-Vorlage"));
    setWindowModality(Qt::WindowModal);
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(QStringLiteral("Name der Vorlage:"), this);
    label->setObjectName(QStringLiteral("namelabel"));
    name_ = new QLineEdit(this);
    name_->setObjectName(QStringLiteral("vorlagenname"));
    name_->setMaxLength(kTemplateNameLimit);
    name_->setMinimumWidth(280);
    layout->addWidget(label);
    layout->addWidget(name_);
    ok_ = addButtons(this, layout, QStringLiteral("ok"));
    connect(ok_, &QPushButton::clicked, this, [this] { confirm(); });
}

void Tsmsvorlageform::ask(const QString& name, std::function<void(const QString&)> done) {
    done_ = std::move(done);
    name_->setText(name);
    name_->selectAll();
    name_->setFocus();
    open();
}

void Tsmsvorlageform::confirm() {
    const QString name = name_->text().trimmed();
    if (name.isEmpty()) {
        showMessage(this, QMessageBox::Warning, windowTitle(),
                    tx("sms3_40", "Bitte geben Sie einen Namen für die Vorlage an."));
        return;
    }
    accept();
    if (auto done = std::exchange(done_, nullptr)) done(name);
}

Tempflistenform::Tempflistenform(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Tempflistenform"));
    setWindowTitle(QStringLiteral("Empfaengerliste"));
    setWindowModality(Qt::WindowModal);
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(QStringLiteral("Name der Empfängerliste:"), this);
    label->setObjectName(QStringLiteral("namelabel"));
    names_ = new QComboBox(this);
    names_->setObjectName(QStringLiteral("listenname"));
    names_->setMinimumWidth(240);
    layout->addWidget(label);
    layout->addWidget(names_);
    ok_ = addButtons(this, layout, QStringLiteral("ok"));
    connect(ok_, &QPushButton::clicked, this, [this] { confirm(); });
}

void Tempflistenform::askToSave(const QStringList& names,
                                std::function<void(const QString&)> done) {
    deleting_ = false;
    save_ = std::move(done);
    names_->clear();
    names_->setEditable(true);
    names_->addItems(names);
    names_->setEditText(QString());
    names_->lineEdit()->setMaxLength(20);
    ok_->setText(tx("sms3_41", "Speichern"));
    open();
}

void Tempflistenform::askToDelete(const QStringList& names, std::function<void(int)> done) {
    deleting_ = true;
    remove_ = std::move(done);
    names_->clear();
    names_->setEditable(false);
    names_->addItems(names);
    ok_->setText(tx("sms3_42", "Löschen"));
    open();
}

void Tempflistenform::confirm() {
    if (deleting_) {
        const int chosen = names_->currentIndex();
        if (chosen < 0) return;
        accept();
        if (auto done = std::exchange(remove_, nullptr)) done(chosen);
        return;
    }
    const QString name = names_->currentText().trimmed();
    if (name.isEmpty()) {
        showMessage(this, QMessageBox::Warning, windowTitle(),
                    tx("sms3_43", "Bitte geben Sie einen Namen für die Empfängerliste an."));
        return;
    }
    accept();
    if (auto done = std::exchange(save_, nullptr)) done(name);
}

Tsmspickform::Tsmspickform(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Tsmspickform"));
    setWindowTitle(QStringLiteral("Empfänger aus Telefonbuch"));
    setWindowModality(Qt::WindowModal);
    auto* layout = new QVBoxLayout(this);
    table_ = new QTableWidget(0, 3, this);
    table_->setObjectName(QStringLiteral("eintraege"));
    table_->setHorizontalHeaderLabels(
        {tx("sms3_100", "Nr."), tx("sms3_101", "Name"), tx("sms3_102", "Telefonnummer")});
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setColumnWidth(0, 44);
    table_->setColumnWidth(1, 180);
    table_->setMinimumSize(420, 280);
    layout->addWidget(table_);
    auto* row = new QHBoxLayout;
    take_ = new QPushButton(QStringLiteral("Übernehmen"), this);
    take_->setObjectName(QStringLiteral("uebernehmen"));
    take_->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Abbrechen"), this);
    cancel->setObjectName(QStringLiteral("abbrechen"));
    row->addStretch(1);
    row->addWidget(take_);
    row->addWidget(cancel);
    layout->addLayout(row);
    connect(take_, &QPushButton::clicked, this, [this] { confirm(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(table_, &QTableWidget::cellDoubleClicked, this, [this] { confirm(); });
}

void Tsmspickform::pick(const std::vector<PickEntry>& entries,
                        std::function<void(const QString&)> done) {
    done_ = std::move(done);
    table_->setRowCount(static_cast<int>(entries.size()));
    for (int i = 0; i < table_->rowCount(); ++i) {
        const PickEntry& entry = entries[static_cast<size_t>(i)];
        table_->setItem(i, 0, new QTableWidgetItem(entry.location));
        table_->setItem(i, 1, new QTableWidgetItem(entry.name));
        table_->setItem(i, 2, new QTableWidgetItem(entry.number));
    }
    if (table_->rowCount() > 0) table_->selectRow(0);
    open();
}

void Tsmspickform::confirm() {
    const int row = table_->currentRow();
    if (row < 0 || !table_->item(row, 2)) return;
    const QString number = table_->item(row, 2)->text();
    accept();
    if (auto done = std::exchange(done_, nullptr)) done(number);
}

}  // namespace corvina
