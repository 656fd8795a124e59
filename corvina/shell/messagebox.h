// Message boxes that do not block: they open over their parent and delete
// themselves when closed, so no nested event loop runs while they show.
#pragma once

#include <QMessageBox>
#include <QString>

namespace corvina {

QMessageBox* showMessage(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                         const QString& text);

}  // namespace corvina
