#include "corvina/shell/tgesamtform.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

#include "codecs/tools/cp1252.h"
#include "corvina/connection/connectionindicator.h"
#include "corvina/connection/searchtexts.h"
#include "corvina/connection/tassi.h"
#include "corvina/connection/tverbindungshilfe.h"
#include "corvina/help/helpcatalogue.h"
#include "corvina/help/helpcentre.h"
#include "corvina/help/helpcontext.h"
#include "corvina/help/thilfeform.h"
#include "corvina/help/ttipform.h"
#include "corvina/language/language.h"
#include "corvina/language/languageapply.h"
#include "corvina/language/languagefiles.h"
#include "corvina/settings/thaupteinstellungsform.h"
#include "corvina/shell/commandbar.h"
#include "corvina/shell/messagebox.h"
#include "corvina/shell/programversion.h"
#include "corvina/shell/sleeptray.h"
#include "corvina/shell/tbeendenform.h"
#include "corvina/shell/tsplash.h"
#include "corvina/shell/twarteform.h"
#include "phonelib/api/phonelib.h"

namespace corvina {

namespace {

constexpr int kMinimumColourDepth = 16;
constexpr QSize kMinimumScreen(800, 600);

struct ModuleButton {
    Module module;
    const char* name;
    const char* caption;
};

constexpr ModuleButton kModuleButtons[] = {
    {Module::Messages, "smsbutton", "SMS"},
    {Module::Logos, "logobutton", "Logos && Töne"},
    {Module::Calendar, "kalenderbutton", "Kalender"},
    {Module::Phonebook, "telefonbuchbutton", "Telefonbuch"},
    {Module::Diverts, "umleitungbutton", "Rufumleitung"},
    {Module::Profiles, "profilebutton", "Profile"},
    {Module::Information, "infobutton", "Info"},
};

// The library's default caller-group names: VIP, ten empty groups, then the
// two special names.
std::vector<std::string> defaultGroupNames() {
    std::vector<std::string> names(13);
    names[0] = tools::toCp1252(tx("hauptoberflaeche_666_5", "VIP"));
    names[11] = tools::toCp1252(tx("hauptoberflaeche_666_4", "Alle Anrufe"));
    names[12] = tools::toCp1252(tx("hauptoberflaeche_666_3", "Kein Signal"));
    return names;
}

// The search of one device given on the command line: the settings are
// neither read for the port nor written.
SearchPort::Dependencies pointedAt(SearchPort::Dependencies deps, const CommandLine& line) {
    const QString port = line.port;
    const std::optional<uint8_t> kind = line.connectionKind;
    deps.listPorts = [port] { return QStringList{port}; };
    auto readSetup = deps.readSetup;
    deps.readSetup = [port, kind, readSetup] {
        SearchSetup setup = readSetup();
        setup.storedPort = port;
        if (kind) setup.storedKind = *kind;
        return setup;
    };
    deps.storeResult = [](const QString&, uint8_t) {};
    return deps;
}

}  // namespace

Tgesamtform::Tgesamtform(Options options, QWidget* parent)
    : QMainWindow(parent), options_(std::move(options)), connection_(options_.phoneInfos) {
    setObjectName(QStringLiteral("Tgesamtform"));
    setWindowTitle(QStringLiteral("Corvina"));
    registerModules(registry_);

    auto* central = new QWidget(this);
    auto* layout = new QHBoxLayout(central);
    layout->addWidget(buildModuleColumn());
    clientArea_ = new QFrame(central);
    static_cast<QFrame*>(clientArea_)->setFrameShape(QFrame::StyledPanel);
    clientArea_->setAutoFillBackground(true);
    layout->addWidget(clientArea_, 1);
    welcome_ = new QLabel(clientArea_);
    welcome_->setAlignment(Qt::AlignCenter);
    welcome_->setWordWrap(true);
    auto* clientLayout = new QVBoxLayout(clientArea_);
    clientLayout->addWidget(welcome_);
    commands_ = new CommandBar(central);
    layout->addWidget(commands_);
    setCentralWidget(central);
    buildStatusLine();
    resize(860, 620);

    wait_ = new Twarteform(this);
    assistant_ = new Tassi(this);
    settings_ = new Thaupteinstellungsform(this);
    closing_ = new Tbeendenform(this);
    splash_ = new Tsplash;
    tray_ = new SleepTray(this);
    help_ = new HelpCentre(this, [this](QWidget* pressedIn) { return helpPageFor(pressedIn); });
    connectionHelp_ = new Tverbindungshilfe(searchRecord_, this);
    setHelpPage(settings_, QStringLiteral("settings"));
    setHelpPage(assistant_, QStringLiteral("connection"));
    setHelpPage(connectionHelp_, QStringLiteral("connection"));

    auto deps = options_.commandLine.pointsAtDevice()
                    ? pointedAt(options_.search, options_.commandLine)
                    : options_.search;
    search_ = std::make_unique<SearchPort>(&connection_, std::move(deps));
    connectSearch();
    connectConnection();

    connect(assistant_, &Tassi::chosen, this,
            [this](Tassi::Choice choice) { assistantChosen(static_cast<int>(choice)); });
    connect(settings_, &Thaupteinstellungsform::settingsSaved, this,
            [this](const TSettings& s, qint32 rate) { settingsSaved(s, rate); });
    connect(settings_, &Thaupteinstellungsform::languageChosen, this,
            [this](const QString& file) { loadLanguage(file); });
    connect(help_, &HelpCentre::connectionHelpRequested, this, [this] { openConnectionHelp(); });
    connect(connectionHelp_, &Tverbindungshilfe::searchAgainRequested, this, [this] {
        search_->setAutomatic(true);
        connection_.onDisConnected();
    });
    connect(connectionHelp_, &Tverbindungshilfe::settingsRequested, this,
            [this] { openSettings(); });
    connect(connectionHelp_, &Tverbindungshilfe::helpRequested, this,
            [this] { help_->openPage(QStringLiteral("connection")); });
    connect(splash_, &Tsplash::shownLongEnough, this, [this] { firstIdleStep(); });
    connect(tray_, &SleepTray::openRequested, this, [this] { restoreFromTray(); });
    connect(tray_, &SleepTray::quitRequested, this, [this] { quitProgram(); });
    connect(tray_, &SleepTray::sleepModeToggled, this, [this](bool on) {
        sleepMode_ = on;
        const auto store = openSettingsStore();
        TSettings settings = readSettings(*store);
        settings.sleepMode = on;
        writeSettings(*store, settings);
        if (!on) restoreFromTray();
    });
}

Tgesamtform::~Tgesamtform() {
    search_->stop();
    search_->wait();
    phonelib::detachHost(&connection_);
    delete splash_;
}

QWidget* Tgesamtform::buildModuleColumn() {
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    for (const ModuleButton& entry : kModuleButtons) {
        auto* button = new QPushButton(QString::fromUtf8(entry.caption), column);
        button->setObjectName(QString::fromLatin1(entry.name));
        button->setCheckable(true);
        button->setMinimumSize(120, 40);
        button->setEnabled(false);
        const Module module = entry.module;
        connect(button, &QPushButton::clicked, this, [this, module] { selectModule(module); });
        moduleButtons_.at(static_cast<int>(module)) = button;
        layout->addWidget(button);
    }
    layout->addStretch();
    settingsButton_ = new QPushButton(QStringLiteral("Einstellungen"), column);
    settingsButton_->setObjectName(QStringLiteral("einstellungenbutton"));
    settingsButton_->setMinimumSize(120, 32);
    connect(settingsButton_, &QPushButton::clicked, this, [this] { openSettings(); });
    helpButton_ = new QPushButton(QStringLiteral("Hilfe"), column);
    helpButton_->setObjectName(QStringLiteral("hilfebutton"));
    helpButton_->setMinimumSize(120, 32);
    connect(helpButton_, &QPushButton::clicked, this,
            [this] { help_->openPage(activeHelpPage()); });
    layout->addWidget(settingsButton_);
    layout->addWidget(helpButton_);
    return column;
}

void Tgesamtform::buildStatusLine() {
    leftStatus_ = new QLabel(this);
    leftStatus_->setMinimumWidth(320);
    middleStatus_ = new QLabel(this);
    version_ = new QLabel(this);
    indicator_ = new ConnectionIndicator(this);
    statusBar()->addWidget(leftStatus_, 2);
    statusBar()->addWidget(middleStatus_, 2);
    statusBar()->addPermanentWidget(indicator_);
    statusBar()->addPermanentWidget(version_);
}

void Tgesamtform::connectSearch() {
    SearchPort* search = search_.get();
    connect(search, &SearchPort::attemptStarted, this,
            [this](quint8 kind, const QString& port, qint32 baud) {
                searchRecord_.started(kind, port);
                setStatusText(StatusField::Left, searchStatusText(kind, port, baud));
            });
    connect(search, &SearchPort::attemptFailed, this,
            [this](const QString& port, phonelib::PortOpenError error, const QString& detail) {
                searchRecord_.failed(port, error, detail);
                if (connectionHelp_->isVisible()) connectionHelp_->refresh();
                connection_.setNotConnected(true);
                setStatusText(StatusField::Middle, portOpenErrorText(port, error, detail));
            });
    connect(search, &SearchPort::phoneFound, this, [this](const QString& port, quint8 kind) {
        searchRecord_.found(port, kind);
        if (connectionHelp_->isVisible()) connectionHelp_->refresh();
        connection_.setNotConnected(false);
        setStatusText(StatusField::Middle, QString());
    });
    connect(search, &SearchPort::searchPassEnded, this, [this] {
        searchPassEnded_ = true;
        firstIdleStep();
    });
    connect(search, &QThread::finished, this, [this] {
        if (shuttingDown_) finishShutdown();
    });
}

void Tgesamtform::connectConnection() {
    connect(&connection_, &ConnectionControl::disconnected, this, [this] { onDisConnected(); });
    connect(&connection_, &ConnectionControl::connected, this, [this] { OnConnected(); });
    connect(&connection_, &ConnectionControl::smsProgress, this, [this](qint64 value, int state) {
        if (wait_->isVisible()) wait_->smsProgress(value, state);
    });
    connect(&connection_, &ConnectionControl::divertProgress, this,
            [this](int type, int condition) {
                if (wait_->isVisible()) wait_->divertProgress(type, condition);
            });
    // Said here so that a message is noticed before the message window was
    // ever opened; that window, when open, follows with the sender.
    connect(&connection_, &ConnectionControl::smsArrived, this, [this] {
        setStatusText(StatusField::Middle,
                      tx("hauptoberflaeche3_1", "Eine neue SMS ist auf dem Telefon eingegangen."));
    });
    connect(&connection_, &ConnectionControl::exitRequested, this, [this] { quitProgram(); });
    connect(&connection_, &ConnectionControl::incompatibleSoftware, this, [this] {
        hide();
        splash_->hide();
        auto* box = showMessage(
            nullptr, QMessageBox::Critical, tx("hauptoberflaeche_7", "Achtung"),
            tx("hauptoberflaeche_8", "Ihr 7110 besitzt eine Software-Version, die mit ") +
                QStringLiteral("Corvina") + tx("hauptoberflaeche_9", " nicht kompatibel ist.") +
                QLatin1Char('\n') +
                tx("hauptoberflaeche_10", "Lassen Sie ein Update an Ihrem Handy durchführen, um ") +
                QStringLiteral("Corvina") + tx("hauptoberflaeche_11", " zu nutzen!"));
        connect(box, &QMessageBox::finished, this, [this] { quitProgram(); });
    });
}

void Tgesamtform::start() {
    setStatusText(StatusField::Left, tx("hauptoberflaeche2_6", "searching..."));
    version_->setText(programVersionText());
    showConnectionState();
    const CommandLine& line = options_.commandLine;
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen && screen->depth() < kMinimumColourDepth) {
        showMessage(
            this, QMessageBox::Warning, tx("hauptoberflaeche_12", "Farbtiefe"),
            QStringLiteral("Corvina") +
                tx("hauptoberflaeche_13",
                   " benötigt eine Farbtiefe von 16 Bit um korrekt dargestellt zu werden.") +
                QLatin1Char('\n') + tx("hauptoberflaeche_14", "Wenn sie fortfahren wird ") +
                QStringLiteral("Corvina") +
                tx("hauptoberflaeche_15", " evtl. Grafikfehler aufweisen."));
    }
    if (!line.sleepMode && options_.splash) splash_->start();

