// The profile and divert windows against the simulated phones: reading,
// the editor's round trip through the phone's codes, unknown values,
// unanswered writes, divert writes with their read-back, refusals and
// time-outs. Also the screenshots of both windows.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>

#include "corvina/diverts/tumleitform.h"
#include "corvina/profiles/profiletexts.h"
#include "corvina/profiles/tprofilform.h"
#include "corvina/shell/twarteform.h"
#include "tests/corvina/e2e/simulatedprogram.h"
#include "tests/corvina/waitfor.h"

namespace corvina {
namespace {

using testing_support::waitFor;

// The message boxes open now, and closes them.
QStringList takeMessages() {
    QStringList texts;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible()) {
            texts << box->text();
            box->close();
        }
    }
    return texts;
}

// Requests of a type (and sub-code at byte 3, when given) so far.
int requestCount(const phonesim::Simulator& sim, uint8_t type, int subCode = -1) {
    int count = 0;
    for (const auto& request : sim.requests()) {
        if (request.type != type) continue;
        if (subCode < 0 || (request.body.size() > 3 && request.body[3] == subCode)) ++count;
    }
    return count;
}

// The program connected to the simulated phone, which holds `content`.
class PhoneWithContent : public SimulatedProgram {
  protected:
    bool connected(const phonesim::Fixture& content) {
        sim.editFixture([&](phonesim::Fixture& phone) { phone = content; });
        startProgram();
        return waitFor([&] { return shell->showsConnected(); });
    }
};

class ProfilesOnThePhone : public PhoneWithContent {
  protected:
    Tprofilform* openProfiles(size_t rows) {
        shell->selectModule(Module::Profiles);
        auto* window = qobject_cast<Tprofilform*>(shell->moduleWindow(Module::Profiles));
        EXPECT_NE(window, nullptr);
        if (!window) return nullptr;
        EXPECT_TRUE(waitFor([&] { return idle(window) && window->book().rows().size() == rows; }))
            << window->book().rows().size();
        return window;
    }
    bool idle(Tprofilform* window) {
        return !window->book().busy() && !shell->waitWindow().isVisible();
    }
    // Presses OK and waits until the profile has been written and read back.
    bool confirm(Tprofilform* window, Tprofedit* editor) {
        editor->OkClick();
        return waitFor([&] { return idle(window); });
    }
    QString cellText(Tprofilform* window, int row, int column) {
        auto* item = window->grid()->item(row, column);
        return item ? item->text() : QString();
    }
};

template <typename T>
void choose(T* control, int round) {
    control->setCurrentIndex(round % control->count());
}

void slide(QSlider* slider, int round) {
    if (slider)
        slider->setValue(slider->minimum() + round % (slider->maximum() - slider->minimum() + 1));
}

void tick(QCheckBox* box, bool on) {
    if (box) box->setCheckState(on ? Qt::Checked : Qt::Unchecked);
}

// Every control to its round-th choice, through the widgets.
void setControls(Tprofedit* editor, int round) {
    choose(editor->ringingModeBox(), round);
    choose(editor->ringtoneBox(), round);
    slide(editor->volumeSlider(), round);
    slide(editor->keypadSlider(), round + 1);
    if (editor->messageToneBox()) choose(editor->messageToneBox(), round + 2);
    tick(editor->warningBox(), round % 2 == 0);
    tick(editor->lightsBox(), round % 3 == 0);
    tick(editor->answerBox(), round % 2 == 1);
    tick(editor->vibrationBox(), round % 2 == 1);
    for (int group = 0; group < 5; ++group) {
        editor->groupList()->item(group)->setCheckState(((round + 1) >> group) & 1 ? Qt::Checked
                                                                                   : Qt::Unchecked);
    }
}

struct Model {
    const char* code;
    size_t rows;  // listed
    int last;     // the last profile the phone has
};

class EveryModel : public ProfilesOnThePhone, public ::testing::WithParamInterface<Model> {};

