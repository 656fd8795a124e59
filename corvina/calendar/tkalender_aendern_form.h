// The note editor: a dialog over the calendar window that creates or
// changes one note, with the fields the connected phone family keeps. It
// opens without blocking; OK hands the note to the calendar window.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTimeEdit>
#include <optional>

#include "corvina/calendar/noteeditor.h"

namespace corvina {

class Tkalender_aendern_form : public QDialog {
    Q_OBJECT

  public:
    explicit Tkalender_aendern_form(QWidget* parent);

    // New mode: an empty note on the selected day.
    void openNew(uint8_t modelNumber, const QDate& selectedDay);
    // Changes note `index` of the table.
    void openNote(uint8_t modelNumber, const CalendarNote& note, int index, int shownYear);

    // OK as the button does; false when a message keeps the editor open.
    bool accept_();
    EditorValues values() const;
    void setValues(const EditorValues& values);
    bool newMode() const { return !index_.has_value(); }

    QLineEdit* textField() const { return text_; }
    QComboBox* typeBox() const { return type_; }
    QCheckBox* alarmBox() const { return alarm_; }
    QCheckBox* doneBox() const { return done_; }
    QCheckBox* silentBox() const { return silent_; }
    QComboBox* repeatBox() const { return repeat_; }
    QGroupBox* secondGroup() const { return second_; }
    QLineEdit* numberField() const { return number_; }
    QLineEdit* birthYearField() const { return birthYear_; }
    QDateEdit* alarmDateField() const { return alarmDate_; }
    QTimeEdit* startTimeField() const { return startTime_; }
    // The message a refusal showed last.
    QString lastMessage() const { return lastMessage_; }

  signals:
    // The note to append (index -1) or to put at `index`.
    void stored(const corvina::CalendarNote& note, int index);

  private:
    void prepare(uint8_t modelNumber);
    void applyLayout();
    void correctSilently();
    void fillRepeat(uint16_t repeat);

    uint8_t model_ = 24;
    std::optional<int> index_;
    std::optional<CalendarNote> original_;
    std::vector<uint16_t> repeatValues_;
    QString lastMessage_;

    QLineEdit* text_ = nullptr;
    QComboBox* type_ = nullptr;
    QGroupBox* first_ = nullptr;
    QDateEdit* startDate_ = nullptr;
    QTimeEdit* startTime_ = nullptr;
    QLabel* numberLabel_ = nullptr;
    QLineEdit* number_ = nullptr;
    QLabel* birthYearLabel_ = nullptr;
    QLineEdit* birthYear_ = nullptr;
    QGroupBox* second_ = nullptr;
    QDateEdit* alarmDate_ = nullptr;
    QTimeEdit* alarmTime_ = nullptr;
    QComboBox* repeat_ = nullptr;
    QCheckBox* alarm_ = nullptr;
    QCheckBox* done_ = nullptr;
    QCheckBox* silent_ = nullptr;
};

}  // namespace corvina
