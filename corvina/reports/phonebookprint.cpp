// The choices of the phonebook report and the dialog that offers them.
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>

#include "corvina/language/language.h"
#include "corvina/reports/choicewidgets.h"
#include "corvina/reports/printchoices.h"
#include "corvina/reports/tdruckform.h"

namespace corvina {

namespace {

class PhonebookChoices : public ReportChoices {
  public:
    PhonebookChoices(QString tableName, std::vector<PhonebookReportRow> rows)
        : tableName_(std::move(tableName)), rows_(std::move(rows)) {
        setObjectName(QStringLiteral("telefonbuchauswahl"));
        auto* layout = new QGridLayout(this);
        QGroupBox* box = nullptr;
        selection_ =
            radioGroup(this, box, "eintraege", tx("druck_120", "Einträge"),
                       {tx("druck_121", "Alle Einträge"), tx("druck_122", "Markierte Einträge")});
        const bool anyMarked =
            std::any_of(rows_.begin(), rows_.end(), [](const auto& row) { return row.marked; });
        selection_->button(1)->setEnabled(anyMarked);
        layout->addWidget(box, 0, 0);
        order_ = radioGroup(this, box, "reihenfolge", tx("druck_123", "Reihenfolge"),
                            {tx("druck_124", "nach Speicherplatz"), tx("druck_125", "nach Name")});
        layout->addWidget(box, 1, 0);
        columns_ = radioGroup(this, box, "spalten", tx("druck_126", "Spalten"),
                              {tx("druck_127", "Telefonliste"), tx("druck_128", "Alle 13 Spalten"),
                               tx("druck_129", "Gewählte Spalten:"),
                               tx("druck_130", "Kompakte Telefonliste (zweispaltig)")});
        auto* chosen = new QWidget(box);
        auto* chosenLayout = new QGridLayout(chosen);
        chosenLayout->setContentsMargins(20, 0, 0, 0);
        const QStringList headings = phonebookColumnHeadings();
        for (qsizetype c = 0; c < headings.size(); ++c) {
            auto* tick = new QCheckBox(headings.at(c), chosen);
            tick->setObjectName(QStringLiteral("spalte") + QString::number(c));
            tick->setChecked(c <= 3);
            chosenLayout->addWidget(tick, int(c / 3), int(c % 3));
            columnTicks_.push_back(tick);
        }
        static_cast<QVBoxLayout*>(box->layout())->insertWidget(3, chosen);
        chosen->setEnabled(false);
        connect(columns_, &QButtonGroup::idToggled, chosen,
                [this, chosen](int, bool) { chosen->setEnabled(columns_->checkedId() == 2); });
        layout->addWidget(box, 0, 1, 2, 1);
    }

    PrintDocument document() const override {
        PhonebookReportOptions options;
        options.tableName = tableName_;
        options.markedOnly = selection_->checkedId() == 1;
        options.byName = order_->checkedId() == 1;
        options.columns = static_cast<PhonebookColumns>(columns_->checkedId());
        for (size_t c = 0; c < columnTicks_.size(); ++c) {
            if (columnTicks_[c]->isChecked()) options.chosen << int(c);
        }
        return reportDocument(phonebookReport(rows_, options));
    }

  private:
    QString tableName_;
    std::vector<PhonebookReportRow> rows_;
    QButtonGroup* selection_ = nullptr;
    QButtonGroup* order_ = nullptr;
    QButtonGroup* columns_ = nullptr;
    std::vector<QCheckBox*> columnTicks_;
};

}  // namespace

Tdruckform* openPhonebookPrint(QWidget* parent, const QString& tableName,
                               std::vector<PhonebookReportRow> rows) {
    return Tdruckform::openWith(parent, tx("druck_131", "Telefonbuch drucken"),
                                new PhonebookChoices(tableName, std::move(rows)));
}

}  // namespace corvina
