#include "corvina/shell/messagebox.h"

namespace corvina {

QMessageBox* showMessage(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                         const QString& text) {
    auto* box = new QMessageBox(icon, title, text, QMessageBox::Ok, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(parent ? Qt::WindowModal : Qt::ApplicationModal);
    box->show();
    return box;
}

QMessageBox* askOkCancel(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                         const QString& text, std::function<void()> then) {
    auto* box = new QMessageBox(icon, title, text, QMessageBox::Ok | QMessageBox::Cancel, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(parent ? Qt::WindowModal : Qt::ApplicationModal);
    box->setObjectName(QStringLiteral("frage"));
    QObject::connect(box, &QMessageBox::finished, box, [then = std::move(then)](int result) {
        if (result == QMessageBox::Ok) then();
    });
    box->show();
    return box;
}

}  // namespace corvina
