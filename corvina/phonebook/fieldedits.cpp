#include "corvina/phonebook/fieldedits.h"

#include <QKeyEvent>

#include "corvina/language/language.h"
#include "corvina/phonebook/entryeditorrules.h"

namespace corvina {

namespace {

const char* const kOverLimitStyle = "background-color: rgb(255, 244, 200);";

QString overLimitHint(int limit) {
    return tx("eintrag_20",
              "Länger als die %1 Zeichen, die sich hier eingeben lassen; der Text "
              "bleibt vollständig erhalten.")
        .arg(limit);
}

// What typing may leave: never more than the limit, except that a longer
// value the field already held may be shortened or kept.
QString typed(const QString& candidate, const QString& before, int limit) {
    if (candidate.size() <= limit || candidate.size() <= before.size()) return candidate;
    if (before.size() >= limit) return before;
    return candidate.left(limit);
}

}  // namespace

FieldEdit::FieldEdit(Kind kind, QWidget* parent) : QLineEdit(parent), kind_(kind) {
    connect(this, &QLineEdit::textEdited, this, [this](const QString& text) { edited(text); });
}

void FieldEdit::setLimit(int characters) {
    limit_ = characters;
    showMark();
}

void FieldEdit::setValue(const QString& value) {
    last_ = value;
    setText(value);
    showMark();
}

void FieldEdit::edited(const QString& text) {
    const QString filtered = kind_ == Kind::Number ? filterNumberText(text) : text;
    const QString kept = typed(filtered, last_, limit_);
    if (kept != text) {
        const int cursor = cursorPosition() - (text.size() - kept.size());
        setText(kept);
        setCursorPosition(std::clamp(cursor, 0, static_cast<int>(kept.size())));
    }
    last_ = kept;
    showMark();
}

void FieldEdit::showMark() {
    setStyleSheet(overLimit() ? QString::fromLatin1(kOverLimitStyle) : QString());
    setToolTip(overLimit() ? overLimitHint(limit_) : QString());
}

FieldText::FieldText(bool lineBreaks, QWidget* parent)
    : QPlainTextEdit(parent), lineBreaks_(lineBreaks) {
    setTabChangesFocus(true);
    connect(this, &QPlainTextEdit::textChanged, this, [this] { changed(); });
}

void FieldText::setLimit(int characters) {
    limit_ = characters;
    showMark();
}

void FieldText::setValue(const QString& value) {
    QString text = value;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
    last_ = text;
    adjusting_ = true;
    setPlainText(text);
    adjusting_ = false;
    showMark();
}

QString FieldText::value() const {
    return toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

void FieldText::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && !lineBreaks_) {
        event->ignore();  // the dialog's default button takes it
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void FieldText::changed() {
    if (adjusting_) return;
    const QString text = toPlainText();
    const QString kept = typed(text, last_, limit_);
    if (kept != text) {
        adjusting_ = true;
        const int cursor = textCursor().position() - (text.size() - kept.size());
        setPlainText(kept);
        QTextCursor at = textCursor();
        at.setPosition(std::clamp(cursor, 0, static_cast<int>(kept.size())));
        setTextCursor(at);
        adjusting_ = false;
    }
    last_ = kept;
    showMark();
}

void FieldText::showMark() {
    setStyleSheet(overLimit() ? QString::fromLatin1(kOverLimitStyle) : QString());
    setToolTip(overLimit() ? overLimitHint(limit_) : QString());
}

}  // namespace corvina
