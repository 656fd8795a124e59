// The print selection dialog: the report's choices on top, then
// "Vorschau", "Drucken", "Als PDF speichern" and "Abbrechen". It opens
// without blocking; the print and file dialogs it opens do the same.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QPointer>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <memory>

#include "corvina/reports/printdocument.h"

namespace corvina {

// The choices of one report (which rows, which columns, which order); the
// dialog asks it for the document when a button is pressed.
class ReportChoices : public QWidget {
  public:
    using QWidget::QWidget;
    virtual PrintDocument document() const = 0;
};

class Tdruckform : public QDialog {
    Q_OBJECT

  public:
    // Takes the choices as its child.
    Tdruckform(QWidget* parent, const QString& caption, ReportChoices* choices);
    // Opens the dialog without blocking; it deletes itself when closed.
    static Tdruckform* openWith(QWidget* parent, const QString& caption, ReportChoices* choices);

    ReportChoices& choices() const { return *choices_; }
    // "Vorschau": the preview of what "Drucken" would print.
    QPrintPreviewDialog* preview();
    // "Drucken": the system's print dialog, then the printer.
    void print();
    // "Als PDF speichern": asks for the file, then savePdfTo.
    void saveAsPdf();
    PrintOutcome savePdfTo(const QString& path);
    // What the last action came to ("3 Seiten gedruckt.", an error, …).
    QString outcomeText() const { return outcome_->text(); }
    QPrinter& printer() { return printer_; }

  private:
    void printAccepted();
    void report(const PrintOutcome& outcome, const QString& success);

    ReportChoices* choices_;
    QLabel* outcome_;
    QPrinter printer_;
    QPointer<QPrintPreviewDialog> preview_;
};

}  // namespace corvina