    const TSettings settings = readSettings();
    baudRate_ = settings.speed;
    if (!settings.language.isEmpty()) loadLanguage(settings.language);
    phonelib::setdefaultgsm_groupnames(defaultGroupNames());
    phonelib::setdefault_foldernames(tools::toCp1252(tx("sms_62", "Eingang")),
                                     tools::toCp1252(tx("sms_61", "Ausgang")));
    updateModuleButtons();

    if (!startupCheck()) return;
    sleepMode_ = settings.sleepMode || line.sleepMode;
    tray_->setSleepModeTicked(sleepMode_);
    if (QGuiApplication::queryKeyboardModifiers() & Qt::ShiftModifier) search_->holdAtStart();

    firstIdlePending_ = true;
    if (line.pointsAtDevice()) {
        search_->setAutomatic(!line.connectionKind.has_value());
        connection_.onDisConnected();
    } else if (settings.hasLastModel) {
        connection_.onDisConnected();
    } else {
        firstRunAssistant_ = true;
        splash_->hide();
        assistant_->ask(Tassi::Occasion::FirstStart);
    }
    if (line.sleepMode) hideToTray();
    QTimer::singleShot(0, this, [this] { firstIdleStep(); });
}

bool Tgesamtform::startupCheck() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return true;
    const QSize size = screen->size();
    if (size.width() >= kMinimumScreen.width() && size.height() >= kMinimumScreen.height()) {
        return true;
    }
    splash_->hide();
    auto* box = showMessage(
        nullptr, QMessageBox::Warning, tx("hauptoberflaeche_16", "Auflösung"),
        QStringLiteral("Corvina") +
            tx("hauptoberflaeche_17", " benötigt eine Auflösung von mindesten 800x600 Punkten!"));
    connect(box, &QMessageBox::finished, this, [this] { quitProgram(); });
    return false;
}

