// The connection help "Verbindungshilfe": the serial devices of the
// system, the user's access to them, what the last search met on each port
// with each connection kind, and what to do about it. "Erneut suchen",
// "Einstellungen" and "Hilfe zur Verbindung" hand over to the main window.
#pragma once

#include <QTextBrowser>
#include <QWidget>
#include <functional>

#include "corvina/connection/connectiondiagnosis.h"

namespace corvina {

class Tverbindungshilfe : public QWidget {
    Q_OBJECT

  public:
    using PortLister = std::function<std::vector<SerialPortFact>()>;

    Tverbindungshilfe(const SearchRecord& record, QWidget* parent = nullptr);

    void setPortLister(PortLister lister) { listPorts_ = std::move(lister); }
    // Gathers the facts afresh and shows the window.
    void showFacts();
    // Gathers the facts afresh.
    void refresh();
    const std::vector<ConnectionAdvice>& advice() const { return advice_; }
    QString shownText() const { return page_->toPlainText(); }

  signals:
    void searchAgainRequested();
    void settingsRequested();
    void helpRequested();

  private:
    const SearchRecord& record_;
    PortLister listPorts_;
    QTextBrowser* page_;
    std::vector<ConnectionAdvice> advice_;
};

}  // namespace corvina
