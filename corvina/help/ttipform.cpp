#include "corvina/help/ttipform.h"

#include <QDebug>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "corvina/help/helpcatalogue.h"
#include "corvina/help/helpcontext.h"
#include "corvina/help/tipofday.h"
#include "corvina/language/language.h"
#include "corvina/language/languageapply.h"
#include "corvina/settings/tipstate.h"
#include "corvina/shell/messagebox.h"

namespace corvina {

Ttipform::Ttipform(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Ttipform"));
    setWindowTitle(QStringLiteral("Tip des Tages"));
    setHelpPage(this, QStringLiteral("tip"));
    auto* layout = new QVBoxLayout(this);
    heading_ = new QLabel(this);
    heading_->setObjectName(QStringLiteral("ueberschrift"));
    markDynamic(heading_);
    QFont bold = heading_->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    heading_->setFont(bold);
    layout->addWidget(heading_);
    text_ = new QLabel(this);
    text_->setObjectName(QStringLiteral("tiptext"));
    markDynamic(text_);
    text_->setWordWrap(true);
    text_->setMinimumSize(420, 110);
    text_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    text_->setFrameShape(QFrame::StyledPanel);
    text_->setMargin(10);
    text_->setBackgroundRole(QPalette::Base);
    text_->setAutoFillBackground(true);
    layout->addWidget(text_, 1);

    auto* row = new QHBoxLayout;
    atStart_ = new QCheckBox(QStringLiteral("Tips beim Start anzeigen"), this);
    atStart_->setObjectName(QStringLiteral("beimstart"));
    auto* next = new QPushButton(QStringLiteral("Nächster Tip"), this);
    next->setObjectName(QStringLiteral("naechster"));
    auto* close = new QPushButton(QStringLiteral("Schließen"), this);
    close->setObjectName(QStringLiteral("schliessen"));
    close->setDefault(true);
    row->addWidget(atStart_);
    row->addStretch();
    row->addWidget(next);
    row->addWidget(close);
    layout->addLayout(row);
    connect(next, &QPushButton::clicked, this, [this] { showNext(); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(atStart_, &QCheckBox::toggled, this, [this](bool on) { atStartToggled(on); });
}

bool Ttipform::showAtStart() {
    const int state = readTipNumber();
    return state > 0 && showFrom(state);
}

bool Ttipform::showAnyway() {
    const int state = readTipNumber();
    return showFrom(state > 0 ? state : next_);
}

bool Ttipform::showNext() {
    return showFrom(next_);
}

bool Ttipform::showFrom(int wanted) {
    const QString path = tipFilePath(helpLanguage());
    const auto file = readTipFile(path);
    if (!file) {
        qWarning().noquote() << "corvina: no tips of the day:"
                             << (path.isEmpty() ? QStringLiteral("tipofday.ini not found") : path);
        return false;
    }
    const auto tip = chooseTip(*file, wanted);
    if (!tip) {
        qWarning().noquote() << "corvina: the tip file holds no tips:" << path;
        return false;
    }
    number_ = tip->number;
    next_ = tip->next;
    heading_->setText(tx("tip_2", "Wussten Sie schon...?"));
    text_->setText(tip->text);
    const int state = readTipNumber();
    loading_ = true;
    atStart_->setChecked(state > 0);
    loading_ = false;
    if (state > 0) atStartToggled(true);
    show();
    raise();
    return true;
}

void Ttipform::atStartToggled(bool on) {
    if (loading_) return;
    QString error;
    if (!writeTipNumber(on ? next_ : 0, &error)) {
        showMessage(this, QMessageBox::Warning, tx("tip_3", "Tip des Tages"), error);
    }
}

}  // namespace corvina