void Tgesamtform::firstIdleStep() {
    if (!firstIdlePending_) return;
    const bool searched = searchPassEnded_ || !connection_.notConnected();
    const bool splashOver = !splash_->isVisible() || splash_->done();
    if (!searched || !splashOver) return;
    firstIdlePending_ = false;
    splash_->close();
    if (!options_.commandLine.sleepMode) {
        if (connection_.notConnected()) assistant_->ask(Tassi::Occasion::NoPhoneFound);
        show();
        // The tip comes after the assistant's answer.
        if (assistant_->isVisible()) {
            tipAfterAssistant_ = true;
        } else {
            help_->showTipAtStart();
        }
    }
    emit startupFinished();
}

void Tgesamtform::assistantChosen(int choice) {
    const bool firstRun = firstRunAssistant_;
    firstRunAssistant_ = false;
    switch (static_cast<Tassi::Choice>(choice)) {
        case Tassi::Choice::AutomaticSearch:
            search_->setAutomatic(true);
            connection_.onDisConnected();
            break;
        case Tassi::Choice::Cancel:
            search_->setAutomatic(false);
            if (firstRun) connection_.onDisConnected();
            break;
        case Tassi::Choice::ManualSettings:
            search_->setAutomatic(false);
            if (firstRun) connection_.onDisConnected();
            openSettings();
            break;
        case Tassi::Choice::ConnectionHelp:
            openConnectionHelp();
            break;
    }
    if (std::exchange(tipAfterAssistant_, false)) help_->showTipAtStart();
}

