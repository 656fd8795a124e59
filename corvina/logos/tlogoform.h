// The logo window: a folder tree, a search field and a grid of thumbnails,
// each picture already fitted to the logo size of the connected phone, and
// the commands that send the chosen file to the phone (directly or, for
// Nokia phones, as a smart message), remove logos, open the logo editor
// and manage the files.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPointer>
#include <QTreeView>
#include <QWidget>
#include <functional>
#include <optional>

#include "corvina/logos/logokinds.h"
#include "corvina/logos/logosend.h"
#include "corvina/logos/thumbnails.h"
#include "corvina/settings/settingsrecord.h"

class QFileSystemModel;

namespace corvina {

class CallSequence;
class CommandBar;
class ModuleRegistry;
class Tempfaengerform;
class Tgesamtform;
class Tgruppenwahlform;
class Tlogoeditorform;
class Tpicturesmsform;
class ThumbnailModel;

class Tlogoform : public QWidget {
    Q_OBJECT

  public:
    enum class Mode { Logos, Ringtones };

    explicit Tlogoform(Tgesamtform& shell, LogoCalls calls = LogoCalls::library());
    ~Tlogoform() override;

    // The command buttons of the phone's family.
    void bindCommands(CommandBar& commands);

    void openFolder(const QString& folder);
    QString folder() const { return folder_; }
    void setSearch(const QString& words);
    void setMode(Mode mode);
    Mode mode() const { return mode_; }
    void setKind(uint8_t kind);
    uint8_t kind() const { return kind_; }
    QSize currentLogoSize() const;
    void setFit(const FitSettings& fit);
    const FitSettings& fit() const { return fit_; }
    bool selectFile(const QString& path);
    QString currentFile() const;
    QStringList shownFiles() const;

    // The commands.
    void sendCurrent();
    void sendByMessage();
    void removeLogo();
    void editCurrent();
    // The logo editor's "Übertragen".
    void sendPicture(const QImage& picture, uint8_t kind);
    // The ringtone editor's "Übertragen": the file as it is, after the slot
    // question.
    void sendRingtoneFile(const QString& file);
    // Turns a ringtone file into the file to send (a MIDI file with several
    // tracks or channels into RTTTL text after the user's choice); `then`
    // gets the file, or nothing when the user cancelled or it failed.
    using RingtonePreparer =
        std::function<void(const QString& file, std::function<void(std::optional<QString>)> then)>;
    void setRingtonePreparer(RingtonePreparer preparer) { ringtonePreparer_ = std::move(preparer); }
    bool sending() const { return sending_; }

    // The file commands of the popup menu.
    void addCurrentToFavourites();
    void showFavourites();
    void copyCurrent();
    void moveCurrent();
    void deleteCurrent();
    void renameCurrent();

    ThumbnailCache& thumbnails() { return cache_; }
    QListView* grid() const { return grid_; }
    QLabel* previewLabel() const { return preview_; }
    QMenu* popupMenu() const { return menu_; }
    Tlogoeditorform* editor() const { return editor_; }
    Tempfaengerform* recipientDialog() const { return recipients_; }
    Tpicturesmsform* slotDialog() const { return slots_; }
    Tgruppenwahlform* groupDialog() const { return groups_; }
    LogoSender& sender() { return sender_; }
    // The operator line of the status bar.
    QString operatorStatusText() const;
    bool playsMidis() const;

  signals:
    // Seams for the ringtone editor: open it on the file; play a ".mid"
    // file the user selected (again: stop it); stop before a send.
    void ringtoneEditRequested(const QString& file);
    void midiSelected(const QString& file);
    void midiStopRequested();
    // A send ended (success, failure or cancelled).
    void sendFinished(const corvina::SendOutcome& outcome);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildMenu();
    // The popup menu's texts in the language in use.
    void menuTexts();
    void wireQuestions();
    void readFolder();
    // Opens the tree down to the folder in use and selects it.
    void showFolderInTree();
    void refreshThumbnails();
    void updatePreview();
    void updateStatus();
    void queryPhoneNetwork();
    void rebindCommands();
    void connectionChanged();
    void settingsChanged(const TSettings& settings);
    // Reports "not connected" (true) when no phone is there.
    bool refusedUnconnected();
    // The file fitted into the logo size; nothing, with the reason
    // reported, when it cannot be read.
    std::optional<QImage> fittedForSending(const QString& file);
    void startSend(const QString& what);
    void finishSend(const SendOutcome& outcome);
    void whenConnected(std::function<void()> work);
    // The ringtone as it goes out (see setRingtonePreparer).
    void prepareRingtone(const QString& file, std::function<void(QString)> then);
    // Tells what is missing; OK opens the settings on the page, and `then`
    // gets them once saved (and the phone connected again), `otherwise`
    // runs when the user cancels.
    void askForSetting(const QString& missing, int page, std::function<void(const TSettings&)> then,
                       std::function<void()> otherwise);
    void openSettingsFor(int page, std::function<void(const TSettings&)> then);
    void copyOrMove(bool move);
    void fileError(const QString& text);
    uint8_t modelNumber() const;
    bool notConnected() const;

    Tgesamtform& shell_;
    LogoCalls calls_;
    LogoSender sender_;
    CallSequence* networkCalls_ = nullptr;  // the phone's network for the status line
    ThumbnailCache cache_;
    TSettings settings_;
    QString phoneCode_;  // the network the phone reports, when the settings name none
    QString phoneOperatorName_;
    QString folder_;
    QString search_;
    Mode mode_ = Mode::Logos;
    uint8_t kind_ = lkOperator;
    FitSettings fit_;
    bool sending_ = false;
    bool treeFollows_ = false;  // the folder tree still loads its way to the folder
    CommandBar* commands_ = nullptr;

    QFileSystemModel* folders_ = nullptr;
    QTreeView* tree_ = nullptr;
    QLineEdit* searchField_ = nullptr;
    QListView* grid_ = nullptr;
    ThumbnailModel* model_ = nullptr;
    QLabel* preview_ = nullptr;
    QLabel* previewCaption_ = nullptr;
    QMenu* menu_ = nullptr;
    QAction* playMidis_ = nullptr;
    QList<QAction*> fitActions_;

    Tlogoeditorform* editor_ = nullptr;
    Tempfaengerform* recipients_ = nullptr;
    Tpicturesmsform* slots_ = nullptr;
    Tgruppenwahlform* groups_ = nullptr;
    QString lastRecipient_;
    QString lastMessageCode_;

    // The answers the open dialogs are waiting to give.
    std::function<void(std::optional<CallerGroup>)> groupAnswer_;
    std::function<void(std::optional<int>)> slotAnswer_;
    std::function<void(const TSettings&)> settingsAnswer_;
    std::function<void()> settingsCancelled_;
    std::vector<std::function<void()>> afterConnect_;
    RingtonePreparer ringtonePreparer_;
};

// The logo window as the module behind the "Logos & Töne" button.
void registerLogoModule(ModuleRegistry& registry);

}  // namespace corvina
