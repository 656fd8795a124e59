#include "corvina/phonebook/toutlookfolders.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "corvina/language/language.h"
#include "corvina/language/languageapply.h"
#include "corvina/phonebook/files/contactsfolder.h"
#include "corvina/settings/settingsrecord.h"

namespace corvina {
namespace {

const QString kRootKey = QStringLiteral("Telefonbuch/Kontakteordner");

}  // namespace

QString contactsRoot() {
    const QString stored = openSettingsStore()->value(kRootKey).toString();
    return stored.isEmpty() ? ContactsFolder::defaultRoot() : stored;
}

void setContactsRoot(const QString& root) {
    openSettingsStore()->setValue(kRootKey, root);
}

Toutlookfolders::Toutlookfolders(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Toutlookfolders"));
    setWindowTitle(QStringLiteral("Kontakte-Ordner"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* rootRow = new QHBoxLayout;
    root_ = named(new QLabel(this), "stammordner");
    markDynamic(root_);
    auto* pick = named(new QPushButton(QStringLiteral("Stammordner..."), this), "stammwaehlen");
    rootRow->addWidget(root_, 1);
    rootRow->addWidget(pick);
    layout->addLayout(rootRow);
    list_ = named(new QListWidget(this), "ordnerliste");
    layout->addWidget(list_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &Toutlookfolders::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &Toutlookfolders::reject);
    connect(list_, &QListWidget::itemDoubleClicked, this, &Toutlookfolders::accept);
    connect(pick, &QPushButton::clicked, this, [this] {
        auto* dialog = new QFileDialog(this, tx("kontakte_30", "Stammordner der Kontakte wählen"),
                                       contactsRoot());
        dialog->setFileMode(QFileDialog::Directory);
        dialog->setOption(QFileDialog::ShowDirsOnly);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        connect(dialog, &QFileDialog::fileSelected, this, [this](const QString& folder) {
            setContactsRoot(folder);
            fill();
        });
        dialog->open();
    });
    resize(420, 300);
}

void Toutlookfolders::fill() {
    const QString root = contactsRoot();
    root_->setText(root);
    list_->clear();
    const QDir base(root);
    for (const QString& folder : ContactsFolder::cardFolders(root)) {
        const QString shown = folder == root ? QDir(root).dirName() : base.relativeFilePath(folder);
        auto* item = new QListWidgetItem(shown, list_);
        item->setData(Qt::UserRole, folder);
    }
    list_->setCurrentRow(0);
}

void Toutlookfolders::choose() {
    fill();
    applyLanguage(this);
    open();
}

QString Toutlookfolders::chosenFolder() const {
    const QListWidgetItem* item = list_->currentItem();
    return item ? item->data(Qt::UserRole).toString() : QString();
}

void Toutlookfolders::accept() {
    const QString folder = chosenFolder();
    QDialog::accept();
    if (!folder.isEmpty()) emit chosen(folder);
}

}  // namespace corvina