void Tgesamtform::onDisConnected() {
    setStatusText(StatusField::Left,
                  tx("hauptoberflaeche_3", "kein Mobiltelefon angeschlossen..."));
    showConnectionState();
    updateModuleButtons();
    if (!shuttingDown_) search_->resumeSearch();
}

void Tgesamtform::OnConnected() {
    showConnectionState();
    setStatusText(StatusField::Left, connection_.modelName());
    updateModuleButtons();
    firstIdleStep();
}

void Tgesamtform::showConnectionState() {
    const bool connected = !connection_.notConnected();
    const QString text = connected ? tx("hauptoberflaeche_6", "Verbunden")
                                   : tx("hauptoberflaeche_4", "Nicht verbunden");
    indicator_->setConnected(connected, text);
    settingsButton_->setToolTip(text);
    showWelcome();
}

void Tgesamtform::showWelcome() {
    const QString phone = connection_.notConnected()
                              ? tx("hauptoberflaeche_63", "Kein Mobiltelefon verbunden")
                              : connection_.modelName();
    welcome_->setText(
        QStringLiteral("<p style='font-size:22pt'><b>") + phone.toHtmlEscaped() +
        QStringLiteral("</b></p><p>") +
        tx("hauptoberflaeche_64", "Wählen Sie links, was Sie bearbeiten möchten.").toHtmlEscaped() +
        QStringLiteral("</p>"));
}

bool Tgesamtform::showsConnected() const {
    return indicator_->connected();
}
QString Tgesamtform::connectionText() const {
    return indicator_->text();
}

void Tgesamtform::updateModuleButtons() {
    for (const ModuleButton& entry : kModuleButtons) {
        moduleButtons_.at(static_cast<int>(entry.module))
            ->setEnabled(registry_.contains(entry.module) &&
                         moduleAvailable(entry.module, connection_.modelNumber()));
    }
}

