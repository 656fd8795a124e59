// Entry fields whose length limit holds back typing only: a longer value
// loaded from a table shows whole (and is marked), so nothing is cut
// unasked. Number fields keep only what a number may hold, also when text
// is pasted into them.
#pragma once

#include <QLineEdit>
#include <QPlainTextEdit>

namespace corvina {

class FieldEdit : public QLineEdit {
  public:
    enum class Kind { Text, Number };

    explicit FieldEdit(Kind kind = Kind::Text, QWidget* parent = nullptr);
    void setLimit(int characters);
    int limit() const { return limit_; }
    // A value from the table: shown whole, marked when over the limit.
    void setValue(const QString& value);
    bool overLimit() const { return text().size() > limit_; }

  private:
    void edited(const QString& text);
    void showMark();

    Kind kind_;
    int limit_ = 32767;
    QString last_;
};

class FieldText : public QPlainTextEdit {
  public:
    // `lineBreaks` false: Enter does not start a new line (it is passed on
    // to the dialog, whose OK it presses).
    explicit FieldText(bool lineBreaks, QWidget* parent = nullptr);
    void setLimit(int characters);
    void setValue(const QString& value);
    // The lines joined by CR LF.
    QString value() const;
    bool overLimit() const { return toPlainText().size() > limit_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void changed();
    void showMark();

    bool lineBreaks_;
    int limit_ = 32767;
    QString last_;
    bool adjusting_ = false;
};

}  // namespace corvina
