// How a module's logic talks to the user without blocking: it hands a
// question over together with what to do with the answer. The window shows
// message boxes; tests answer by script.
#pragma once

#include <QString>
#include <functional>

namespace corvina {

enum class Answer { Ok, Yes, No, Cancel };
enum class AnswerButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Severity { Information, Warning, Error, Question };

struct Question {
    Severity severity = Severity::Question;
    QString title;
    QString text;
    AnswerButtons buttons = AnswerButtons::Ok;
};

struct UserDialogs {
    // Shows the question; `reply` runs once with the answer.
    std::function<void(const Question&, std::function<void(Answer)> reply)> ask;
    // Shows a message; nothing waits for it.
    std::function<void(const Question&)> tell;
};

}  // namespace corvina