void Tgesamtform::setStatusText(StatusField field, const QString& text) {
    (field == StatusField::Left ? leftStatus_ : middleStatus_)->setText(text);
}

QString Tgesamtform::statusText(StatusField field) const {
    return (field == StatusField::Left ? leftStatus_ : middleStatus_)->text();
}

QString Tgesamtform::versionText() const {
    return version_->text();
}

QPushButton* Tgesamtform::moduleButton(Module module) const {
    return moduleButtons_.at(static_cast<int>(module));
}

QWidget* Tgesamtform::moduleWindow(Module module) const {
    const auto found = windows_.find(module);
    return found == windows_.end() ? nullptr : found->second.data();
}

QWidget* Tgesamtform::activeModuleWindow() const {
    return active_ ? moduleWindow(*active_) : nullptr;
}

void Tgesamtform::selectModule(Module module) {
    const ModuleDescriptor* descriptor = registry_.find(module);
    if (!descriptor) return;
    if (active_ && *active_ != module) {
        if (QWidget* previous = activeModuleWindow()) {
            const ModuleDescriptor* left = registry_.find(*active_);
            if (left && left->leave) {
                left->leave(previous);
            } else {
                previous->hide();
            }
        }
    }
    QWidget* window = moduleWindow(module);
    if (!window) {
        window = descriptor->create(*this);
        if (descriptor->placedInClientArea) window->setParent(clientArea_, Qt::Widget);
        windows_[module] = window;
        if (!descriptor->helpPage.isEmpty()) setHelpPage(window, descriptor->helpPage);
        applyLanguage(window);
    }
    active_ = module;
    for (const ModuleButton& entry : kModuleButtons) {
        moduleButton(entry.module)->setChecked(entry.module == module);
    }
    commands_->clear();
    if (descriptor->bindCommands) descriptor->bindCommands(window, *commands_);
    if (descriptor->placedInClientArea) {
        layoutModule();
    } else if (!window->isVisible()) {
        window->adjustSize();
        window->move(frameGeometry().topRight() + QPoint(8, 0));
    }
    window->show();
    window->raise();
}

void Tgesamtform::newPhonebookEntry(const QString& number) {
    if (!registry_.contains(Module::Phonebook)) return;
    selectModule(Module::Phonebook);
    emit phonebookEntryRequested(number);
}

void Tgesamtform::newMessageTo(const QString& number) {
    if (!registry_.contains(Module::Messages)) return;
    selectModule(Module::Messages);
    emit messageRequested(number);
}

void Tgesamtform::moduleClosed(Module module) {
    if (!active_ || *active_ != module) return;
    active_.reset();
    moduleButton(module)->setChecked(false);
    commands_->clear();
}

void Tgesamtform::createAllModuleWindows() {
    for (const ModuleButton& entry : kModuleButtons) {
        const ModuleDescriptor* descriptor = registry_.find(entry.module);
        if (!descriptor || moduleWindow(entry.module)) continue;
        QWidget* window = descriptor->create(*this);
        if (descriptor->placedInClientArea) window->setParent(clientArea_, Qt::Widget);
        window->hide();
        if (!descriptor->helpPage.isEmpty()) setHelpPage(window, descriptor->helpPage);
        windows_[entry.module] = window;
    }
}

void Tgesamtform::layoutModule() {
    if (!active_) return;
    const ModuleDescriptor* descriptor = registry_.find(*active_);
    QWidget* window = activeModuleWindow();
    if (descriptor && window && descriptor->placedInClientArea) {
        window->setGeometry(moduleGeometry(clientArea_->size()));
    }
}

void Tgesamtform::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    layoutModule();
}

QList<QWidget*> Tgesamtform::allWindows() const {
    QList<QWidget*> windows{const_cast<Tgesamtform*>(this),
                            wait_,
                            assistant_,
                            settings_,
                            closing_,
                            splash_,
                            &help_->window(),
                            &help_->tip(),
                            connectionHelp_};
    for (const auto& [module, window] : windows_) {
        if (!window) continue;
        windows << window.data();
        // The dialogs a module window keeps have sections of their own.
        for (QWidget* child : window->findChildren<QWidget*>()) {
            if (child->isWindow() && !child->objectName().isEmpty()) windows << child;
        }
    }
    return windows;
}

