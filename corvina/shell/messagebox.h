// Message boxes that do not block: they open over their parent and delete
// themselves when closed, so no nested event loop runs while they show.
#pragma once

#include <QMessageBox>
#include <QString>
#include <functional>

namespace corvina {

QMessageBox* showMessage(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                         const QString& text);

// An OK/Cancel question (object name "frage"); `then` runs after OK only.
QMessageBox* askOkCancel(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                         const QString& text, std::function<void()> then);

}  // namespace corvina
