#include "corvina/reports/choicewidgets.h"

#include <QVBoxLayout>

namespace corvina {

QButtonGroup* radioGroup(QWidget* parent, QGroupBox*& box, const char* name, const QString& title,
                         const QStringList& captions) {
    box = new QGroupBox(title, parent);
    box->setObjectName(QString::fromLatin1(name));
    auto* layout = new QVBoxLayout(box);
    auto* group = new QButtonGroup(box);
    for (qsizetype i = 0; i < captions.size(); ++i) {
        auto* button = new QRadioButton(captions.at(i), box);
        button->setObjectName(QString::fromLatin1(name) + QString::number(i));
        group->addButton(button, int(i));
        layout->addWidget(button);
    }
    group->button(0)->setChecked(true);
    return group;
}

}  // namespace corvina