void Tgesamtform::loadLanguage(const QString& fileName) {
    if (!Language::current().load(languagePath(fileName))) return;
    for (QWidget* window : allWindows()) applyLanguage(window);
    tray_->retranslate();
    showConnectionState();
    help_->languageChanged();
    if (connectionHelp_->isVisible()) connectionHelp_->refresh();
}

QString Tgesamtform::activeHelpPage() const {
    const ModuleDescriptor* descriptor = active_ ? registry_.find(*active_) : nullptr;
    return descriptor && !descriptor->helpPage.isEmpty() ? descriptor->helpPage : kHelpStartPage;
}

QString Tgesamtform::helpPageFor(QWidget* pressedIn) const {
    const QString own = helpPageOf(pressedIn);
    return own.isEmpty() ? activeHelpPage() : own;
}

void Tgesamtform::openConnectionHelp() {
    connectionHelp_->showFacts();
}

void Tgesamtform::openSettings() {
    // The page of the module in view comes first.
    auto page = Thaupteinstellungsform::Page::Connection;
    if (active_ && activeModuleWindow() && activeModuleWindow()->isVisible()) {
        if (*active_ == Module::Messages) page = Thaupteinstellungsform::Page::Messages;
        if (*active_ == Module::Logos) page = Thaupteinstellungsform::Page::Operator;
    }
    settings_->showFor(connection_.modelNumber(), connection_.notConnected(), page);
}

void Tgesamtform::settingsSaved(const TSettings& settings, int32_t dataRate) {
    if (dataRate != baudRate_ && !connection_.notConnected()) {
        phonelib::changeconnectionspeed(dataRate);
        setStatusText(StatusField::Left, tx("haupteinstellungen_666_2",
                                            "Übertragungsgeschwindigkeit wird umgestellt ..."));
        connection_.setNotConnected(true);
        showConnectionState();
    }
    baudRate_ = dataRate;
    sleepMode_ = settings.sleepMode;
    tray_->setSleepModeTicked(sleepMode_);
    search_->settingsAccepted();
    emit settingsChanged(settings);
    connection_.onDisConnected();
}

void Tgesamtform::hideToTray() {
    if (!SleepTray::available()) {
        showMessage(this, QMessageBox::Information, tx("sleep_4", "Sleep Modus"),
                    tx("sleep_5",
                       "Es gibt hier keinen Infobereich (System-Tray): Corvina wird nur "
                       "minimiert."));
        showMinimized();
        return;
    }
    tray_->show();
    if (QWidget* module = activeModuleWindow(); module && module->isWindow()) module->hide();
    hide();
}

void Tgesamtform::restoreFromTray() {
    tray_->hide();
    showNormal();
    if (QWidget* module = activeModuleWindow(); module && module->isWindow()) module->show();
    raise();
    activateWindow();
}

void Tgesamtform::closeEvent(QCloseEvent* event) {
    if (shutdownDone_) {
        event->accept();
        return;
    }
    event->ignore();
    if (shuttingDown_) return;
    if (sleepMode_ && !quitRequested_) {
        hideToTray();
        return;
    }
    beginShutdown();
}

void Tgesamtform::quitProgram() {
    quitRequested_ = true;
    if (!shuttingDown_) beginShutdown();
}

bool Tgesamtform::moduleHoldsExit() {
    if (exitAgreed_) return false;
    for (const auto& [module, window] : windows_) {
        const ModuleDescriptor* descriptor = registry_.find(module);
        if (!window || !descriptor || !descriptor->holdExit) continue;
        const bool held = descriptor->holdExit(window, [this] {
            if (shuttingDown_) return;
            // Asked again for the next module with unsaved work, if any.
            if (!moduleHoldsExit()) {
                exitAgreed_ = true;
                beginShutdown();
            }
        });
        if (held) return true;
    }
    return false;
}

void Tgesamtform::beginShutdown() {
    if (moduleHoldsExit()) {
        if (isHidden()) restoreFromTray();
        return;
    }
    shuttingDown_ = true;
    for (const auto& [module, window] : windows_) {
        if (window && window->isWindow()) window->hide();
    }
    wait_->hide();
    splash_->hide();
    tray_->hide();
    hide();
    closing_->adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        closing_->move(screen->geometry().center() - closing_->rect().center());
    }
    closing_->show();
    search_->stop();
    if (!search_->isRunning()) finishShutdown();
}

void Tgesamtform::finishShutdown() {
    if (shutdownDone_) return;
    shutdownDone_ = true;
    closing_->hide();
    close();
    emit shutdownFinished();
}

}  // namespace corvina
