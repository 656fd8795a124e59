#include "corvina/phonebook/phonedatatabs.h"

#include <QInputDialog>

#include "corvina/connection/connectioncontrol.h"
#include "corvina/connection/modelnumbers.h"
#include "corvina/language/language.h"
#include "corvina/language/languageapply.h"
#include "corvina/shell/tgesamtform.h"
#include "corvina/shell/twarteform.h"

namespace corvina {

namespace {

constexpr std::array<uint8_t, 3> kCallLists = {memReceived, memMissed, memDialled};

bool offersWap(uint8_t model) {
    return model == 12 || model == 13 || isNokia7110Family(model) || model == kNoModelYet;
}

// The input box of "&Als Kurzwahl", opened without waiting for it.
SpeedDials::KeyPrompt keyPrompt(QWidget* window) {
    return [window](std::function<void(std::optional<QString>)> reply) {
        auto* box = new QInputDialog(window);
        box->setObjectName(QStringLiteral("kurzwahlzuweisen"));
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->setWindowTitle(tx("kurzwahl_27", "Kurzwahl zuweisen"));
        box->setLabelText(tx("kurzwahl_28", "Kurzwahlnummer (2-9):"));
        QObject::connect(box, &QInputDialog::textValueSelected, box,
                         [reply](const QString& text) { reply(text); });
        QObject::connect(box, &QDialog::rejected, box, [reply] { reply(std::nullopt); });
        box->open();
    };
}

}  // namespace

PhoneDataTabs::PhoneDataTabs(Tgesamtform& shell, QTabWidget& tabs, PhonebookCalls calls,
                             UserDialogs dialogs, QWidget* window)
    : QObject(window),
      shell_(shell),
      tabs_(tabs),
      dialogs_(dialogs),
      window_(window),
      speedDials_(std::make_shared<SpeedDials>(
          calls, dialogs,
          SpeedDials::Phone{[&shell] { return shell.connection().modelNumber(); },
                            [&shell] {
                                return QString::fromStdString(
                                    shell.connection().phoneInfo().serialNumber);
                            }},
          keyPrompt(window))),
      callLists_(calls, [&shell] { return shell.connection().modelNumber(); }),
      wap_(calls) {
    wapPage_ = named(new WapPage(&tabs), "wapseite");
    tabs.addTab(wapPage_, tx("telefonbuchreiter_4", "Wap-Links"));
    speedDialPage_ = named(new SpeedDialPage(&tabs), "kurzwahlseite");
    tabs.addTab(speedDialPage_, tx("telefonbuchreiter_5", "Kurzwahl"));
    const std::array<QString, 3> captions = {tx("telefonbuchreiter_6", "Angenommene"),
                                             tx("telefonbuchreiter_7", "Verpasste"),
                                             tx("telefonbuchreiter_8", "Gewählte")};
    const std::array<const char*, 3> names = {"angenommeneseite", "verpassteseite",
                                              "gewaehlteseite"};
    for (size_t i = 0; i < kCallLists.size(); ++i) {
        auto* page = named(new CallListPage(kCallLists[i], &tabs), names[i]);
        tabs.addTab(page, captions[i]);
        callListPages_[i] = page;
        connect(page, &CallListPage::takeOverRequested, this, &PhoneDataTabs::takeOverRequested);
    }
    wapEditor_ = new TwapEditor(window);

    speedDialPage_->display(speedDials_->rows());
    speedDials_->changed = [this] { speedDialPage_->display(speedDials_->rows()); };
    speedDials_->status = [this](const QString& text) {
        shell_.setStatusText(Tgesamtform::StatusField::Middle, text);
    };
    connect(&tabs, &QTabWidget::currentChanged, this,
            [this](int index) { tabShown(tabs_.widget(index)); });
    connect(wapPage_, &WapPage::editRequested, this, &PhoneDataTabs::editWap);
    connect(wapPage_, &WapPage::deleteRequested, this, [this] {
        wap_.clear(wapPage_->markedRows());
        showWapRows();
    });
    connect(wapPage_->table(), &WapTable::linkDropped, this, [this](int row, const WapLink& link) {
        const QString notice = wap_.drop(row, link);
        showWapRows();
        if (!notice.isEmpty())
            dialogs_.tell({Severity::Information, tx("telefonbuch_115", "Hinweis"), notice});
    });
    connect(wapEditor_, &QDialog::accepted, this, [this] {
        wap_.store(wapEditor_->row(), wapEditor_->nameField()->text(),
                   wapEditor_->linkField()->text());
        showWapRows();
    });
}

CallListPage* PhoneDataTabs::callListPage(uint8_t memory) const {
    for (CallListPage* page : callListPages_) {
        if (page->memory() == memory) return page;
    }
    return nullptr;
}

bool PhoneDataTabs::active() const {
    QWidget* current = tabs_.currentWidget();
    return current == wapPage_ || current == speedDialPage_ ||
           std::find(callListPages_.begin(), callListPages_.end(), current) != callListPages_.end();
}

void PhoneDataTabs::updateTabs(uint8_t model) {
    tabs_.setTabVisible(tabs_.indexOf(wapPage_), offersWap(model));
    tabs_.setTabVisible(tabs_.indexOf(speedDialPage_), !isSiemens(model));
}

PhoneDataTabs::Offers PhoneDataTabs::offers() const {
    if (tabs_.currentWidget() != wapPage_) return {};
    return {true, true, wap_.hasRows()};
}

void PhoneDataTabs::tabShown(QWidget* page) {
    if (page == wapPage_) {
        const WapCatalogueRead catalogue = WapCatalogue::load();
        wapPage_->showCatalogue(catalogue.categories);
        // What is wrong with the catalogue file is said once per run.
        QStringList problems = catalogue.notices;
        if (!catalogue.error.isEmpty()) problems.prepend(catalogue.error);
        if (!catalogueTold_ && !problems.isEmpty()) {
            catalogueTold_ = true;
            dialogs_.tell(
                {Severity::Warning, tx("telefonbuch_115", "Hinweis"), problems.join(u'\n')});
        }
        return;
    }
    for (CallListPage* list : callListPages_) {
        if (list == page) readCallList(list);
    }
}

void PhoneDataTabs::begin(const QString& heading) {
    Twarteform& wait = shell_.waitWindow();
    wait.showPage(WaitPage::AddressBook, window_);
    wait.setHeading(heading);
    emit runningChanged();
}

void PhoneDataTabs::end(const QString& message) {
    shell_.waitWindow().finish();
    emit runningChanged();
    if (!message.isEmpty())
        dialogs_.tell({Severity::Warning, tx("telefonbuch_115", "Hinweis"), message});
}

void PhoneDataTabs::readCallList(CallListPage* page) {
    if (running() || (otherWorkRunning && otherWorkRunning()) ||
        shell_.connection().notConnected()) {
        return;
    }
    page->display({});
    begin(tabs_.tabText(tabs_.indexOf(page)));
    shell_.waitWindow().offerCancel([this] { callLists_.cancel(); });
    callLists_.progress = [this](int done, int total) {
        shell_.waitWindow().setProgressText(QStringLiteral("%1 / %2").arg(done).arg(total));
    };
    callLists_.read(page->memory(), [this, page](const QString& notice) {
        page->display(callLists_.rows(page->memory()));
        end(notice);
    });
}

void PhoneDataTabs::showWapRows() {
    wapPage_->display(wap_.rows());
    emit runningChanged();
}

void PhoneDataTabs::download() {
    if (tabs_.currentWidget() != wapPage_ || running() || shell_.connection().notConnected())
        return;
    begin(QStringLiteral("Wap-Links"));
    wap_.download([this](const QString& error) {
        showWapRows();
        end(error);
        shell_.setStatusText(Tgesamtform::StatusField::Middle,
                             tx("telefonbuch_45", "Download beendet!"));
    });
}

void PhoneDataTabs::upload() {
    if (tabs_.currentWidget() != wapPage_ || running() || shell_.connection().notConnected() ||
        !wap_.hasRows()) {
        return;
    }
    begin(QStringLiteral("Wap-Links"));
    wap_.upload([this](const QString& error) {
        end(error);
        if (error.isEmpty()) {
            shell_.setStatusText(Tgesamtform::StatusField::Middle, tx("wap_11", "Upload beendet!"));
        }
    });
}

void PhoneDataTabs::newEntry() {
    if (tabs_.currentWidget() != wapPage_) return;
    const WapBookmarks::Place place = wap_.newRow();
    if (!place.error.isEmpty()) {
        dialogs_.tell({Severity::Warning, tx("telefonbuch_115", "Hinweis"), place.error});
        return;
    }
    editWap(place.row);
}

void PhoneDataTabs::editWap(int row) {
    if (row < 0 || size_t(row) >= wap_.rows().size()) return;
    wapEditor_->present(row, wap_.rows()[size_t(row)]);
}

}  // namespace corvina
