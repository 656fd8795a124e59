#include "corvina/phonebook/ttelefonbuch.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "corvina/language/language.h"
#include "corvina/language/languageapply.h"
#include "records/typendefinitionen.h"

namespace corvina {

namespace {

constexpr std::array<int32_t, 5> kTypes = {ntGeneral, ntMobile, ntHome, ntWork, ntFax};
constexpr std::array<int32_t, kFixedFurtherNumbers> kAddressBookTypes = {ntMobile, ntHome, ntWork,
                                                                         ntFax};

QLabel* caption(QWidget* parent, const char* name, const QString& text) {
    return named(new QLabel(text, parent), name);
}

void selectType(QComboBox* list, int32_t type) {
    const int at = list->findData(type);
    list->setCurrentIndex(at >= 0 ? at : 0);
}

}  // namespace

Ttelefonbuch::Ttelefonbuch(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Ttelefonbuch"));
    setWindowTitle(QStringLiteral("Eintrag editieren"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    pages_ = new QTabWidget(this);
    pages_->addTab(buildGeneralPage(), QStringLiteral("Allgemein"));
    pages_->addTab(buildNumbersPage(), QStringLiteral("Weitere Nummern"));
    pages_->addTab(buildAddressPage(), QStringLiteral("Adressen"));
    pages_->addTab(buildOtherPage(), QStringLiteral("Sonstiges"));
    layout->addWidget(pages_);

    auto* buttons = new QDialogButtonBox(this);
    auto* ok = named(buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole), "ok");
    ok->setDefault(true);
    named(buttons->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole),
          "abbrechen");
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &Ttelefonbuch::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &Ttelefonbuch::reject);
    connect(memory_, &QComboBox::activated, this,
            [this](int item) { emit memoryItemChanged(item); });
    resize(460, 330);
}

QWidget* Ttelefonbuch::buildGeneralPage() {
    auto* page = named(new QWidget, "allgemein");
    auto* form = new QFormLayout(page);
    nameLabel_ = caption(page, "namelabel", QStringLiteral("Name:"));
    markDynamic(nameLabel_);
    name_ = named(new FieldEdit(FieldEdit::Kind::Text, page), "name");
    firstName_ = named(new FieldEdit(FieldEdit::Kind::Text, page), "vorname");
    auto* names = new QHBoxLayout;
    names->addWidget(name_, 3);
    names->addWidget(firstName_, 2);
    form->addRow(nameLabel_, names);

    standard_ = named(new FieldEdit(FieldEdit::Kind::Number, page), "standardnummer");
    standardType_ = typeList(page);
    auto* standard = new QHBoxLayout;
    standard->addWidget(standard_, 3);
    standard->addWidget(standardType_, 2);
    form->addRow(caption(page, "standardlabel", QStringLiteral("Standardnummer:")), standard);

    group_ = named(new QComboBox(page), "gruppe");
    form->addRow(caption(page, "gruppelabel", QStringLiteral("Gruppe:")), group_);
    location_ = named(new FieldEdit(FieldEdit::Kind::Text, page), "speicherstelle");
    location_->setMaximumWidth(80);
    form->addRow(caption(page, "speicherstellelabel", QStringLiteral("Speicherstelle:")),
                 location_);
    memory_ = named(new QComboBox(page), "speicherort");
    form->addRow(caption(page, "speicherortlabel", QStringLiteral("Speicherort:")), memory_);
    return page;
}

QComboBox* Ttelefonbuch::typeList(QWidget* parent) const {
    auto* list = new QComboBox(parent);
    const QStringList names = {QStringLiteral("Allgemein"), QStringLiteral("Mobil"),
                               QStringLiteral("Privat"), QStringLiteral("Geschäftlich"),
                               QStringLiteral("Fax")};
    for (size_t i = 0; i < kTypes.size(); ++i) list->addItem(names[int(i)], kTypes[i]);
    return list;
}

QWidget* Ttelefonbuch::buildNumbersPage() {
    auto* scroll = named(new QScrollArea, "weiterenummern");
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    numbersPage_ = new QWidget;
    numbersGrid_ = new QGridLayout(numbersPage_);
    numbersGrid_->setAlignment(Qt::AlignTop);
    scroll->setWidget(numbersPage_);
    layOutFurtherNumbers(std::vector<EditorNumber>(kFixedFurtherNumbers));
    return scroll;
}

QWidget* Ttelefonbuch::buildAddressPage() {
    auto* page = named(new QWidget, "adressen");
    auto* layout = new QVBoxLayout(page);

    addressBlock_ = new QWidget(page);
    auto* single = new QFormLayout(addressBlock_);
    single->setContentsMargins(0, 0, 0, 0);
    address_ = named(new FieldText(true, addressBlock_), "adresse");
    address_->setMaximumHeight(80);
    single->addRow(caption(addressBlock_, "adresselabel", QStringLiteral("Adresse:")), address_);

    addressBookBlock_ = new QWidget(page);
    auto* parts = new QFormLayout(addressBookBlock_);
    parts->setContentsMargins(0, 0, 0, 0);
    street_ = named(new FieldEdit(FieldEdit::Kind::Text, addressBookBlock_), "strasse");
    zipTown_ = named(new FieldEdit(FieldEdit::Kind::Text, addressBookBlock_), "plzort");
    country_ = named(new FieldEdit(FieldEdit::Kind::Text, addressBookBlock_), "land");
    parts->addRow(caption(addressBookBlock_, "strasselabel", QStringLiteral("Straße:")), street_);
    parts->addRow(caption(addressBookBlock_, "plzortlabel", QStringLiteral("PLZ+Ort:")), zipTown_);
    parts->addRow(caption(addressBookBlock_, "landlabel", QStringLiteral("Land:")), country_);

    auto* online = new QFormLayout;
    email_ = named(new FieldEdit(FieldEdit::Kind::Text, page), "email");
    url_ = named(new FieldEdit(FieldEdit::Kind::Text, page), "url");
    online->addRow(caption(page, "emaillabel", QStringLiteral("E-Mail:")), email_);
    online->addRow(caption(page, "urllabel", QStringLiteral("URL:")), url_);

    layout->addWidget(addressBlock_);
    layout->addWidget(addressBookBlock_);
    layout->addLayout(online);
    layout->addStretch();
    return page;
}

