// The settings dialog: connection, message centre and picture messages,
// default operator, folders, language and sleep mode, and the data rate
// for Siemens ME45, C45 and S45. It reads the settings on every show and
// writes them only on OK.
#pragma once

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <functional>

#include "corvina/settings/settingsrecord.h"

namespace corvina {

class Thaupteinstellungsform : public QDialog {
    Q_OBJECT

  public:
    enum class Page { Connection, Messages, Operator, Folders, General, DataRate };

    explicit Thaupteinstellungsform(QWidget* parent = nullptr);

    // The serial ports offered (full device names); the system's by default.
    void setPortLister(std::function<QStringList()> lister) { listPorts_ = std::move(lister); }

    // Reads the settings into the controls and opens the dialog without
    // blocking. modelNumber/notConnected: the phone in use; firstPage: the
    // page of the active module.
    void showFor(uint8_t modelNumber, bool notConnected, Page firstPage = Page::Connection);

    // The settings as the controls have them (on top of the stored ones).
    TSettings collect() const;
    // The chosen data rate (19200 when none).
    int32_t chosenDataRate() const;

    QTabWidget* pages() const { return pages_; }
    QComboBox* portList() const { return ports_; }
    bool pageVisible(Page page) const;

    QCheckBox* tipOfTheDayBox() const { return tipOfTheDay_; }

    // OK: writes the settings and closes.
    void accept() override;

  signals:
    // OK: the settings have been written.
    void settingsSaved(const corvina::TSettings& settings, qint32 dataRate);
    // A language was chosen; it applies at once.
    void languageChosen(const QString& fileName);

  private:
    QWidget* buildConnectionPage();
    QWidget* buildMessagesPage();
    QWidget* buildOperatorPage();
    QWidget* buildFoldersPage();
    QWidget* buildGeneralPage();
    QWidget* buildDataRatePage();
    void load(const TSettings& settings);
    void chooseFolder(QLineEdit* field);

    std::function<QStringList()> listPorts_;
    TSettings stored_;
    bool loading_ = false;

    QTabWidget* pages_ = nullptr;
    QRadioButton* cable_ = nullptr;
    QRadioButton* dlr3_ = nullptr;
    QRadioButton* infrared_ = nullptr;
    QWidget* connectionGroup_ = nullptr;
    QComboBox* ports_ = nullptr;
    QLineEdit* smsCentre_ = nullptr;
    QRadioButton* largePicture_ = nullptr;
    QRadioButton* smallPicture_ = nullptr;
    QComboBox* operators_ = nullptr;
    QLineEdit* logoFolder_ = nullptr;
    QLineEdit* phonebookFolder_ = nullptr;
    QComboBox* languages_ = nullptr;
    QCheckBox* sleepMode_ = nullptr;
    QCheckBox* tipOfTheDay_ = nullptr;
    bool tipWasOn_ = false;
    QButtonGroup* rates_ = nullptr;
    QWidget* dataRatePage_ = nullptr;
};

}  // namespace corvina
