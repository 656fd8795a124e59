#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QPushButton>
#include <QSignalSpy>
#include <QThread>
#include <mutex>

#include "corvina/connection/tassi.h"
#include "corvina/settings/settingsrecord.h"
#include "corvina/settings/thaupteinstellungsform.h"
#include "corvina/shell/commandbar.h"
#include "corvina/shell/tgesamtform.h"
#include "phonelib/api/notification.h"
#include "phonelib/api/status.h"
#include "tests/corvina/waitfor.h"

namespace corvina {
namespace {

using testing_support::waitFor;

// The main window with a scripted port search and phone identity.
class MainWindow : public ::testing::Test {
  protected:
    void SetUp() override { openSettingsStore()->clear(); }

    void storeSettings(int kind, const QString& port) {
        TSettings settings;
        settings.lastModel = kind;
        settings.comport = port;
        writeSettings(settings);
    }

    void create(CommandLine line = {}) {
        Tgesamtform::Options options;
        options.splash = false;
        options.commandLine = std::move(line);
        options.search.initport = [this](QObject*, const std::string& port, uint8_t kind, int32_t) {
            QThread::msleep(10);
            std::lock_guard lock(mutex_);
            calls_ << QString::fromStdString(port) + "/" + QString::number(kind);
            return answerOk_ ? uint8_t{phonelib::stDone} : uint8_t{phonelib::stNoAnswer};
        };
        options.search.listPorts = [] { return QStringList{"/dev/ttyS0"}; };
        options.search.portOpenError = [](std::string&) { return phonelib::PortOpenError::None; };
        options.phoneInfos = [this](TPhoneInfo& info) {
            info.modelCode = modelCode_;
            return uint8_t{phonelib::stDone};
        };
        shell = std::make_unique<Tgesamtform>(std::move(options));
    }
    int callCount() {
        std::lock_guard lock(mutex_);
        return calls_.size();
    }
    QStringList calls() {
        std::lock_guard lock(mutex_);
        return calls_;
    }
    void notify(int message) {
        QCoreApplication::postEvent(&shell->connection(),
                                    new phonelib::PhoneNotification(message, 0, 0));
        QCoreApplication::sendPostedEvents(&shell->connection());
    }
    QString left() const { return shell->statusText(Tgesamtform::StatusField::Left); }
    void registerFake(Module module, bool inClientArea = true) {
        ModuleDescriptor d;
        d.module = module;
        d.placedInClientArea = inClientArea;
        d.create = [](Tgesamtform&) { return new QWidget; };
        d.bindCommands = [](QWidget*, CommandBar& bar) { bar.bind(0, "Download", [] {}); };
        shell->modules().add(std::move(d));
    }