QWidget* Ttelefonbuch::buildOtherPage() {
    auto* page = named(new QWidget, "sonstiges");
    auto* form = new QFormLayout(page);
    note_ = named(new FieldText(false, page), "bemerkung");
    note_->setMaximumHeight(80);
    company_ = named(new FieldEdit(FieldEdit::Kind::Text, page), "firma");
    form->addRow(caption(page, "bemerkunglabel", QStringLiteral("Bemerkung:")), note_);
    form->addRow(caption(page, "firmalabel", QStringLiteral("Firma:")), company_);
    return page;
}

void Ttelefonbuch::layOutFurtherNumbers(const std::vector<EditorNumber>& numbers) {
    for (NumberRow& row : further_) {
        delete row.number;
        delete row.type;
    }
    further_.clear();
    for (size_t i = 0; i < numbers.size(); ++i) {
        NumberRow row;
        row.number = new FieldEdit(FieldEdit::Kind::Number, numbersPage_);
        row.type = typeList(numbersPage_);
        numbersGrid_->addWidget(row.number, int(i), 0);
        numbersGrid_->addWidget(row.type, int(i), 1);
        further_.push_back(row);
    }
    numbersGrid_->setColumnStretch(0, 3);
    numbersGrid_->setColumnStretch(1, 2);
}

void Ttelefonbuch::applyLayout() {
    const bool addressBook = setup_.addressBookLayout;
    nameLabel_->setText(addressBook ? tx("eintrag_21", "Name/Vorname:")
                                    : tx("eintrag_22", "Name:"));
    firstName_->setVisible(addressBook);
    addressBlock_->setVisible(!addressBook);
    addressBookBlock_->setVisible(addressBook);
    const EditorLimits& limits = setup_.limits;
    name_->setLimit(limits.name);
    firstName_->setLimit(limits.firstName);
    standard_->setLimit(limits.standard);
    for (const NumberRow& row : further_) row.number->setLimit(limits.further);
    address_->setLimit(limits.address);
    street_->setLimit(limits.addressLine);
    zipTown_->setLimit(limits.addressLine);
    country_->setLimit(limits.addressLine);
    email_->setLimit(limits.email);
    url_->setLimit(limits.url);
    note_->setLimit(limits.note);
    company_->setLimit(limits.company);
    // The four fixed fields of the address book keep their types.
    for (size_t i = 0; i < further_.size(); ++i) {
        further_[i].type->setEnabled(!(addressBook && i < kAddressBookTypes.size()));
    }
}

void Ttelefonbuch::present(const EditorSetup& setup, const EditorFields& f) {
    setup_ = setup;
    pages_->setCurrentIndex(0);
    layOutFurtherNumbers(f.further);
    applyLayout();

    name_->setValue(f.name);
    firstName_->setValue(f.firstName);
    standard_->setValue(f.standard.number);
    selectType(standardType_, f.standard.type);
    for (size_t i = 0; i < further_.size(); ++i) {
        further_[i].number->setValue(f.further[i].number);
        selectType(further_[i].type, f.further[i].type);
    }
    group_->clear();
    for (const CallerGroupChoice& choice : setup.groups) group_->addItem(choice.name);
    group_->setCurrentIndex(f.group);
    group_->setEnabled(setup.groupsEnabled);
    location_->setValue(f.location);
    memory_->clear();
    memory_->addItems(setup.memoryItems);
    memory_->setCurrentIndex(f.memoryItem);
    address_->setValue(f.address);
    street_->setValue(f.street);
    zipTown_->setValue(f.zipTown);
    country_->setValue(f.country);
    addressRest_ = f.addressRest;
    email_->setValue(f.email);
    url_->setValue(f.url);
    note_->setValue(f.note);
    company_->setValue(f.company);
    applyLanguage(this);
    open();
    name_->setFocus();
}

EditorFields Ttelefonbuch::fields() const {
    EditorFields f;
    f.name = name_->text();
    f.firstName = firstName_->text();
    f.standard = {standard_->text(), standardType_->currentData().toInt()};
    for (const NumberRow& row : further_) {
        f.further.push_back({row.number->text(), row.type->currentData().toInt()});
    }
    f.group = group_->currentIndex();
    f.location = location_->text();
    f.memoryItem = memory_->currentIndex();
    f.address = address_->value();
    f.street = street_->text();
    f.zipTown = zipTown_->text();
    f.country = country_->text();
    f.addressRest = addressRest_;
    f.email = email_->text();
    f.url = url_->text();
    f.note = note_->value();
    f.company = company_->text();
    return f;
}

void Ttelefonbuch::setLocationText(const QString& location) {
    location_->setValue(location);
}

void Ttelefonbuch::accept() {
    // The window decides whether the dialog closes.
    emit okPressed();
}

}  // namespace corvina
