#include "corvina/logos/tlogoform.h"

#include <QActionGroup>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QKeyEvent>
#include <QMetaMethod>
#include <QSplitter>
#include <QVBoxLayout>

#include "codecs/tools/cp1252.h"
#include "corvina/common/callsequence.h"
#include "corvina/common/tgruppenwahlform.h"
#include "corvina/connection/modelnumbers.h"
#include "corvina/help/helpcontext.h"
#include "corvina/language/language.h"
#include "corvina/language/languageapply.h"
#include "corvina/logos/logofolders.h"
#include "corvina/logos/picturefiles.h"
#include "corvina/logos/tempfaengerform.h"
#include "corvina/logos/thumbnailview.h"
#include "corvina/logos/tlogoeditorform.h"
#include "corvina/logos/tpicturesmsform.h"
#include "corvina/settings/thaupteinstellungsform.h"
#include "corvina/shell/commandbar.h"
#include "corvina/shell/commandtexts.h"
#include "corvina/shell/messagebox.h"
#include "corvina/shell/moduleregistry.h"
#include "corvina/shell/tgesamtform.h"
#include "corvina/shell/twarteform.h"
#include "phonelib/api/status.h"

namespace corvina {

namespace {

constexpr int kPreviewScale = 3;
constexpr int kShiftStep = 1;

// The buttons of the two command sets.
namespace nokia {
constexpr int kSend = 0, kByMessage = 1, kRemove = 2, kEdit = 3, kStartup = 4, kGroup = 5,
              kOperator = 6, kPicture = 7, kLogos = 8, kRingtones = 9;
}
namespace siemens {
constexpr int kSend = 0, kRemove = 1, kEdit = 2, kLogos = 3, kRingtones = 4, kScreensaver = 5,
              kOperator = 6;
}

QString achtung() {
    return tx("logos_75", "Achtung");
}

uint8_t smartKindOf(uint8_t kind) {
    switch (kind) {
        case lkCallerGroup:
            return skCallerGroupLogo;
        case lkPicture:
            return skPictureMessage;
        default:
            return skOperatorLogo;
    }
}

QMessageBox* question(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                      const QString& text, QMessageBox::StandardButtons buttons) {
    auto* box = new QMessageBox(icon, title, text, buttons, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    if (auto* ok = box->button(QMessageBox::Ok)) ok->setText(tx("logos_76", "OK"));
    if (auto* cancel = box->button(QMessageBox::Cancel))
        cancel->setText(tx("logos_58", "Abbrechen"));
    box->open();
    return box;
}

}  // namespace

Tlogoform::Tlogoform(Tgesamtform& shell, LogoCalls calls)
    : QWidget(&shell), shell_(shell), calls_(calls), sender_(calls, this) {
    setObjectName(QStringLiteral("Tlogoform"));
    setWindowTitle(QStringLiteral("Logos & Töne"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* splitter = new QSplitter(this);
    layout->addWidget(splitter);

    auto* left = new QWidget(splitter);
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    searchField_ = named(new QLineEdit(left), "suche");

    searchField_->setClearButtonEnabled(true);
    leftLayout->addWidget(searchField_);
    folders_ = new QFileSystemModel(this);
    folders_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    folders_->setRootPath(QDir::rootPath());
    // The tree shows the folder in use once its parents are read.
    connect(folders_, &QFileSystemModel::directoryLoaded, this, [this] {
        if (treeFollows_) showFolderInTree();
    });
    tree_ = named(new QTreeView(left), "ordner");
    tree_->setModel(folders_);
    for (int column = 1; column < folders_->columnCount(); ++column) tree_->hideColumn(column);
    tree_->setHeaderHidden(true);
    tree_->setSortingEnabled(true);
    tree_->sortByColumn(0, Qt::AscendingOrder);
    leftLayout->addWidget(tree_, 1);

    auto* right = new QWidget(splitter);
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    grid_ = makeThumbnailGrid(right);
    model_ = new ThumbnailModel(cache_, this);
    grid_->setModel(model_);
    rightLayout->addWidget(grid_, 1);
    previewCaption_ = new QLabel(right);
    preview_ = named(new QLabel(right), "vorschau");
    preview_->setAlignment(Qt::AlignCenter);
    preview_->setMinimumHeight(110);
    preview_->setStyleSheet(QStringLiteral("background: #c8d2b4; border: 1px solid #6f7760;"));
    rightLayout->addWidget(previewCaption_);
    rightLayout->addWidget(preview_);
    splitter->addWidget(left);
    splitter->addWidget(right);
    splitter->setStretchFactor(1, 3);
    splitter->setSizes({200, 560});

    networkCalls_ = new CallSequence(this);
    editor_ = new Tlogoeditorform(this, calls_.getBitmap);
    recipients_ = new Tempfaengerform(this);
    slots_ = new Tpicturesmsform(this);
    groups_ = new Tgruppenwahlform(this);
    setHelpPage(groups_, QStringLiteral("logos"));
    buildMenu();
    wireQuestions();
    grid_->installEventFilter(this);

    connect(tree_, &QTreeView::clicked, this,
            [this](const QModelIndex& index) { openFolder(folders_->filePath(index)); });
    connect(searchField_, &QLineEdit::textChanged, this, [this](const QString& words) {
        search_ = words.trimmed();
        readFolder();
    });
    connect(grid_->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] {
        updatePreview();
        const QString file = currentFile();
        if (mode_ == Mode::Ringtones && file.endsWith(QLatin1String(".mid"), Qt::CaseInsensitive) &&
            playsMidis()) {
            emit midiSelected(file);
        }
    });
    connect(grid_, &QListView::customContextMenuRequested, this, [this](const QPoint& at) {
        menuTexts();
        menu_->popup(grid_->viewport()->mapToGlobal(at));
    });
    connect(grid_, &QListView::activated, this, [this] { sendCurrent(); });
    connect(&cache_, &ThumbnailCache::ready, this, [this](const QString& path) {
        if (path == currentFile()) updatePreview();
    });
    connect(editor_, &Tlogoeditorform::transferRequested, this, &Tlogoform::sendPicture);
    connect(editor_, &Tlogoeditorform::statusText, this, [this](const QString& text) {
        shell_.setStatusText(Tgesamtform::StatusField::Middle, text);
    });
    connect(recipients_, &Tempfaengerform::sendRequested, this,
            [this](const QString& recipient, const QString& code, const QString& text) {
                lastRecipient_ = recipient;
                lastMessageCode_ = code;
                MessageJob job;
                job.recipient = recipient;
                job.operatorCode = code;
                job.text = text;
                job.settingsCentre = settings_.smsCentre;
                const auto send = [this](const MessageJob& ready) {
                    startSend(tx("logos_77", "SMS wird gesendet..."));
                    shell_.waitWindow().showPage(WaitPage::Messages);
                    sender_.sendMessage(ready, [this](const SendOutcome& outcome) {
                        shell_.waitWindow().finish();
                        finishSend(outcome);
                    });
                };
                if (mode_ == Mode::Ringtones) {
                    job.smartKind = skRingtone;
                    prepareRingtone(currentFile(), [send, job](const QString& file) mutable {
                        job.ringtoneFile = file;
                        send(job);
                    });
                    return;
                }
                const PictureResult fitted = fitPictureFile(currentFile(), currentLogoSize(), fit_);
                job.picture = fitted.image;
                job.smartKind = smartKindOf(kind_);
                send(job);
            });

    connect(&shell_.connection(), &ConnectionControl::connected, this, [this] {
        connectionChanged();
        auto waiting = std::move(afterConnect_);
        afterConnect_.clear();
        for (auto& work : waiting) work();
    });
    connect(&shell_.connection(), &ConnectionControl::disconnected, this,
            [this] { connectionChanged(); });
    connect(&shell_, &Tgesamtform::settingsChanged, this, &Tlogoform::settingsChanged);
    connect(&shell_.settingsDialog(), &QDialog::rejected, this, [this] {
        settingsAnswer_ = nullptr;
        if (auto cancelled = std::exchange(settingsCancelled_, nullptr)) cancelled();
    });

    settings_ = readSettings();
    setKind(lkOperator);
}

Tlogoform::~Tlogoform() = default;

void Tlogoform::buildMenu() {
    menu_ = new QMenu(this);
    menu_->setObjectName(QStringLiteral("popup"));
    const auto add = [this](const char* name, const QString& text, const QKeySequence& keys,
                            void (Tlogoform::*slot)()) {
        QAction* a = menu_->addAction(text);
        a->setParent(menu_);
        a->setObjectName(QString::fromLatin1(name));
        if (!keys.isEmpty()) {
            a->setShortcut(keys);
            a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
            addAction(a);
        }
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    add("favorithinzu", QStringLiteral("Zu Favoriten hinzufügen"), {},
        &Tlogoform::addCurrentToFavourites);
    add("favoritenzeigen", QStringLiteral("Favoriten anzeigen"), {}, &Tlogoform::showFavourites);
    menu_->addSeparator();
    add("kopieren", QStringLiteral("Datei kopieren"), QKeySequence(QStringLiteral("Ctrl+C")),
        &Tlogoform::copyCurrent);
    add("verschieben", QStringLiteral("Datei verschieben"), QKeySequence(QStringLiteral("Ctrl+X")),
        &Tlogoform::moveCurrent);
    add("loeschen", QStringLiteral("Datei löschen"), QKeySequence(Qt::Key_Delete),
        &Tlogoform::deleteCurrent);
    add("umbenennen", QStringLiteral("Datei umbenennen"), QKeySequence(QStringLiteral("Ctrl+R")),
        &Tlogoform::renameCurrent);
    menu_->addSeparator();
    auto* fits = new QActionGroup(this);
    for (const auto& [name, mode] :
         {std::pair{"proportional", tools::fmProportional},
          std::pair{"gestreckt", tools::fmStretched}, std::pair{"zentriert", tools::fmCentred}}) {
        QAction* a = menu_->addAction(fitModeName(mode));
        a->setParent(menu_);
        a->setObjectName(QString::fromLatin1(name));
        a->setCheckable(true);
        a->setData(mode);
        fits->addAction(a);
        fitActions_ << a;
        connect(a, &QAction::triggered, this, [this, mode] { setFit({mode, {}, {}}); });
    }
    menu_->addSeparator();
    playMidis_ = menu_->addAction(QStringLiteral("Midis abspielen"));
    playMidis_->setParent(menu_);
    playMidis_->setObjectName(QStringLiteral("midisabspielen"));
    playMidis_->setCheckable(true);
    playMidis_->setChecked(true);
}

void Tlogoform::menuTexts() {
    const std::pair<const char*, QString> texts[] = {
        {"favorithinzu", tx("logos_103", "Zu Favoriten hinzufügen")},
        {"favoritenzeigen", tx("logos_104", "Favoriten anzeigen")},
        {"kopieren", tx("logos_105", "Datei kopieren")},
        {"verschieben", tx("logos_106", "Datei verschieben")},
        {"loeschen", tx("logos_107", "Datei löschen")},
        {"umbenennen", tx("logos_108", "Datei umbenennen")},
        {"proportional", fitModeName(tools::fmProportional)},
        {"gestreckt", fitModeName(tools::fmStretched)},
        {"zentriert", fitModeName(tools::fmCentred)},
        {"midisabspielen", tx("logos_109", "Midis abspielen")},
    };
    for (const auto& [name, text] : texts) {
        if (auto* a = menu_->findChild<QAction*>(QString::fromLatin1(name))) a->setText(text);
    }
}

void Tlogoform::wireQuestions() {
    SendQuestions q;
    q.operatorCode = [this](std::function<void(QString)> answer) {
        askForSetting(
            tx("logos_78",
               "Sie müssen noch den Operator angeben bei dem das Logo angezeigt werden soll."),
            static_cast<int>(Thaupteinstellungsform::Page::Operator),
            [answer](const TSettings& s) { answer(s.operatorCode); }, [answer] { answer({}); });
    };
    q.operatorMismatch = [this](std::function<void()> goOn) {
        auto* box = question(
            this, QMessageBox::Warning, achtung(),
            tx("logos_80",
               "Der von Ihnen in den Einstellungen eingetragener Operator stimmt nicht "
               "mit dem Netz überein") +
                QLatin1Char('\n') +
                tx("logos_81",
                   "in dem Sie im Moment eingebucht sind! Evtl. wird das Logo nicht angezeigt"),
            QMessageBox::Ok);
        box->setObjectName(QStringLiteral("operatorwarnung"));
        connect(box, &QMessageBox::finished, this, [goOn](int) { goOn(); });
    };
    q.callerGroup = [this](std::function<void(std::optional<CallerGroup>)> answer) {
        groupAnswer_ = std::move(answer);
        groups_->choose(CallerGroupList::Logos);
    };
    q.slot = [this](bool ringtone, std::function<void(std::optional<int>)> answer) {
        slotAnswer_ = std::move(answer);
        slots_->choose(ringtone);
    };
    q.smsCentre = [this](std::function<void(QString)> answer) {
        askForSetting(
            tx("logos_82", "Sie müssen noch die SMS-Zentralennummer angeben.."),
            static_cast<int>(Thaupteinstellungsform::Page::Messages),
            [answer](const TSettings& s) { answer(s.smsCentre); }, [answer] { answer({}); });
    };
    sender_.setQuestions(std::move(q));

    connect(groups_, &Tgruppenwahlform::chosen, this, [this](int index, const QString& name) {
        if (auto answer = std::exchange(groupAnswer_, nullptr)) answer(CallerGroup{index, name});
    });
    connect(groups_, &Tgruppenwahlform::cancelled, this, [this] {
        if (auto answer = std::exchange(groupAnswer_, nullptr)) answer(std::nullopt);
    });
    connect(slots_, &Tpicturesmsform::chosen, this, [this](int slot) {
        if (auto answer = std::exchange(slotAnswer_, nullptr)) answer(slot);
    });
    connect(slots_, &Tpicturesmsform::cancelled, this, [this] {
        if (auto answer = std::exchange(slotAnswer_, nullptr)) answer(std::nullopt);
    });
}

void Tlogoform::askForSetting(const QString& missing, int page,
                              std::function<void(const TSettings&)> then,
                              std::function<void()> otherwise) {
    auto* box = question(this, QMessageBox::Warning, achtung(),
                         missing + QLatin1Char('\n') +
                             tx("logos_79", "Drücken Sie <OK> um dies jetzt vorzunehmenhaben."),
                         QMessageBox::Ok | QMessageBox::Cancel);
    connect(box, &QMessageBox::finished, this, [this, box, page, then, otherwise](int) {
        if (box->standardButton(box->clickedButton()) != QMessageBox::Ok) {
            otherwise();
            return;
        }
        openSettingsFor(page, then);
        settingsCancelled_ = otherwise;
    });
}

void Tlogoform::openSettingsFor(int page, std::function<void(const TSettings&)> then) {
    settingsAnswer_ = std::move(then);
    shell_.settingsDialog().showFor(modelNumber(), notConnected(),
                                    static_cast<Thaupteinstellungsform::Page>(page));
}

void Tlogoform::settingsChanged(const TSettings&) {
    // Read back from the store: only reading fills in the operator code.
    const TSettings settings = readSettings();
    settings_ = settings;
    settingsCancelled_ = nullptr;
    if (auto answer = std::exchange(settingsAnswer_, nullptr)) {
        // Saving the settings connects the phone anew; the send goes on then.
        whenConnected([answer, settings] { answer(settings); });
    }
    refreshThumbnails();
    updateStatus();
}

void Tlogoform::whenConnected(std::function<void()> work) {
    if (!notConnected()) {
        work();
    } else {
        afterConnect_.push_back(std::move(work));
    }
}

uint8_t Tlogoform::modelNumber() const {
    return shell_.connection().modelNumber();
}

bool Tlogoform::notConnected() const {
    return shell_.connection().notConnected();
}

QSize Tlogoform::currentLogoSize() const {
    if (mode_ == Mode::Ringtones) return {72, 14};
    return logoSize(modelNumber(), kind_, !settings_.smallPictureSms);
}

void Tlogoform::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    searchField_->setPlaceholderText(tx("logos_110", "Suchen (Wörter im Dateinamen)"));
    menuTexts();
    settings_ = readSettings();
    const QString start = collectionFolder(settings_.logoFolder);
    if (folder_.isEmpty() || !QFileInfo(folder_).isDir()) {
        openFolder(start);
    } else {
        readFolder();
    }
    connectionChanged();
}

void Tlogoform::closeEvent(QCloseEvent* event) {
    cache_.dropWaiting();
    shell_.setStatusText(Tgesamtform::StatusField::Middle, QString());
    QWidget::closeEvent(event);
}

void Tlogoform::connectionChanged() {
    // Siemens phones have no group or start-up logos, and a kind the phone
    // lacks is not kept.
    if (!kindOffered(modelNumber(), kind_)) setKind(lkOperator);
    refreshThumbnails();
    rebindCommands();
    queryPhoneNetwork();
    updateStatus();
    editor_->setContext(
        {modelNumber(), !settings_.smallPictureSms, settings_.operatorCode, folder_});
}

void Tlogoform::queryPhoneNetwork() {
    phoneCode_.clear();
    phoneOperatorName_.clear();
    if (notConnected() || !isNokia(modelNumber()) || !isVisible() || networkCalls_->running())
        return;
    auto info = std::make_shared<TNetWorkInfo>();
    networkCalls_->add([this, info] { return calls_.networkInfo(*info); },
                       [this, info](uint8_t status) {
                           if (status != phonelib::stDone) return;
                           phoneCode_ = networkCodeOf(*info);
                           phoneOperatorName_ =
                               tools::fromCp1252(info->networkOperator.operatorName);
                           updateStatus();
                       });
}

QString Tlogoform::operatorStatusText() const {
    QString name;
    if (!settings_.operatorCode.isEmpty()) {
        name = settings_.operatorCode;
    } else if (!phoneCode_.isEmpty()) {
        name = phoneCode_ + QStringLiteral(" (") +
               (phoneOperatorName_.isEmpty() ? tx("logos_83", "Netz des Handys")
                                             : phoneOperatorName_) +
               QStringLiteral(")");
    } else {
        name = tx("logos_84", "unbekannt");
    }
    return tx("logos_85", "Operator: ") + name + tx("logos_86", "             Stretchmodus: ") +
           fitModeName(fit_.mode);
}

void Tlogoform::updateStatus() {
    if (isVisible() && !sending_)
        shell_.setStatusText(Tgesamtform::StatusField::Middle, operatorStatusText());
}

void Tlogoform::bindCommands(CommandBar& commands) {
    commands_ = &commands;
    rebindCommands();
}

void Tlogoform::rebindCommands() {
    if (!commands_ || shell_.activeModuleWindow() != this) return;
    CommandBar& c = *commands_;
    c.clear();
    const bool ringtones = mode_ == Mode::Ringtones;
    const uint8_t model = modelNumber();
    const auto kindChoice = [&](int index, CommandText text, uint8_t kind) {
        c.bindChoice(index, commandText(text), !ringtones && kind_ == kind,
                     [this, kind] { setKind(kind); });
        c.setButtonEnabled(index, !ringtones && kindOffered(model, kind));
    };
    const auto edit = [&](int index) {
        c.bind(index,
               commandText(ringtones ? CommandText::RingtoneEditor : CommandText::LogoEditor),
               [this] { editCurrent(); });
    };
    const bool removable =
        !ringtones && (kind_ == lkOperator || kind_ == lkStartup || kind_ == lkScreensaver);
    if (!isSiemens(model)) {
        using namespace nokia;
        c.bind(kSend, commandText(CommandText::Upload), [this] { sendCurrent(); });
        c.setHint(kSend, tx("logos_87", "Sende Logo/Rufton zu Handy"));
        c.bind(kByMessage, commandText(CommandText::Send), [this] { sendByMessage(); });
        c.setHint(kByMessage, tx("logos_88", "per sms verschicken"));
        c.setButtonEnabled(kByMessage, ringtones || kind_ != lkStartup);
        c.bind(kRemove, commandText(CommandText::Delete), [this] { removeLogo(); });
        c.setButtonEnabled(kRemove, removable);
        edit(kEdit);
        kindChoice(kStartup, CommandText::StartUp, lkStartup);
        kindChoice(kGroup, CommandText::Group, lkCallerGroup);
        kindChoice(kOperator, CommandText::Operator, lkOperator);
        kindChoice(kPicture, CommandText::PicSms, lkPicture);
        c.bindChoice(kLogos, commandText(CommandText::Logos), !ringtones,
                     [this] { setMode(Mode::Logos); });
        c.bindChoice(kRingtones, commandText(CommandText::Ringtones), ringtones,
                     [this] { setMode(Mode::Ringtones); });
    } else {
        using namespace siemens;
        c.bind(kSend, commandText(CommandText::Upload), [this] { sendCurrent(); });
        c.setHint(kSend, tx("logos_87", "Sende Logo/Rufton zu Handy"));
        c.bind(kRemove, commandText(CommandText::Delete), [this] { removeLogo(); });
        c.setButtonEnabled(kRemove, removable);
        edit(kEdit);
        c.bindChoice(kLogos, commandText(CommandText::Logos), !ringtones,
                     [this] { setMode(Mode::Logos); });
        c.bindChoice(kRingtones, commandText(CommandText::Ringtones), ringtones,
                     [this] { setMode(Mode::Ringtones); });
        if (lacksDivertsAndProfiles(model) || model == kNoModelYet) {
            c.bindChoice(kScreensaver, tx("logos_89", "Schoner"),
                         !ringtones && kind_ == lkScreensaver, [this] { setKind(lkScreensaver); });
            c.setHint(kScreensaver, kindName(lkScreensaver));
            c.setButtonEnabled(kScreensaver, !ringtones);
            kindChoice(kOperator, CommandText::Operator, lkOperator);
        }
    }
    if (sending_) {
        for (int i = 0; i < CommandBar::kButtons; ++i) c.setButtonEnabled(i, false);
    }
}

void Tlogoform::setMode(Mode mode) {
    mode_ = mode;
    readFolder();
    rebindCommands();
}

void Tlogoform::setKind(uint8_t kind) {
    kind_ = kind;
    refreshThumbnails();
    rebindCommands();
}

void Tlogoform::setFit(const FitSettings& fit) {
    fit_ = fit;
    for (QAction* a : fitActions_) a->setChecked(a->data().toInt() == fit.mode);
    refreshThumbnails();
    updateStatus();
}

void Tlogoform::refreshThumbnails() {
    cache_.setTarget(currentLogoSize(), fit_);
    model_->refit();
    grid_->viewport()->update();
    updatePreview();
}

void Tlogoform::openFolder(const QString& folder) {
    folder_ = folder;
    treeFollows_ = true;
    // The model reads the folder and its parents first.
    folders_->setRootPath(folder);
    showFolderInTree();
    editor_->setContext(
        {modelNumber(), !settings_.smallPictureSms, settings_.operatorCode, folder_});
    readFolder();
}

void Tlogoform::showFolderInTree() {
    const QModelIndex index = folders_->index(folder_);
    if (!index.isValid()) return;
    for (QModelIndex parent = index.parent(); parent.isValid(); parent = parent.parent())
        tree_->expand(parent);
    tree_->setCurrentIndex(index);
    tree_->scrollTo(index, QAbstractItemView::PositionAtCenter);
    // Once it shows, the tree is the user's again.
    treeFollows_ = !tree_->visualRect(index).isValid();
}

void Tlogoform::setSearch(const QString& words) {
    searchField_->setText(words);
}

void Tlogoform::readFolder() {
    const QString current = currentFile();
    const bool ringtones = mode_ == Mode::Ringtones;
    model_->setFiles(listFiles(folder_, ringtones ? ringtoneFileMask() : logoFileMask(), search_),
                     ringtones);
    if (!selectFile(current) && model_->rowCount() > 0) grid_->setCurrentIndex(model_->index(0));
    updatePreview();
}

bool Tlogoform::selectFile(const QString& path) {
    const int row = model_->rowOf(path);
    if (row < 0) return false;
    grid_->setCurrentIndex(model_->index(row));
    grid_->scrollTo(model_->index(row));
    return true;
}

QString Tlogoform::currentFile() const {
    return grid_->currentIndex().data(ThumbnailModel::PathRole).toString();
}

QStringList Tlogoform::shownFiles() const {
    return model_->files();
}

bool Tlogoform::playsMidis() const {
    return playMidis_->isChecked();
}

void Tlogoform::updatePreview() {
    const QString file = currentFile();
    if (file.isEmpty()) {
        previewCaption_->clear();
        preview_->clear();
        return;
    }
    if (mode_ == Mode::Ringtones) {
        previewCaption_->setText(QFileInfo(file).fileName());
        preview_->setText(QStringLiteral("♪"));
        return;
    }
    const QSize size = currentLogoSize();
    previewCaption_->setText(QStringLiteral("%1 – %2 × %3, %4")
                                 .arg(QFileInfo(file).fileName())
                                 .arg(size.width())
                                 .arg(size.height())
                                 .arg(fitModeName(fit_.mode)));
    const PictureResult* made = cache_.find(file);
    if (!made) {
        cache_.request(file, true);
        preview_->clear();
        return;
    }
    if (!made->ok()) {
        preview_->setText(undisplayableText() + QStringLiteral("\n") + made->problem);
        return;
    }
    preview_->setPixmap(QPixmap::fromImage(made->image.scaled(made->image.size() * kPreviewScale)));
}

bool Tlogoform::eventFilter(QObject* watched, QEvent* event) {
    if (watched != grid_ || event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    const bool ctrl = key->modifiers() & Qt::ControlModifier;
    const bool shift = key->modifiers() & Qt::ShiftModifier;
    if (key->key() == Qt::Key_F5) {
        readFolder();
        return true;
    }
    if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && !ctrl) {
        sendCurrent();
        return true;
    }
    if (!ctrl) return false;
    if (key->key() == Qt::Key_Tab) {
        setFit({nextFitMode(fit_.mode), {}, {}});
        return true;
    }
    QPoint step;
    switch (key->key()) {
        case Qt::Key_Left:
            step = {-kShiftStep, 0};
            break;
        case Qt::Key_Right:
            step = {kShiftStep, 0};
            break;
        case Qt::Key_Up:
            step = {0, -kShiftStep};
            break;
        case Qt::Key_Down:
            step = {0, kShiftStep};
            break;
        default:
            return false;
    }
    FitSettings fit = fit_;
    if (shift) {
        fit.zoom += step;
    } else {
        fit.shift += step;
    }
    setFit(fit);
    return true;
}

void Tlogoform::startSend(const QString& what) {
    sending_ = true;
    emit midiStopRequested();
    shell_.setStatusText(Tgesamtform::StatusField::Middle, what);
    rebindCommands();
}

void Tlogoform::finishSend(const SendOutcome& outcome) {
    sending_ = false;
    rebindCommands();
    if (outcome.kind == SendOutcome::Kind::Success) {
        shell_.setStatusText(Tgesamtform::StatusField::Middle, outcome.text);
    } else {
        updateStatus();
        if (outcome.kind == SendOutcome::Kind::Failure) {
            auto* box = showMessage(this, QMessageBox::Warning, achtung(), outcome.text);
            box->setObjectName(QStringLiteral("sendefehler"));
            shell_.setStatusText(Tgesamtform::StatusField::Middle,
                                 outcome.text.section('\n', 0, 0));
        }
    }
    emit sendFinished(outcome);
}

bool Tlogoform::refusedUnconnected() {
    if (!notConnected()) return false;
    finishSend({SendOutcome::Kind::Failure,
                phonelib::stNotConnected,
                sendFailureText(phonelib::stNotConnected, false),
                {}});
    return true;
}

std::optional<QImage> Tlogoform::fittedForSending(const QString& file) {
    const PictureResult fitted = fitPictureFile(file, currentLogoSize(), fit_);
    if (fitted.ok()) return fitted.image;
    finishSend(
        {SendOutcome::Kind::Failure,
         phonelib::stFileUnreadable,
         tx("logos_91", "Die Datei \"%1\" wird nicht gesendet: ").arg(QFileInfo(file).fileName()) +
             fitted.problem,
         {}});
    return std::nullopt;
}

void Tlogoform::sendCurrent() {
    if (sending_) return;
    const QString file = currentFile();
    if (file.isEmpty()) return;
    if (mode_ == Mode::Ringtones) {
        if (refusedUnconnected()) return;
        prepareRingtone(file, [this](const QString& prepared) { sendRingtoneFile(prepared); });
        return;
    }
    const std::optional<QImage> fitted = fittedForSending(file);
    if (!fitted) return;
    sendPicture(*fitted, kind_);
}

void Tlogoform::prepareRingtone(const QString& file, std::function<void(QString)> then) {
    if (!ringtonePreparer_ || !file.endsWith(QLatin1String(".mid"), Qt::CaseInsensitive)) {
        then(file);
        return;
    }
    emit midiStopRequested();
    ringtonePreparer_(file, [then](std::optional<QString> prepared) {
        if (prepared) then(*prepared);
    });
}

void Tlogoform::sendRingtoneFile(const QString& file) {
    if (sending_) return;
    if (refusedUnconnected()) return;
    startSend(tx("logos_90", "Upload läuft..."));
    sender_.sendRingtone(file, modelNumber(), [this](const SendOutcome& o) { finishSend(o); });
}

void Tlogoform::sendPicture(const QImage& picture, uint8_t kind) {
    if (sending_) return;
    if (refusedUnconnected()) return;
    startSend(tx("logos_90", "Upload läuft..."));
    LogoJob job{picture, kind, modelNumber(), settings_.operatorCode};
    sender_.sendLogo(job, [this](const SendOutcome& o) { finishSend(o); });
}

void Tlogoform::sendByMessage() {
    if (sending_) return;
    const QString file = currentFile();
    if (file.isEmpty()) return;
    if (!isNokia(modelNumber()) && modelNumber() != kNoModelYet) return;
    if (refusedUnconnected()) return;
    if (mode_ == Mode::Ringtones) {
        recipients_->ask({}, false, lastRecipient_, lastMessageCode_);
        return;
    }
    if (kind_ == lkStartup) return;
    const std::optional<QImage> fitted = fittedForSending(file);
    if (!fitted) return;
    const QString code = lastMessageCode_.isEmpty() ? settings_.operatorCode : lastMessageCode_;
    recipients_->ask(*fitted, kind_ == lkPicture, lastRecipient_, code);
}

void Tlogoform::removeLogo() {
    if (sending_ || mode_ == Mode::Ringtones) return;
    if (kind_ != lkOperator && kind_ != lkStartup && kind_ != lkScreensaver) return;
    if (refusedUnconnected()) return;
    startSend(tx("logos_90", "Upload läuft..."));
    sender_.removeLogo(kind_, modelNumber(), settings_.operatorCode, currentLogoSize(),
                       [this](const SendOutcome& o) { finishSend(o); });
}

void Tlogoform::editCurrent() {
    if (mode_ == Mode::Ringtones) {
        if (isSignalConnected(QMetaMethod::fromSignal(&Tlogoform::ringtoneEditRequested))) {
            emit ringtoneEditRequested(currentFile());
        } else {
            showMessage(
                this, QMessageBox::Information, commandText(CommandText::RingtoneEditor),
                tx("logos_92", "Der Rufton-Editor ist in dieser Version noch nicht enthalten."));
        }
        return;
    }
    editor_->setContext(
        {modelNumber(), !settings_.smallPictureSms, settings_.operatorCode, folder_});
    const uint8_t kind =
        isSiemens(modelNumber()) && kind_ != lkScreensaver ? uint8_t{lkOperator} : kind_;
    editor_->openFile(currentFile(), kind, fit_);
}

void Tlogoform::fileError(const QString& text) {
    showMessage(this, QMessageBox::Warning, achtung(), text);
}

void Tlogoform::addCurrentToFavourites() {
    const QString file = currentFile();
    if (file.isEmpty()) return;
    const FileResult added = addToFavourites(file);
    if (!added.ok()) {
        fileError(added.error);
        return;
    }
    shell_.setStatusText(
        Tgesamtform::StatusField::Middle,
        tx("logos_93", "Zu den Favoriten hinzugefügt: ") + QFileInfo(added.path).fileName());
}

void Tlogoform::showFavourites() {
    const QString favourites = favouritesFolder();
    if (favourites.isEmpty()) {
        fileError(tx("logos_45", "Der Ordner der Favoriten kann nicht angelegt werden."));
        return;
    }
    searchField_->clear();
    openFolder(favourites);
}

void Tlogoform::copyCurrent() {
    copyOrMove(false);
}

void Tlogoform::moveCurrent() {
    copyOrMove(true);
}

void Tlogoform::copyOrMove(bool move) {
    const QString file = currentFile();
    if (file.isEmpty()) return;
    auto* dialog = new QFileDialog(
        this,
        move ? tx("logos_94", "Datei verschieben nach") : tx("logos_95", "Datei kopieren nach"),
        folder_);
    dialog->setObjectName(QStringLiteral("zielordner"));
    dialog->setFileMode(QFileDialog::Directory);
    dialog->setOption(QFileDialog::ShowDirsOnly);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QFileDialog::fileSelected, this, [this, file, move](const QString& target) {
        const auto run = [this, file, move, target](bool overwrite) {
            const FileResult done =
                move ? moveFileTo(file, target, overwrite) : copyFileTo(file, target, overwrite);
            if (!done.ok()) fileError(done.error);
            readFolder();
        };
        const QString existing = QDir(target).filePath(QFileInfo(file).fileName());
        if (!QFileInfo::exists(existing) || isSameFile(file, existing)) {
            run(false);
            return;
        }
        auto* box = question(this, QMessageBox::Question, achtung(),
                             tx("logos_96", "Die Datei \"") + QFileInfo(file).fileName() +
                                 tx("logos_97", "\" existiert schon!") + QLatin1Char('\n') +
                                 tx("logos_98", "Soll die vorhandene Datei überschrieben werden?"),
                             QMessageBox::Ok | QMessageBox::Cancel);
        connect(box, &QMessageBox::finished, this, [box, run](int) {
            if (box->standardButton(box->clickedButton()) == QMessageBox::Ok) run(true);
        });
    });
    dialog->open();
}

void Tlogoform::deleteCurrent() {
    const QString file = currentFile();
    if (file.isEmpty()) return;
    auto* box =
        question(this, QMessageBox::Question, achtung(),
                 tx("logos_99", "Wollen Sie die Datei \"") + QDir::toNativeSeparators(file) +
                     tx("logos_100", "\" wirklich löschen?"),
                 QMessageBox::Ok | QMessageBox::Cancel);
    box->setObjectName(QStringLiteral("loeschfrage"));
    connect(box, &QMessageBox::finished, this, [this, box, file](int) {
        if (box->standardButton(box->clickedButton()) != QMessageBox::Ok) return;
        const FileResult done = deleteFile(file);
        if (!done.ok()) fileError(done.error);
        readFolder();
    });
}

void Tlogoform::renameCurrent() {
    const QString file = currentFile();
    if (file.isEmpty()) return;
    auto* dialog = new QInputDialog(this);
    dialog->setObjectName(QStringLiteral("umbenennen"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(tx("logos_101", "Datei umbenennen"));
    dialog->setLabelText(tx("logos_102", "Neuer Dateiname:"));
    dialog->setTextValue(QFileInfo(file).fileName());
    connect(dialog, &QInputDialog::textValueSelected, this, [this, file](const QString& name) {
        const FileResult done = renameFile(file, name);
        if (!done.ok()) {
            fileError(done.error);
            return;
        }
        readFolder();
        selectFile(done.path);
    });
    dialog->open();
}

void registerLogoModule(ModuleRegistry& registry) {
    ModuleDescriptor descriptor;
    descriptor.module = Module::Logos;
    descriptor.helpPage = QStringLiteral("logos");
    descriptor.create = [](Tgesamtform& shell) -> QWidget* { return new Tlogoform(shell); };
    descriptor.bindCommands = [](QWidget* window, CommandBar& commands) {
        static_cast<Tlogoform*>(window)->bindCommands(commands);
    };
    descriptor.leave = [](QWidget* window) { window->close(); };
    descriptor.holdExit = [](QWidget* window, std::function<void()> proceed) {
        return static_cast<Tlogoform*>(window)->editor()->holdForChanges(std::move(proceed));
    };
    registry.add(std::move(descriptor));
}

}  // namespace corvina
