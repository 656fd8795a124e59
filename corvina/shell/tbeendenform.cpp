#include "corvina/shell/tbeendenform.h"

#include <QLabel>
#include <QVBoxLayout>

namespace corvina {

Tbeendenform::Tbeendenform(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("Tbeendenform"));
    setWindowTitle(QStringLiteral("Corvina"));
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(QStringLiteral("Beenden..."), this);
    label->setObjectName(QStringLiteral("beendenlabel"));
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumSize(220, 60);
    layout->addWidget(label);
}

}  // namespace corvina
