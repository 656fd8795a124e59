#include "corvina/reports/tdruckform.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

#include "corvina/help/helpcontext.h"
#include "corvina/language/language.h"
#include "corvina/language/languageapply.h"
#include "corvina/shell/messagebox.h"

namespace corvina {

namespace {

QString safeFileName(QString title) {
    static const QString forbidden = QStringLiteral("/\\:*?\"<>|");
    for (QChar& c : title) {
        if (forbidden.contains(c)) c = QLatin1Char('_');
    }
    return title.replace(QStringLiteral(" – "), QStringLiteral(" - ")).trimmed();
}

}  // namespace

Tdruckform::Tdruckform(QWidget* parent, const QString& caption, ReportChoices* choices)
    : QDialog(parent), choices_(choices), printer_(QPrinter::HighResolution) {
    setObjectName(QStringLiteral("Tdruckform"));
    setWindowTitle(caption);
    setHelpPage(this, QStringLiteral("print"));
    auto* layout = new QVBoxLayout(this);
    choices_->setParent(this);
    layout->addWidget(choices_);
    outcome_ = new QLabel(this);
    outcome_->setObjectName(QStringLiteral("ergebnis"));
    outcome_->setWordWrap(true);
    layout->addWidget(outcome_);

    auto* buttons = new QDialogButtonBox(this);
    auto* preview = named(
        buttons->addButton(tx("druck_110", "Vorschau"), QDialogButtonBox::ActionRole), "vorschau");
    auto* print = named(
        buttons->addButton(tx("druck_111", "Drucken"), QDialogButtonBox::ActionRole), "drucken");
    auto* pdf = named(
        buttons->addButton(tx("druck_112", "Als PDF speichern"), QDialogButtonBox::ActionRole),
        "pdf");
    named(buttons->addButton(tx("druck_113", "Abbrechen"), QDialogButtonBox::RejectRole),
          "abbrechen");
    connect(preview, &QPushButton::clicked, this, [this] { this->preview(); });
    connect(print, &QPushButton::clicked, this, [this] { this->print(); });
    connect(pdf, &QPushButton::clicked, this, [this] { saveAsPdf(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

Tdruckform* Tdruckform::openWith(QWidget* parent, const QString& caption, ReportChoices* choices) {
    auto* dialog = new Tdruckform(parent, caption, choices);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
    return dialog;
}

QPrintPreviewDialog* Tdruckform::preview() {
    const PrintDocument document = choices_->document();
    preparePages(printer_, document);
    if (!preview_) {
        preview_ = new QPrintPreviewDialog(&printer_, this);
        preview_->setAttribute(Qt::WA_DeleteOnClose);
        setHelpPage(preview_, QStringLiteral("print"));
    }
    disconnect(preview_, &QPrintPreviewDialog::paintRequested, nullptr, nullptr);
    connect(preview_, &QPrintPreviewDialog::paintRequested, this,
            [document](QPrinter* printer) { printOn(document, *printer); });
    preview_->setWindowTitle(tx("druck_114", "Vorschau") + QStringLiteral(" – ") + document.title);
    preview_->resize(900, 700);
    preview_->open();
    return preview_;
}

void Tdruckform::print() {
    preparePages(printer_, choices_->document());
    auto* dialog = new QPrintDialog(&printer_, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    setHelpPage(dialog, QStringLiteral("print"));
    connect(dialog, &QDialog::accepted, this, [this] { printAccepted(); });
    connect(dialog, &QDialog::rejected, this, [this] {
        outcome_->setText(tx("druck_115", "Drucken abgebrochen: es wurde nichts gedruckt."));
    });
    dialog->open();
}

void Tdruckform::printAccepted() {
    const PrintOutcome outcome = printOn(choices_->document(), printer_);
    report(outcome, tx("druck_116", "%1 Seite(n) an den Drucker gegeben.").arg(outcome.pages));
}

void Tdruckform::saveAsPdf() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString name = safeFileName(choices_->document().title) + QStringLiteral(".pdf");
    auto* dialog = new QFileDialog(this, tx("druck_112", "Als PDF speichern"),
                                   folder + QLatin1Char('/') + name, QStringLiteral("PDF (*.pdf)"));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setDefaultSuffix(QStringLiteral("pdf"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QFileDialog::fileSelected, this,
            [this](const QString& path) { savePdfTo(path); });
    dialog->open();
}

PrintOutcome Tdruckform::savePdfTo(const QString& path) {
    const PrintOutcome outcome = writePdf(choices_->document(), path);
    report(outcome, tx("druck_117", "%1 Seite(n) gespeichert in %2").arg(outcome.pages).arg(path));
    return outcome;
}

void Tdruckform::report(const PrintOutcome& outcome, const QString& success) {
    if (outcome.ok()) {
        outcome_->setText(success);
        return;
    }
    outcome_->setText(outcome.error);
    showMessage(this, QMessageBox::Critical, tx("druck_118", "Drucken"), outcome.error);
}

}  // namespace corvina
