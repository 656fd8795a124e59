#include "corvina/common/savetextdialog.h"

#include <QFileDialog>

namespace corvina {

void chooseTextFileToSave(QWidget* parent, std::function<void(const QString& path)> save) {
    auto* dialog = new QFileDialog(parent, QString(), QString(), QStringLiteral("Text (*.txt)"));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setDefaultSuffix(QStringLiteral("txt"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialog, &QFileDialog::fileSelected, parent, std::move(save));
    dialog->open();
}

}  // namespace corvina