// Each choice of each control reaches the phone as its codes and comes back
// as the same controls, for both feature numberings and the model with three
// profiles.
TEST_P(EveryModel, EditorRoundTripThroughThePhone) {
    ASSERT_TRUE(connected(phonesim::Fixture::forModel(GetParam().code)));
    Tprofilform* window = openProfiles(GetParam().rows);
    ASSERT_NE(window, nullptr);
    const int row = GetParam().last;
    for (int round = 0; round < 6; ++round) {
        SCOPED_TRACE(round);
        Tprofedit* editor = window->editRow(row);
        ASSERT_NE(editor, nullptr);
        setControls(editor, round);
        const ProfileChoices set = editor->choices();
        ASSERT_TRUE(confirm(window, editor));
        EXPECT_TRUE(takeMessages().isEmpty());
        EXPECT_EQ(shell->statusText(Tgesamtform::StatusField::Middle),
                  "Profil wurde im Handy aktualisiert.");

        const phonesim::Profile stored = sim.fixture().data.profiles[row];
        EXPECT_EQ(stored.volume, *set.volume + 5);
        EXPECT_EQ(stored.keypadTones, *set.keypadTones == 0 ? 0xFF : *set.keypadTones - 1);
        EXPECT_EQ(stored.warningTones, *set.warningTones ? 0x04 : 0xFF);

        Tprofedit* again = window->editRow(row);
        ASSERT_NE(again, nullptr);
        const ProfileChoices read = again->choices();
        again->close();
        EXPECT_EQ(read.ringingMode, set.ringingMode);
        EXPECT_EQ(read.ringtone, set.ringtone);
        EXPECT_EQ(read.volume, set.volume);
        EXPECT_EQ(read.keypadTones, set.keypadTones);
        EXPECT_EQ(read.messageTone, set.messageTone);
        EXPECT_EQ(read.warningTones, set.warningTones);
        EXPECT_EQ(read.vibration, set.vibration);
        // The 3310 has its screen saver where the other models have lights,
        // caller groups and automatic answer: those stay off the phone.
        if (std::string(GetParam().code) != "NHM-5") {
            EXPECT_EQ(read.lights, set.lights);
            EXPECT_EQ(read.automaticAnswer, set.automaticAnswer);
            EXPECT_EQ(read.groups, set.groups);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Nokia61xx, EveryModel,
                         // The simulated 3310 leaves a seventh profile unanswered.
                         ::testing::Values(Model{"NSE-3", 7, 6}, Model{"NHM-5", 7, 5},
                                           Model{"NSE-1", 3, 2}),
                         [](const auto& info) { return std::string(info.param.code).erase(3, 1); });

TEST_F(ProfilesOnThePhone, UnknownVolumeIsAskedForAndARingtoneOutsideTheListKept) {
    auto fixture = phonesim::Fixture::forModel("NSE-3");
    fixture.data.profiles[2].volume = 0x03;    // no code the program knows
    fixture.data.profiles[3].ringtone = 0x42;  // no name: not in the list
    ASSERT_TRUE(connected(fixture));
    Tprofilform* window = openProfiles(7);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(cellText(window, 2, 3), "–");
    EXPECT_EQ(cellText(window, 3, 3), "Stufe 3");
    shell->resize(1280, 560);  // every column in view
    QCoreApplication::processEvents();
    screenshot(shell.get(), "corvina-profiles.png");

    sim.clearJournal();
    Tprofedit* editor = window->editRow(2);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->volumeLabel()->text(), "–");
    editor->OkClick();
    const QStringList asked = takeMessages();
    ASSERT_EQ(asked.size(), 1);
    EXPECT_TRUE(asked[0].endsWith("Lautstärke")) << asked[0].toStdString();
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(requestCount(sim, 0x05), 0);
    editor->close();

    editor = window->editRow(3);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->ringtoneBox()->currentText(), "66");
    editor->nameEdit()->setText("Kino 2");
    tick(editor->vibrationBox(), true);
    screenshot(editor, "corvina-profiles-editor.png");
    ASSERT_TRUE(confirm(window, editor));
    const phonesim::Profile stored = sim.fixture().data.profiles[3];
    EXPECT_EQ(stored.ringtone, 0x42);
    EXPECT_EQ(stored.vibration, 0x01);
    EXPECT_EQ(stored.name, "Kino 2");
    EXPECT_EQ(cellText(window, 3, 1), "Kino 2");
}

