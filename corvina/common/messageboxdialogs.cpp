#include "corvina/common/messageboxdialogs.h"

#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

#include "corvina/language/language.h"

namespace corvina {

namespace {

QMessageBox::Icon iconOf(Severity severity) {
    switch (severity) {
        case Severity::Information:
            return QMessageBox::Information;
        case Severity::Warning:
            return QMessageBox::Warning;
        case Severity::Error:
            return QMessageBox::Critical;
        case Severity::Question:
            break;
    }
    return QMessageBox::Question;
}

QMessageBox* openBox(QWidget* parent, const Question& question) {
    auto* box = new QMessageBox(iconOf(question.severity), question.title, question.text,
                                QMessageBox::NoButton, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(parent ? Qt::WindowModal : Qt::ApplicationModal);
    const auto add = [box](QMessageBox::StandardButton button, const QString& text) {
        box->addButton(button)->setText(text);
    };
    switch (question.buttons) {
        case AnswerButtons::Ok:
            add(QMessageBox::Ok, tx("dialog_1", "OK"));
            break;
        case AnswerButtons::OkCancel:
            add(QMessageBox::Ok, tx("dialog_1", "OK"));
            add(QMessageBox::Cancel, tx("dialog_2", "Abbrechen"));
            break;
        case AnswerButtons::YesNo:
            add(QMessageBox::Yes, tx("dialog_3", "Ja"));
            add(QMessageBox::No, tx("dialog_4", "Nein"));
            break;
        case AnswerButtons::YesNoCancel:
            add(QMessageBox::Yes, tx("dialog_3", "Ja"));
            add(QMessageBox::No, tx("dialog_4", "Nein"));
            add(QMessageBox::Cancel, tx("dialog_2", "Abbrechen"));
            break;
    }
    return box;
}

Answer answerOf(int button) {
    switch (button) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        case QMessageBox::Cancel:
            return Answer::Cancel;
        default:
            return Answer::Ok;
    }
}

}  // namespace

UserDialogs messageBoxDialogs(QWidget* parent) {
    QPointer<QWidget> owner(parent);
    UserDialogs dialogs;
    dialogs.ask = [owner](const Question& question, std::function<void(Answer)> reply) {
        QMessageBox* box = openBox(owner, question);
        // Closing the box with Esc or its frame counts as the gentlest answer.
        const Answer dismissed = question.buttons == AnswerButtons::YesNo ? Answer::No
                                 : question.buttons == AnswerButtons::Ok  ? Answer::Ok
                                                                          : Answer::Cancel;
        auto answered = std::make_shared<bool>(false);
        QObject::connect(box, &QMessageBox::buttonClicked, box,
                         [box, reply, answered](QAbstractButton* button) {
                             *answered = true;
                             reply(answerOf(box->standardButton(button)));
                         });
        QObject::connect(box, &QObject::destroyed, [reply, answered, dismissed] {
            if (!*answered) reply(dismissed);
        });
        box->open();
    };
    dialogs.tell = [owner](const Question& question) { openBox(owner, question)->open(); };
    return dialogs;
}

}  // namespace corvina
