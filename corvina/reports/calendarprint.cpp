// The choices of the calendar report and the dialog that offers them.
#include <QCheckBox>
#include <QHBoxLayout>

#include "corvina/language/language.h"
#include "corvina/reports/choicewidgets.h"
#include "corvina/reports/printchoices.h"
#include "corvina/reports/tdruckform.h"

namespace corvina {

namespace {

class CalendarChoices : public ReportChoices {
  public:
    CalendarChoices(std::vector<CalendarReportNote> notes, std::vector<Holiday> holidays, int year,
                    int month)
        : notes_(std::move(notes)), holidays_(std::move(holidays)), year_(year), month_(month) {
        setObjectName(QStringLiteral("kalenderauswahl"));
        auto* layout = new QHBoxLayout(this);
        QGroupBox* box = nullptr;
        range_ = radioGroup(
            this, box, "zeitraum", tx("druck_150", "Zeitraum"),
            {tx("druck_151", "Angezeigter Monat (%1)").arg(monthTitle(year, month)),
             tx("druck_152", "Angezeigtes Jahr (%1)").arg(year), tx("druck_153", "Alle Termine")});
        layout->addWidget(box);
        form_ = radioGroup(this, box, "form", tx("druck_154", "Form"),
                           {tx("druck_155", "Liste nach Datum"),
                            tx("druck_156", "Monatsblatt (eine Seite je Monat)")});
        holidayTick_ = new QCheckBox(tx("druck_157", "Feiertage drucken"), box);
        holidayTick_->setObjectName(QStringLiteral("feiertage"));
        holidayTick_->setChecked(true);
        box->layout()->addWidget(holidayTick_);
        layout->addWidget(box);
    }

    PrintDocument document() const override {
        CalendarReportOptions options;
        options.range = static_cast<CalendarRange>(range_->checkedId());
        options.year = year_;
        options.month = month_;
        options.holidays = holidayTick_->isChecked();
        if (form_->checkedId() == 1) {
            return monthSheetDocument(calendarMonthSheets(notes_, holidays_, options));
        }
        return reportDocument(calendarReport(notes_, holidays_, options));
    }

  private:
    std::vector<CalendarReportNote> notes_;
    std::vector<Holiday> holidays_;
    int year_;
    int month_;
    QButtonGroup* range_ = nullptr;
    QButtonGroup* form_ = nullptr;
    QCheckBox* holidayTick_ = nullptr;
};

}  // namespace

Tdruckform* openCalendarPrint(QWidget* parent, std::vector<CalendarReportNote> notes,
                              std::vector<Holiday> holidays, int year, int month) {
    return Tdruckform::openWith(
        parent, tx("druck_158", "Kalender drucken"),
        new CalendarChoices(std::move(notes), std::move(holidays), year, month));
}

}  // namespace corvina