// "VIP" is part of "VIP 2": ticks come from the bit set, not the names.
TEST_F(ProfilesOnThePhone, CallerGroupsNamedVipAndVip2) {
    auto fixture = phonesim::Fixture::forModel("NSE-3");
    fixture.phonebook.callerGroups[0].name = "VIP";
    fixture.phonebook.callerGroups[1].name = "VIP 2";
    fixture.data.profiles[1].callerGroups = 0x02;
    fixture.data.profiles[1].ringingMode = 0x07;  // caller groups only
    ASSERT_TRUE(connected(fixture));
    Tprofilform* window = openProfiles(7);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(cellText(window, 1, 11), "VIP 2");
    Tprofedit* editor = window->editRow(1);
    ASSERT_NE(editor, nullptr);
    QListWidget* groups = editor->groupList();
    EXPECT_TRUE(groups->isEnabled());
    EXPECT_EQ(groups->item(0)->checkState(), Qt::Unchecked);
    EXPECT_EQ(groups->item(1)->checkState(), Qt::Checked);
    groups->item(0)->setCheckState(Qt::Checked);
    groups->item(1)->setCheckState(Qt::Unchecked);
    groups->item(2)->setCheckState(Qt::Checked);
    ASSERT_TRUE(confirm(window, editor));
    EXPECT_EQ(sim.fixture().data.profiles[1].callerGroups, 5);
    EXPECT_EQ(cellText(window, 1, 11), "VIP, Freunde");
}

TEST_F(ProfilesOnThePhone, AnUnansweredFeatureIsReportedAndTheRowReadAgain) {
    auto fixture = phonesim::Fixture::forModel("NSE-3");
    fixture.data.profiles[1].unansweredWrites = {4};  // the volume
    fixture.data.profiles[5].unansweredReads = {2};
    ASSERT_TRUE(connected(fixture));
    Tprofilform* window = openProfiles(7);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(cellText(window, 5, 1), "nicht gelesen");
    EXPECT_EQ(window->editRow(5), nullptr);  // nothing to edit from

    Tprofedit* editor = window->editRow(1);
    ASSERT_NE(editor, nullptr);
    editor->volumeSlider()->setValue(5);
    tick(editor->lightsBox(), false);
    sim.clearJournal();
    ASSERT_TRUE(confirm(window, editor));
    const QStringList messages = takeMessages();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith("Profil wurde nicht aktualisiert"))
        << messages[0].toStdString();
    EXPECT_EQ(requestCount(sim, 0x05, 0x10), 10);  // every feature was sent
    EXPECT_EQ(requestCount(sim, 0x05, 0x13), 10);  // and the row read again
    EXPECT_EQ(cellText(window, 1, 3), "Stufe 3");  // the phone kept its volume
    EXPECT_EQ(cellText(window, 1, 9), "Aus");
}

class DivertsOnThePhone : public PhoneWithContent {
  protected:
    Tumleitform* openDiverts() {
        shell->selectModule(Module::Diverts);
        return qobject_cast<Tumleitform*>(shell->moduleWindow(Module::Diverts));
    }
    bool idle(Tumleitform* window) {
        return waitFor([&] { return !window->book().busy() && !shell->waitWindow().isVisible(); });
    }
    QString cell(Tumleitform* window, int callClass, int reason) {
        return window->cellBox(callClass, reason)->currentText();
    }
};