    std::atomic<bool> answerOk_{false};
    std::string modelCode_ = "NSE-3";
    std::mutex mutex_;
    QStringList calls_;
    std::unique_ptr<Tgesamtform> shell;
};

TEST_F(MainWindow, ConnectAndDisconnectDriveStatusLineAndSearch) {
    storeSettings(1, "/dev/ttyS0");
    create();
    QSignalSpy started(shell.get(), &Tgesamtform::startupFinished);
    shell->start();
    EXPECT_EQ(shell->versionText(), QStringLiteral("Corvina " CORVINA_VERSION));
    EXPECT_EQ(shell->connectionText(), "Nicht verbunden");
    EXPECT_EQ(shell->settingsButton()->toolTip(), "Nicht verbunden");
    ASSERT_TRUE(waitFor([&] { return started.size() == 1; }));
    EXPECT_TRUE(shell->isVisible());
    EXPECT_TRUE(shell->assistant().isVisible()) << "nothing found: the assistant explains";
    EXPECT_TRUE(shell->assistant().explanation().startsWith(
        "ES KONNTE KEIN HANDY MIT DER AKTUELLEN KONFIGURATION"));
    shell->assistant().choose(Tassi::Choice::Cancel);

    answerOk_ = true;
    ASSERT_TRUE(waitFor([&] { return shell->search().waitingForResume(); }));
    notify(phonelib::nfLinkUp);
    EXPECT_EQ(left(), "Nokia 61xx");
    EXPECT_EQ(shell->connectionText(), "Verbunden");
    EXPECT_TRUE(shell->showsConnected());
    EXPECT_EQ(shell->connection().modelNumber(), 14);
    notify(phonelib::nfSmsArrived);
    EXPECT_EQ(shell->statusText(Tgesamtform::StatusField::Middle),
              "Eine neue SMS ist auf dem Telefon eingegangen.")
        << "noticed without the message window";

    const int before = callCount();
    notify(phonelib::nfLinkLost);
    EXPECT_EQ(left(), "kein Mobiltelefon angeschlossen...");
    EXPECT_EQ(shell->connectionText(), "Nicht verbunden");
    ASSERT_TRUE(waitFor([&] { return callCount() > before; })) << "the search runs again";
    EXPECT_EQ(calls().last(), "/dev/ttyS0/1");
}

TEST_F(MainWindow, ModuleButtonsFollowRegistrationAndModel) {
    storeSettings(1, "/dev/ttyS0");
    create();
    registerFake(Module::Diverts, false);
    registerFake(Module::Profiles);
    registerFake(Module::Calendar);
    notify(phonelib::nfLinkLost);
    EXPECT_TRUE(shell->moduleButton(Module::Information)->isEnabled());
    EXPECT_TRUE(shell->moduleButton(Module::Phonebook)->isEnabled());
    EXPECT_TRUE(shell->moduleButton(Module::Messages)->isEnabled());
    EXPECT_TRUE(shell->moduleButton(Module::Diverts)->isEnabled());

    for (const char* code : {"ME45", "C45", "S45"}) {
        modelCode_ = code;
        notify(phonelib::nfLinkUp);
        EXPECT_FALSE(shell->moduleButton(Module::Diverts)->isEnabled()) << code;
        EXPECT_FALSE(shell->moduleButton(Module::Profiles)->isEnabled()) << code;
        EXPECT_TRUE(shell->moduleButton(Module::Calendar)->isEnabled()) << code;
    }
    for (const char* code : {"NSE-8", "NSE-1"}) {
        modelCode_ = code;
        notify(phonelib::nfLinkUp);
        EXPECT_FALSE(shell->moduleButton(Module::Calendar)->isEnabled()) << code;
        EXPECT_TRUE(shell->moduleButton(Module::Diverts)->isEnabled()) << code;
    }
    modelCode_ = "SL45";
    notify(phonelib::nfLinkUp);
    EXPECT_TRUE(shell->moduleButton(Module::Calendar)->isEnabled());
    EXPECT_TRUE(shell->moduleButton(Module::Profiles)->isEnabled());
}

TEST_F(MainWindow, ModulesArePlacedAndBindTheirCommands) {
    create();
    registerFake(Module::Profiles);
    shell->show();
    shell->selectModule(Module::Profiles);
    QWidget* profiles = shell->moduleWindow(Module::Profiles);
    ASSERT_NE(profiles, nullptr);
    EXPECT_FALSE(profiles->isWindow()) << "laid into the client area";
    EXPECT_EQ(profiles->geometry(), moduleGeometry(profiles->parentWidget()->size()));
    EXPECT_TRUE(shell->commandBar().button(0)->isVisibleTo(shell.get()));
    EXPECT_EQ(shell->commandBar().button(0)->text(), "Download");
    EXPECT_TRUE(shell->moduleButton(Module::Profiles)->isChecked());

    shell->selectModule(Module::Information);
    QWidget* info = shell->moduleWindow(Module::Information);
    ASSERT_NE(info, nullptr);
    EXPECT_TRUE(info->isWindow()) << "a window of its own";
    EXPECT_TRUE(info->isVisible());
    EXPECT_FALSE(profiles->isVisible());
    EXPECT_FALSE(shell->commandBar().button(0)->isVisibleTo(shell.get()));
    EXPECT_EQ(shell->activeModuleWindow(), info);
}

TEST_F(MainWindow, FirstStartAsksTheAssistantBeforeSearching) {
    create();
    shell->start();
    ASSERT_TRUE(shell->assistant().isVisible());
    EXPECT_TRUE(shell->assistant().isEnabled()) << "it can be answered";
    EXPECT_TRUE(shell->assistant().explanation().startsWith("Willkommen"));
    QCoreApplication::processEvents();
    EXPECT_EQ(callCount(), 0);
    answerOk_ = true;
    shell->assistant().choose(Tassi::Choice::AutomaticSearch);
    ASSERT_TRUE(waitFor([&] { return shell->search().waitingForResume(); }));
    EXPECT_EQ(calls().first(), "/dev/ttyS0/1");
    EXPECT_EQ(readSettings().comport, "/dev/ttyS0") << "a success is stored";
    EXPECT_TRUE(readSettings().hasLastModel);
}

TEST_F(MainWindow, APortFromTheCommandLineLeavesTheSettingsAlone) {
    CommandLine line;
    line.port = "/dev/pts/42";
    line.connectionKind = 2;
    create(line);
    answerOk_ = true;
    shell->start();
    ASSERT_TRUE(waitFor([&] { return shell->search().waitingForResume(); }));
    EXPECT_EQ(calls(), QStringList({"/dev/pts/42/2"}));
    EXPECT_FALSE(readSettings().hasLastModel);
    EXPECT_TRUE(readSettings().comport.isEmpty());
    EXPECT_FALSE(shell->assistant().isVisible()) << "no first-start assistant";
}

TEST_F(MainWindow, ClosingEndsTheSearchAndThenTheProgram) {
    storeSettings(1, "/dev/ttyS0");
    create();
    QSignalSpy finished(shell.get(), &Tgesamtform::shutdownFinished);
    shell->start();
    ASSERT_TRUE(waitFor([&] { return callCount() > 0; }));
    shell->close();
    ASSERT_TRUE(waitFor([&] { return finished.size() == 1; }));
    EXPECT_TRUE(shell->search().isFinished());
    EXPECT_FALSE(shell->isVisible());
}

TEST_F(MainWindow, InSleepModeClosingOnlyHides) {
    TSettings settings;
    settings.lastModel = 1;
    settings.sleepMode = true;
    writeSettings(settings);
    create();
    QSignalSpy finished(shell.get(), &Tgesamtform::shutdownFinished);
    shell->start();
    EXPECT_TRUE(shell->sleepMode());
    shell->show();
    shell->close();
    QCoreApplication::processEvents();
    EXPECT_EQ(finished.size(), 0) << "the program goes on";
    EXPECT_FALSE(shell->search().isFinished());
    shell->quitProgram();
    ASSERT_TRUE(waitFor([&] { return finished.size() == 1; }));
}

TEST_F(MainWindow, TheSettingsDialogStoresWhatItShowsAndRestartsTheSearch) {
    storeSettings(0, "/dev/ttyUSB7");
    create();
    shell->start();
    auto& dialog = shell->settingsDialog();
    dialog.setPortLister([] { return QStringList{"/dev/ttyS0", "/dev/ttyS1"}; });
    shell->assistant().choose(Tassi::Choice::ManualSettings);
    ASSERT_TRUE(dialog.isVisible());
    EXPECT_TRUE(dialog.isEnabled());
    EXPECT_FALSE(dialog.pageVisible(Thaupteinstellungsform::Page::DataRate))
        << "no Siemens ME45, C45 or S45 connected";
    EXPECT_EQ(dialog.portList()->currentText(), "/dev/ttyUSB7") << "the stored device is kept";
    EXPECT_EQ(dialog.portList()->count(), 3);
    if (qEnvironmentVariableIsSet("CORVINA_SCREENSHOT_DIR")) {
        dialog.grab().save(qEnvironmentVariable("CORVINA_SCREENSHOT_DIR") + "/settings.png");
    }
    dialog.portList()->setEditText("/dev/pts/9");
    const int before = callCount();
    dialog.accept();
    EXPECT_FALSE(dialog.isVisible());
    const TSettings stored = readSettings();
    EXPECT_EQ(stored.comport, "/dev/pts/9");
    EXPECT_EQ(stored.lastModel, 0) << "the Siemens cable stays an AT connection";
    EXPECT_EQ(stored.speed, 19200);
    ASSERT_TRUE(waitFor([&] { return calls().contains("/dev/pts/9/0"); }));
    EXPECT_GT(callCount(), before);
}

}  // namespace
}  // namespace corvina
