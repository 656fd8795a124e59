// The choices of the message report and the dialog that offers them.
#include <QHBoxLayout>

#include "corvina/language/language.h"
#include "corvina/reports/choicewidgets.h"
#include "corvina/reports/printchoices.h"
#include "corvina/reports/tdruckform.h"

namespace corvina {

namespace {

class MessageChoices : public ReportChoices {
  public:
    MessageChoices(QString shownFolder, std::vector<MessageReportRow> rows)
        : shownFolder_(std::move(shownFolder)), rows_(std::move(rows)) {
        setObjectName(QStringLiteral("smsauswahl"));
        auto* layout = new QHBoxLayout(this);
        QGroupBox* box = nullptr;
        const QString shown = shownFolder_.isEmpty()
                                  ? tx("druck_140", "Angezeigter Ordner")
                                  : tx("druck_141", "Angezeigter Ordner (%1)").arg(shownFolder_);
        folders_ = radioGroup(this, box, "ordner", tx("druck_142", "Ordner"),
                              {shown, tx("druck_143", "Alle Ordner")});
        layout->addWidget(box);
        selection_ = radioGroup(
            this, box, "nachrichten", tx("druck_144", "Nachrichten"),
            {tx("druck_145", "Alle Nachrichten"), tx("druck_146", "Markierte Nachrichten")});
        selection_->button(1)->setEnabled(
            std::any_of(rows_.begin(), rows_.end(), [](const auto& row) { return row.marked; }));
        layout->addWidget(box);
    }

    PrintDocument document() const override {
        MessageReportOptions options;
        options.folder = folders_->checkedId() == 0 ? shownFolder_ : QString();
        options.markedOnly = selection_->checkedId() == 1;
        return reportDocument(messageReport(rows_, options));
    }

  private:
    QString shownFolder_;
    std::vector<MessageReportRow> rows_;
    QButtonGroup* folders_ = nullptr;
    QButtonGroup* selection_ = nullptr;
};

}  // namespace

Tdruckform* openMessagePrint(QWidget* parent, const QString& shownFolder,
                             std::vector<MessageReportRow> rows) {
    return Tdruckform::openWith(parent, tx("druck_147", "SMS drucken"),
                                new MessageChoices(shownFolder, std::move(rows)));
}

}  // namespace corvina