TEST_F(DivertsOnThePhone, ReadSetAndReadBack) {
    auto fixture = phonesim::Fixture::forModel("NSE-3");
    fixture.data.diverts.refused = {{0, 1}};
    fixture.data.diverts.unanswered = {{2, 0}};
    fixture.data.diverts.notKept = {{2, 2}};
    fixture.data.diverts.active.push_back({0, 1, "+4930111", 0});
    ASSERT_TRUE(connected(fixture));
    Tumleitform* window = openDiverts();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(cell(window, 0, 0), "unbekannt");

    // The wait window names each divert as it is asked for.
    QStringList announced;
    QObject::connect(&shell->connection(), &ConnectionControl::divertProgress, window, [&] {
        announced << shell->waitWindow().divertTypeText() + " " +
                         shell->waitWindow().divertConditionText();
    });
    window->AlleAbfragenClick();
    ASSERT_TRUE(idle(window));
    EXPECT_EQ(announced.size(), 12);
    EXPECT_EQ(announced.value(0), "Sprache jeden Anruf...");
    EXPECT_EQ(announced.value(7), "Daten wenn keine\nRufannahme...");
    EXPECT_EQ(cell(window, 0, 3), "+491771234567");
    EXPECT_EQ(window->delayBox(0)->currentText(), "20 Sekunden");
    EXPECT_TRUE(window->delayBox(0)->isEnabled());
    EXPECT_EQ(cell(window, 0, 1), "unbekannt");  // refused query
    EXPECT_EQ(cell(window, 2, 0), "unbekannt");  // no answer
    EXPECT_EQ(cell(window, 1, 3), "nicht aktiviert");
    EXPECT_FALSE(window->delayBox(1)->isEnabled());
    EXPECT_TRUE(window->statusText().contains("Fax ..., jeden Anruf (keine Antwort)"))
        << window->statusText().toStdString();

    // No delay chosen yet: 5 s, never 0.
    window->numberEntered(1, 3, "+4930123456");
    ASSERT_TRUE(idle(window));
    EXPECT_EQ(takeMessages(), QStringList{"Umleitung wurde erfolgreich gesetzt!"});
    auto held = sim.fixture().data.diverts.active;
    auto data = std::ranges::find(held, phonesim::Divert{1, 3, "+4930123456", 5});
    EXPECT_NE(data, held.end());
    EXPECT_EQ(window->delayBox(1)->currentText(), "5 Sekunden");

    window->delayChosen(1, 20);
    ASSERT_TRUE(idle(window));
    takeMessages();
    held = sim.fixture().data.diverts.active;
    EXPECT_NE(std::ranges::find(held, phonesim::Divert{1, 3, "+4930123456", 20}), held.end());
    EXPECT_EQ(window->delayBox(1)->currentText(), "20 Sekunden");
    screenshot(window, "corvina-diverts.png");

    // A refusal keeps what the cell showed and says so.
    const int before = requestCount(sim, 0x06);
    window->numberEntered(0, 1, "+4930222");
    ASSERT_TRUE(idle(window));
    EXPECT_EQ(takeMessages(),
              QStringList{"Umleitung konnte nicht gesetzt werden!\nvom Netz abgelehnt"});
    EXPECT_EQ(cell(window, 0, 1), "unbekannt");
    EXPECT_EQ(window->statusText(), "Umleitung konnte nicht geändert werden. (vom Netz abgelehnt)");
    EXPECT_GT(requestCount(sim, 0x06), before);

    // An invalid number: the error box and no request.
    const int sent = requestCount(sim, 0x06);
    window->numberEntered(0, 0, "0172-abc");
    EXPECT_EQ(
        takeMessages(),
        QStringList{"Die angegebene Rufnummer ist ungültig!\nBitte überprüfen Sie Ihre Eingabe!"});
    EXPECT_EQ(requestCount(sim, 0x06), sent);
    EXPECT_EQ(cell(window, 0, 0), "nicht aktiviert");

    // Answered as done, but the network did not keep it: the read-back shows.
    window->numberEntered(2, 2, "0301234");
    ASSERT_TRUE(idle(window));
    const QStringList notKept = takeMessages();
    ASSERT_EQ(notKept.size(), 1);
    EXPECT_TRUE(notKept[0].endsWith("Fax ..., wenn nicht erreichbar: nicht aktiviert"))
        << notKept[0].toStdString();
    EXPECT_EQ(cell(window, 2, 2), "nicht aktiviert");
}

TEST_F(DivertsOnThePhone, AllOffAfterOneQuestion) {
    ASSERT_TRUE(connected(phonesim::Fixture::forModel("NHM-5")));
    Tumleitform* window = openDiverts();
    ASSERT_NE(window, nullptr);
    window->queryClass(0);
    ASSERT_TRUE(idle(window));
    window->numberEntered(0, 0, "0301234");
    ASSERT_TRUE(idle(window));
    takeMessages();
    ASSERT_FALSE(sim.fixture().data.diverts.active.empty());

    auto* question = qobject_cast<QMessageBox*>(window->AlleAusClick());
    ASSERT_NE(question, nullptr);
    question->button(QMessageBox::Yes)->click();
    ASSERT_TRUE(idle(window));
    // Its network refuses fax diverts: each failure is named, the rest is off.
    const QStringList report = takeMessages();
    ASSERT_EQ(report.size(), 1);
    EXPECT_TRUE(
        report[0].startsWith("Nicht ausgeschaltet:\nFax ..., jeden Anruf (vom Netz abgelehnt)"))
        << report[0].toStdString();
    EXPECT_TRUE(sim.fixture().data.diverts.active.empty());
    EXPECT_EQ(cell(window, 0, 0), "nicht aktiviert");
    EXPECT_EQ(cell(window, 1, 2), "nicht aktiviert");
}

}  // namespace
}  // namespace corvina
