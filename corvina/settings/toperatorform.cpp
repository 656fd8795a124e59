#include "corvina/settings/toperatorform.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>

#include "corvina/language/language.h"
#include "corvina/settings/operatorlist.h"
#include "corvina/shell/messagebox.h"

namespace corvina {

namespace {

QLabel* namedLabel(QWidget* parent, const char* name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

}  // namespace

Toperatorform::Toperatorform(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Toperatorform"));
    setWindowTitle(QStringLiteral("Operator hinzufügen"));
    auto* form = new QFormLayout(this);
    name_ = new QLineEdit(this);
    name_->setObjectName(QStringLiteral("name"));
    country_ = new QSpinBox(this);
    country_->setObjectName(QStringLiteral("land"));
    country_->setRange(1, 999);
    country_->setValue(262);
    net_ = new QSpinBox(this);
    net_->setObjectName(QStringLiteral("netz"));
    net_->setRange(0, 999);
    form->addRow(namedLabel(this, "namelabel", QStringLiteral("Name:")), name_);
    form->addRow(namedLabel(this, "landlabel", QStringLiteral("Landeskennzahl")), country_);
    form->addRow(namedLabel(this, "netzlabel", QStringLiteral("Netzkennzahl")), net_);
    auto* buttons = new QDialogButtonBox(this);
    auto* ok = buttons->addButton(QStringLiteral("Ok"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("okbutton"));
    auto* cancel = buttons->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("abbrechenbutton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

void Toperatorform::accept() {
    const QString name = name_->text().trimmed();
    if (name.isEmpty()) return;
    // The user's copy of the table takes the new row; the shipped table
    // stays as installed.
    const QString copy = userOperatorTablePath();
    if (!appendOperator(operatorTablePath(), copy, name, country_->value(), net_->value())) {
        showMessage(this, QMessageBox::Critical, tx("info_2", "Fehler"),
                    tx("operator_1", "Die Operatorliste konnte nicht geschrieben werden.") +
                        QLatin1Char('\r') + copy);
        return;
    }
    QDialog::accept();
    showMessage(parentWidget(), QMessageBox::Information, tx("operator_2", "Hinweis"),
                tx("operator_3",
                   "Daten wurden an das Ende der Liste eingefügt und stehen beim nächsten "
                   "Programmstart zur Verfügung"));
}

}  // namespace corvina
