#include "corvina/calendar/tkalendarform.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QSplitter>
#include <QTextCharFormat>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <set>

#include "codecs/tools/filebytes.h"
#include "corvina/calendar/calendarfolder.h"
#include "corvina/calendar/calendarstore.h"
#include "corvina/calendar/calfile.h"
#include "corvina/calendar/cl2file.h"
#include "corvina/calendar/holidays.h"
#include "corvina/calendar/icalendarnotes.h"
#include "corvina/calendar/tkalender_aendern_form.h"
#include "corvina/calendar/toutlookcal.h"
#include "corvina/connection/connectioncontrol.h"
#include "corvina/help/helpcontext.h"
#include "corvina/language/language.h"
#include "corvina/language/languageapply.h"
#include "corvina/reports/calendarreport.h"
#include "corvina/reports/printchoices.h"
#include "corvina/shell/commandbar.h"
#include "corvina/shell/commandtexts.h"
#include "corvina/shell/messagebox.h"
#include "corvina/shell/moduleregistry.h"
#include "corvina/shell/tgesamtform.h"
#include "corvina/shell/twarteform.h"

namespace corvina {

namespace {

constexpr int kBusyRetryMs = 50;
constexpr long long kFileLimit = 16 * 1024 * 1024;
constexpr int kFirstYear = 1583;
constexpr int kLastYear = 2999;

QString calFilter() {
    return QStringLiteral("Corvina") + tx("kalendar_666_6", " Kalender (*.cal)");
}
QString cl2Filter() {
    return QStringLiteral("Corvina") + tx("kalendar_666_3", " (alter Kalender) (*.cl2)");
}
QString icsFilter() {
    return tx("kalender2_48", "iCalendar (*.ics)");
}

}  // namespace

Tkalendarform::Tkalendarform(Tgesamtform& shell, CalendarCalls calls)
    : QWidget(&shell), shell_(shell), calls_(std::move(calls)), table_(loadWorkingCopy()) {
    setObjectName(QStringLiteral("Tkalendarform"));
    setWindowTitle(QStringLiteral("Kalender"));
    markSection(this);
    setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(this);

    // The twelve month tabs, in two rows of six, and the year.
    auto* monthGrid = new QGridLayout;
    monthGrid->setSpacing(2);
    months_ = new QButtonGroup(this);
    months_->setExclusive(true);
    for (int month = 1; month <= 12; ++month) {
        auto* button = new QToolButton(this);
        button->setObjectName(QStringLiteral("monat%1").arg(month));
        markDynamic(button);
        button->setText(monthName(month));
        button->setCheckable(true);
        button->setAutoRaise(true);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        months_->addButton(button, month - 1);
        monthGrid->addWidget(button, (month - 1) / 6, (month - 1) % 6);
    }
    year_ = new QSpinBox(this);
    year_->setObjectName(QStringLiteral("jahr"));
    year_->setRange(kFirstYear, kLastYear);
    auto* yearLabel = new QLabel(QStringLiteral("Jahr:"), this);
    yearLabel->setObjectName(QStringLiteral("jahrlabel"));
    monthGrid->addWidget(yearLabel, 0, 6, Qt::AlignRight);
    monthGrid->addWidget(year_, 1, 6);
    layout->addLayout(monthGrid);

    auto* body = new QHBoxLayout;
    calendar_ = new QCalendarWidget(this);
    calendar_->setObjectName(QStringLiteral("monatskalender"));
    calendar_->setGridVisible(true);
    calendar_->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    calendar_->setFirstDayOfWeek(Qt::Monday);
    calendar_->setLocale(QLocale(QLocale::German, QLocale::Germany));
    // Red belongs to the holidays; weekends stay plain.
    QTextCharFormat weekend = calendar_->weekdayTextFormat(Qt::Monday);
    calendar_->setWeekdayTextFormat(Qt::Saturday, weekend);
    calendar_->setWeekdayTextFormat(Qt::Sunday, weekend);
    calendar_->setDateRange(QDate(kFirstYear, 1, 1), QDate(kLastYear, 12, 31));
    calendar_->installEventFilter(this);
    body->addWidget(calendar_, 1);

    auto* right = new QWidget(this);
    buildLists(right);
    body->addWidget(right, 1);
    layout->addLayout(body, 1);

    editor_ = new Tkalender_aendern_form(this);
    setHelpPage(editor_, QStringLiteral("noteeditor"));
    connect(editor_, &Tkalender_aendern_form::stored, this,
            [this](const CalendarNote& note, int index) { stored(note, index); });
    folderWindow_ = new Toutlookcal(
        this, [this] { return model(); }, [this]() -> const NoteTable& { return table_; });
    setHelpPage(folderWindow_, QStringLiteral("calendar"));
    connect(folderWindow_, &Toutlookcal::takeOverRequested, this,
            [this](const std::vector<CalendarNote>& notes) { takeOver(notes); });
    connect(folderWindow_, &Toutlookcal::exportRequested, this,
            [this] { exportToCalendarFolder(table_.notes()); });

    connect(months_, &QButtonGroup::idClicked, this, [this](int index) {
        if (!linking_) showMonth(year_->value(), index + 1);
    });
    connect(year_, &QSpinBox::valueChanged, this, [this](int year) {
        if (!linking_) showMonth(year, months_->checkedId() + 1);
    });
    connect(calendar_, &QCalendarWidget::currentPageChanged, this, [this](int year, int month) {
        const QSignalBlocker blockYear(year_);
        months_->button(month - 1)->setChecked(true);
        year_->setValue(year);
        table_.sortByDate(year);
        indieauswahlliste();
        markiere_tage();
    });
    connect(calendar_, &QCalendarWidget::selectionChanged, this,
            [this] { daySelected(calendar_->selectedDate()); });
    connect(calendar_, &QCalendarWidget::activated, this, [this] { newNote(); });
    connect(&shell_.connection(), &ConnectionControl::disconnected, this, [this] {
        if (download_) download_->linkLost();
        if (upload_) upload_->linkLost();
        enable_buttons();
    });
    connect(&shell_.connection(), &ConnectionControl::connected, this, [this] {
        fillFilter();
        enable_buttons();
    });

    const QDate today = QDate::currentDate();
    {
        const QSignalBlocker blockYear(year_);
        year_->setValue(today.year());
        months_->button(today.month() - 1)->setChecked(true);
    }
    calendar_->setSelectedDate(today);
    fillFilter();
    table_.sortByDate(today.year());
    showTable();
}

Tkalendarform::~Tkalendarform() = default;

void Tkalendarform::buildLists(QWidget* parent) {
    auto* layout = new QVBoxLayout(parent);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* filterRow = new QHBoxLayout;
    auto* filterLabel = new QLabel(QStringLiteral("Anzeigen:"), parent);
    filterLabel->setObjectName(QStringLiteral("filterlabel"));
    filter_ = new QComboBox(parent);
    filter_->setObjectName(QStringLiteral("filter"));
    markDynamic(filter_);
    filterRow->addWidget(filterLabel);
    filterRow->addWidget(filter_, 1);
    layout->addLayout(filterRow);
    connect(filter_, &QComboBox::activated, this, [this](int index) {
        typeFilter_ = index - 1;
        indieauswahlliste();
        if (noteList_->count() > 0) noteList_->setCurrentRow(0);
    });

    auto* splitter = new QSplitter(Qt::Vertical, parent);
    noteList_ = new QListWidget(splitter);
    noteList_->setObjectName(QStringLiteral("terminuebersicht"));
    noteList_->setAcceptDrops(true);
    noteList_->setDragDropMode(QAbstractItemView::DropOnly);
    noteList_->viewport()->installEventFilter(this);
    noteList_->installEventFilter(this);
    noteList_->setContextMenuPolicy(Qt::CustomContextMenu);
    dayList_ = new QTreeWidget(splitter);
    dayList_->setObjectName(QStringLiteral("tagesliste"));
    dayList_->setRootIsDecorated(false);
    dayList_->setHeaderLabels({tx("kalender_94", "Typ"), tx("kalender_95", "Zeit"),
                               tx("kalender_96", "Text"), tx("kalender_97", "Alarm")});
    dayList_->installEventFilter(this);
    dayList_->setContextMenuPolicy(Qt::CustomContextMenu);
    splitter->addWidget(noteList_);
    splitter->addWidget(dayList_);
    layout->addWidget(splitter, 1);

    connect(noteList_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!linking_) noteRowChosen(row);
        enable_buttons();
    });
    connect(noteList_, &QListWidget::itemDoubleClicked, this, [this] {
        if (auto note = selectedNote()) editNote(*note);
    });
    connect(dayList_, &QTreeWidget::currentItemChanged, this, [this] {
        if (!linking_) dayRowChosen();
    });
    connect(dayList_, &QTreeWidget::itemDoubleClicked, this, [this] {
        if (auto note = selectedNote()) editNote(*note);
    });
    connect(noteList_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { popupMenu(noteList_, at); });
    connect(dayList_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { popupMenu(dayList_, at); });
}

uint8_t Tkalendarform::model() const {
    return shell_.connection().modelNumber();
}

int Tkalendarform::shownYear() const {
    return year_->value();
}

// ----- showing ---------------------------------------------------------------------------

void Tkalendarform::fillFilter() {
    filter_->clear();
    filter_->addItems({tx("kalender_1", "Alle"), tx("kalender_2", "Erinnerung"),
                       tx("kalender_3", "Anruf"), tx("kalender_4", "Meeting"),
                       tx("kalender_5", "Geburtstag")});
    const uint8_t m = model();
    if ((m >= 6 && m <= 8) || m == 24) filter_->addItem(tx("kalendar_666_8", "Aufgabe"));
    if (typeFilter_ + 1 >= filter_->count()) typeFilter_ = -1;
    filter_->setCurrentIndex(typeFilter_ + 1);
}

void Tkalendarform::showTable() {
    indieauswahlliste();
    markiere_tage();
    enable_buttons();
}

void Tkalendarform::changed() {
    table_.sortByDate(shownYear());
    if (!saveWorkingCopy(table_)) {
        setStatus(
            tx("kalender2_49", "Die Arbeitskopie des Kalenders konnte nicht gespeichert werden: ") +
            workingCopyPath());
    }
    showTable();
}

void Tkalendarform::indieauswahlliste() {
    const QSignalBlocker block(noteList_);
    const std::optional<int> kept = selectedNote();
    noteList_->clear();
    noteRows_ = table_.filtered(typeFilter_);
    for (const int index : noteRows_) noteList_->addItem(noteListText(table_.at(index)));
    if (kept) {
        const auto found = std::find(noteRows_.begin(), noteRows_.end(), *kept);
        if (found != noteRows_.end())
            noteList_->setCurrentRow(static_cast<int>(found - noteRows_.begin()));
    }
}

void Tkalendarform::markiere_tage() {
    calendar_->setDateTextFormat(QDate(), QTextCharFormat());
    const int year = calendar_->yearShown();
    const int month = calendar_->monthShown();
    QTextCharFormat holiday;
    holiday.setForeground(QColor(0xC0, 0x10, 0x10));
    for (const auto& [day, name] : holidaysOf(year)) {
        if (day.month() == month) {
            holiday.setToolTip(name);
            calendar_->setDateTextFormat(day, holiday);
        }
    }
    for (const int day : table_.markedDays(year, month)) {
        const QDate date(year, month, day);
        QTextCharFormat marked = calendar_->dateTextFormat(date);
        marked.setFontWeight(QFont::Bold);
        marked.setBackground(QColor(0xFF, 0xE8, 0x9C));
        calendar_->setDateTextFormat(date, marked);
    }

    const QSignalBlocker block(dayList_);
    const QDate selected = calendar_->selectedDate();
    dayList_->clear();
    dayRows_ = table_.onDay(selected);
    for (const int index : dayRows_) {
        const CalendarNote& note = table_.at(index);
        auto* row = new QTreeWidgetItem(
            {noteTypeName(note.type),
             QStringLiteral("%1:%2")
                 .arg(note.start.hour, 2, 10, QLatin1Char('0'))
                 .arg(note.start.minute, 2, 10, QLatin1Char('0')),
             noteText(note.text),
             note.alarmOn ? tx("kalender_28", "aktiviert") : tx("kalender_29", "deaktiviert")});
        dayList_->addTopLevelItem(row);
    }
    for (int column = 0; column < 4; ++column) dayList_->resizeColumnToContents(column);
}

void Tkalendarform::showMonth(int year, int month) {
    QDate day = calendar_->selectedDate();
    day = QDate(year, month, std::min(day.day(), QDate(year, month, 1).daysInMonth()));
    calendar_->setCurrentPage(year, month);
    calendar_->setSelectedDate(day);
}

void Tkalendarform::daySelected(const QDate& day) {
    if (isVisible() && !transferRunning())
        shell_.setStatusText(Tgesamtform::StatusField::Middle, holidayName(day));
    markiere_tage();
    if (linking_) return;
    linking_ = true;
    const auto first = std::find_if(noteRows_.begin(), noteRows_.end(), [&](int index) {
        return shownDate(table_.at(index), day.year()) == day;
    });
    // The first note of the day, or none: a note of another day stays unmarked.
    noteList_->setCurrentRow(first != noteRows_.end() ? static_cast<int>(first - noteRows_.begin())
                                                      : -1);
    if (!dayRows_.empty()) dayList_->setCurrentItem(dayList_->topLevelItem(0));
    linking_ = false;
    enable_buttons();
}

void Tkalendarform::noteRowChosen(int row) {
    if (row < 0 || row >= static_cast<int>(noteRows_.size())) return;
    const int index = noteRows_[static_cast<size_t>(row)];
    const QDate day = shownDate(table_.at(index), shownYear());
    if (!day.isValid()) return;
    linking_ = true;
    calendar_->setCurrentPage(day.year(), day.month());
    calendar_->setSelectedDate(day);
    markiere_tage();
    const auto found = std::find(dayRows_.begin(), dayRows_.end(), index);
    if (found != dayRows_.end())
        dayList_->setCurrentItem(
            dayList_->topLevelItem(static_cast<int>(found - dayRows_.begin())));
    linking_ = false;
}

void Tkalendarform::dayRowChosen() {
    const int row = dayList_->indexOfTopLevelItem(dayList_->currentItem());
    if (row < 0 || row >= static_cast<int>(dayRows_.size())) return;
    const auto found =
        std::find(noteRows_.begin(), noteRows_.end(), dayRows_[static_cast<size_t>(row)]);
    linking_ = true;
    if (found != noteRows_.end())
        noteList_->setCurrentRow(static_cast<int>(found - noteRows_.begin()));
    linking_ = false;
    enable_buttons();
}

std::optional<int> Tkalendarform::selectedNote() const {
    const int dayRow = dayList_->indexOfTopLevelItem(dayList_->currentItem());
    if (dayList_->hasFocus() && dayRow >= 0 && dayRow < static_cast<int>(dayRows_.size()))
        return dayRows_[static_cast<size_t>(dayRow)];
    const int row = noteList_->currentRow();
    if (row >= 0 && row < static_cast<int>(noteRows_.size()))
        return noteRows_[static_cast<size_t>(row)];
    if (dayRow >= 0 && dayRow < static_cast<int>(dayRows_.size()))
        return dayRows_[static_cast<size_t>(dayRow)];
    return std::nullopt;
}

// ----- commands --------------------------------------------------------------------------

void Tkalendarform::bindCommands() {
    CommandBar& bar = shell_.commandBar();
    bar.bind(Download, commandText(CommandText::Download), [this] { getcalspeed(); });
    bar.bind(New, commandText(CommandText::New), [this] { calnewspeed(); });
    bar.bind(Delete, commandText(CommandText::Delete), [this] { deletecalentry(); });
    bar.bind(Upload, commandText(CommandText::Upload), [this] { sendcalspeed(); });
    bar.bind(Load, commandText(CommandText::Load), [this] { loadcalspeed(); });
    bar.bind(Save, commandText(CommandText::Save), [this] { calexportspeed(); });
    bar.bind(Folder, tx("kalender2_50", "Kalenderordner"), [this] { caloutlookimport(); });
    bar.bind(Print, commandText(CommandText::Print), [this] { printCalendar(); });
    enable_buttons();
}

void Tkalendarform::enable_buttons() {
    const bool phone = !transferRunning() && !shell_.connection().notConnected();
    enabled_[Download] = phone;
    enabled_[Upload] = phone;
    enabled_[New] = true;
    enabled_[Folder] = true;
    enabled_[Delete] = !transferRunning() && noteList_->count() > 0;
    enabled_[Save] = !table_.isEmpty();
    enabled_[Load] = !transferRunning();
    enabled_[Print] = !transferRunning();
    if (shell_.activeModuleWindow() != this) return;
    for (int command = 0; command < CommandCount; ++command)
        shell_.commandBar().setButtonEnabled(command, enabled_[command]);
}

void Tkalendarform::ask(const QString& text, std::function<void()> then) {
    lastMessage_ = text;
    askOkCancel(this, QMessageBox::Warning, tx("kalender2_52", "Kalender"), text, std::move(then));
}

void Tkalendarform::tell(QMessageBox::Icon icon, const QString& text) {
    lastMessage_ = text;
    showMessage(this, icon, tx("kalender2_52", "Kalender"), text);
}

void Tkalendarform::setStatus(const QString& text) {
    shell_.setStatusText(Tgesamtform::StatusField::Middle, text);
}

void Tkalendarform::getcalspeed() {
    if (transferRunning() || shell_.connection().notConnected()) return;
    if (hasUnsavedChanges() && !table_.isEmpty()) {
        ask(tx("kalender_72",
               "Die Daten im Kalender werden durch die importierten Daten überschrieben!") +
                QLatin1Char('\n') + tx("kalender_73", "Möchten Sie fortfahren?"),
            [this] { startDownload(); });
        return;
    }
    startDownload();
}

void Tkalendarform::startDownload() {
    setStatus(tx("kalender_61", "Kalender wird abgefragt."));
    download_ = std::make_unique<CalendarDownload>(calls_, model(), shownYear());
    beginTransfer();
}

void Tkalendarform::beginTransfer() {
    Twarteform& wait = shell_.waitWindow();
    wait.showPage(WaitPage::Calendar);
    wait.setHeading(tx("kalender_62", "Statusinformationen") + QLatin1Char('\n') +
                    tx("kalender_63", "werden abgefragt..."));
    wait.setProgressText(QString());
    wait.offerCancel([this] {
        if (download_) download_->cancel();
        if (upload_) upload_->cancel();
    });
    enable_buttons();
    QTimer::singleShot(0, this, [this] { runStep(); });
}

void Tkalendarform::sendcalspeed() {
    if (transferRunning() || shell_.connection().notConnected()) return;
    setStatus(tx("kalender_75", "Kalender wird aufgespielt..."));
    if (table_.isEmpty()) {
        ask(tx("kalender_76", "Die Daten im Mobiltelefon werden alle gelöscht!") +
                QLatin1Char('\n') + tx("kalender_73", "Möchten Sie fortfahren?"),
            [this] { startUpload(); });
        return;
    }
    startUpload();
}

void Tkalendarform::startUpload() {
    upload_ = std::make_unique<CalendarUpload>(calls_, model(), table_.notes());
    beginTransfer();
}

void Tkalendarform::runStep() {
    Twarteform& wait = shell_.waitWindow();
    TransferState state = TransferState::Running;
    bool busy = false;
    if (download_) {
        state = download_->step();
        busy = download_->busy();
        if (download_->total() > 0) {
            wait.setHeading(tx("kalender_64", "Kalenderinformationen ") + QLatin1Char('\n') +
                            tx("kalender_63", "werden abgefragt..."));
            wait.setProgressText(
                QStringLiteral("%1 / %2").arg(download_->position()).arg(download_->total()));
        }
    } else if (upload_) {
        state = upload_->step();
        busy = upload_->busy();
        wait.setHeading(upload_->clearing() ? tx("kalender_80", "Vorbereiten des Kalenders...")
                                            : tx("kalender_81", "Aufspielen der Kalenderdaten..."));
        wait.setProgressText(upload_->progressText());
    } else {
        return;
    }
    if (transferOver(state)) {
        endTransfer();
        return;
    }
    QTimer::singleShot(busy ? kBusyRetryMs : 0, this, [this] { runStep(); });
}

void Tkalendarform::endTransfer() {
    shell_.waitWindow().finish();
    QString summary;
    bool good = false;
    if (download_) {
        if (download_->hasTable()) {
            table_ = download_->table();
            table_.sortByDate(shownYear());
            saveWorkingCopy(table_);
            setUnsavedChanges(download_->state() != TransferState::Done);
            typeFilter_ = -1;
            filter_->setCurrentIndex(0);
        }
        good = download_->state() == TransferState::Done;
        summary = download_->summary();
        download_.reset();
    } else if (upload_) {
        good = upload_->state() == TransferState::Done;
        if (good) setUnsavedChanges(false);
        summary = upload_->summary();
        upload_.reset();
    }
    setStatus(summary.section(QLatin1Char('\n'), 0, 0));
    showTable();
    if (!good) tell(QMessageBox::Warning, summary);
    emit transferFinished();
}

void Tkalendarform::calnewspeed() {
    newNote();
}

void Tkalendarform::newNote() {
    TCalendarInfo info;
    const uint8_t result = calls_.info(info);
    if (result == 200) {  // the library is still busy with another call of this thread
        QTimer::singleShot(kBusyRetryMs, this, [this] { newNote(); });
        return;
    }
    const bool phoneFull = result == 1 && table_.count() >= info.maximum;
    if (table_.full() || phoneFull) {
        tell(
            QMessageBox::Information,
            tx("kalender2_53", "Der Kalender ist voll: ") + QString::number(table_.count()) +
                tx("kalender2_54", " Notizen. ") +
                (phoneFull ? tx("kalender2_55", "Mehr fasst das Telefon nicht.")
                           : tx("kalender2_56", "Mehr als 440 Notizen fasst der Kalender nicht.")));
        return;
    }
    editor_->openNew(model(), calendar_->selectedDate());
}

void Tkalendarform::editNote(int index) {
    if (index < 0 || index >= table_.count()) return;
    editor_->openNote(model(), table_.at(index), index, shownYear());
}

void Tkalendarform::stored(const CalendarNote& note, int index) {
    if (index < 0) {
        table_.append(note);
    } else {
        table_.replace(index, note);
    }
    setUnsavedChanges(true);
    changed();
    const QDate day = shownDate(note, shownYear());
    if (day.isValid()) {
        calendar_->setCurrentPage(day.year(), day.month());
        calendar_->setSelectedDate(day);
    }
    markiere_tage();
    if (dayList_->topLevelItemCount() > 0) dayList_->setCurrentItem(dayList_->topLevelItem(0));
}

void Tkalendarform::deletecalentry() {
    if (transferRunning()) return;
    const auto note = selectedNote();
    if (!note) return;
    const int dayRow = dayList_->indexOfTopLevelItem(dayList_->currentItem());
    table_.remove(*note);
    setUnsavedChanges(true);
    changed();
    if (dayList_->topLevelItemCount() > 0) {
        dayList_->setCurrentItem(dayList_->topLevelItem(
            std::min(std::max(dayRow, 0), dayList_->topLevelItemCount() - 1)));
    }
}

void Tkalendarform::loadcalspeed() {
    auto* dialog = new QFileDialog(
        this, QString(), QString(),
        calFilter() + QStringLiteral(";;") + cl2Filter() + QStringLiteral(";;") + icsFilter());
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QFileDialog::fileSelected, this, [this](const QString& path) {
        if (table_.isEmpty()) {
            loadFile(path);
            return;
        }
        ask(tx("kalender_72",
               "Die Daten im Kalender werden durch die importierten Daten überschrieben!") +
                QLatin1Char('\n') + tx("kalender_73", "Möchten Sie fortfahren?"),
            [this, path] { loadFile(path); });
    });
    dialog->open();
}

bool Tkalendarform::loadFile(const QString& path) {
    const auto bytes = tools::readfilebytes(QFile::encodeName(path).toStdString(), kFileLimit);
    if (!bytes) {
        tell(QMessageBox::Warning,
             path + QLatin1Char('\n') +
                 tx("kalender2_57",
                    "Die Datei lässt sich nicht lesen (oder ist größer als 16 MB)."));
        return false;
    }
    const QString suffix = QFileInfo(path).suffix().toLower();
    const NoteFileRead read = suffix == QStringLiteral("cl2") ? readCl2File(*bytes)
                              : suffix == QStringLiteral("ics")
                                  ? readIcsFile(*bytes, model(), QDate::currentDate())
                                  : readCalFile(*bytes);
    if (!read.ok()) {
        tell(QMessageBox::Warning, path + QLatin1Char('\n') + read.error + QLatin1Char('\n') +
                                       tx("kalender2_9", "Der Kalender bleibt, wie er war."));
        return false;
    }
    table_ = NoteTable(read.notes);
    setUnsavedChanges(false);
    typeFilter_ = -1;
    filter_->setCurrentIndex(0);
    changed();
    daySelected(calendar_->selectedDate());
    setStatus(QString::number(table_.count()) + tx("kalender2_59", " Notizen geladen aus ") + path);
    if (!read.notices.isEmpty())
        tell(QMessageBox::Information, read.notices.join(QLatin1Char('\n')));
    return true;
}

void Tkalendarform::calexportspeed() {
    if (table_.isEmpty()) return;
    auto* dialog = new QFileDialog(this, QString(), QString(),
                                   calFilter() + QStringLiteral(";;") + QStringLiteral("Corvina") +
                                       tx("kalendar_666_5", " Kalender (*.cl2)") +
                                       QStringLiteral(";;") + icsFilter());
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setDefaultSuffix(QStringLiteral("cal"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QFileDialog::fileSelected, this,
            [this](const QString& path) { saveFile(path); });
    dialog->open();
}

bool Tkalendarform::saveFile(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    int cut = 0;
    const std::string bytes = suffix == QStringLiteral("cl2") ? writeCl2File(table_.notes(), cut)
                              : suffix == QStringLiteral("ics")
                                  ? writeIcsFile(table_.notes(), model())
                                  : writeCalFile(table_.notes());
    if (!tools::writefileatomically(QFile::encodeName(path).toStdString(), bytes)) {
        tell(QMessageBox::Warning, tx("kalender_55", "Kalender konnte nicht gespeichert werden.") +
                                       QLatin1Char('\n') + path);
        return false;
    }
    setUnsavedChanges(false);
    setStatus(QString::number(table_.count()) + tx("kalender2_60", " Notizen gespeichert in ") +
              path);
    if (cut > 0) {
        tell(QMessageBox::Information,
             QString::number(cut) +
                 tx("kalender2_61",
                    " Notizen haben Texte oder Nummern über 30 Zeichen; die alte Kalenderdatei "
                    "hat sie gekürzt. Die .cal-Datei behält sie ganz."));
    }
    return true;
}

void Tkalendarform::printCalendar() {
    std::vector<CalendarReportNote> notes;
    std::set<int> years = {shownYear()};
    for (const CalendarNote& note : table_.notes()) {
        CalendarReportNote row;
        row.type = note.type;
        row.text = noteText(note.text);
        row.number = noteText(note.number);
        row.alarmOn = note.alarmOn != 0;
        row.alarm = QDateTime(dateOf(note.alarm), QTime(note.alarm.hour, note.alarm.minute));
        row.repeatHours = note.repeat;
        if (note.type == ntBirthday) {
            // The report wants the date of birth.
            row.birthYear = note.birthYear;
            row.date = shownDate(note, note.birthYear >= 1000 ? note.birthYear : note.start.year);
        } else {
            row.date = dateOf(note.start);
            row.time = QTime(note.start.hour, note.start.minute);
            years.insert(note.start.year);
        }
        notes.push_back(row);
    }
    std::vector<Holiday> holidays;
    for (const int year : years) {
        for (const auto& [day, name] : holidaysOf(year)) holidays.push_back({day, name});
    }
    openCalendarPrint(this, std::move(notes), std::move(holidays), calendar_->yearShown(),
                      calendar_->monthShown());
}

void Tkalendarform::caloutlookimport() {
    folderWindow_->refresh();
    folderWindow_->show();
    folderWindow_->raise();
}

void Tkalendarform::takeOver(const std::vector<CalendarNote>& notes) {
    const TakeOverCount count = corvina::takeOver(table_, notes);
    if (count.taken > 0) {
        setUnsavedChanges(true);
        changed();
    }
    QString text = QString::number(count.taken) + tx("kalender2_62", " Notizen übernommen, ") +
                   QString::number(count.duplicates) +
                   tx("kalender2_63", " übersprungen (schon im Kalender).");
    if (!count.left.empty()) {
        QStringList names;
        for (const CalendarNote& note : count.left) names << noteText(note.text);
        text += QLatin1Char('\n') +
                tx("kalender2_64", "Nicht übernommen, der Kalender fasst nur 440 Notizen: ") +
                names.join(QStringLiteral(", "));
    }
    setStatus(text.section(QLatin1Char('\n'), 0, 0));
    tell(count.left.empty() ? QMessageBox::Information : QMessageBox::Warning, text);
    folderWindow_->refresh();
}

void Tkalendarform::exportToCalendarFolder(const std::vector<CalendarNote>& notes) {
    const FolderExport result =
        exportToFolder(folderWindow_->folder(), notes, model(), QDate::currentDate());
    const QString text = exportSummary(result);
    setStatus(text.section(QLatin1Char('\n'), 0, 0));
    tell(result.failed.isEmpty() ? QMessageBox::Information : QMessageBox::Warning, text);
    if (folderWindow_->isVisible()) folderWindow_->refresh();
}

void Tkalendarform::popupMenu(QWidget* list, const QPoint& at) {
    const auto note = selectedNote();
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QAction* remove =
        menu->addAction(tx("kalender_98", "Eintrag löschen"), this, [this] { deletecalentry(); });
    QAction* edit = menu->addAction(tx("kalender_99", "Eintrag verändern"), this, [this, note] {
        if (note) editNote(*note);
    });
    menu->addAction(tx("kalender_100", "Neuer Eintrag"), this, [this] { newNote(); });
    QAction* toFolder =
        menu->addAction(tx("kalender2_65", "In Kalenderordner"), this, [this, note] {
            if (note) exportToCalendarFolder({table_.at(*note)});
        });
    for (QAction* action : {remove, edit, toFolder}) action->setEnabled(note.has_value());
    menu->popup(list->mapToGlobal(at));
}

bool Tkalendarform::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (watched == calendar_ && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
            newNote();
            return true;
        }
        if (watched == noteList_ || watched == dayList_) {
            if (key == Qt::Key_Delete) {
                deletecalentry();
                return true;
            }
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                if (auto note = selectedNote()) editNote(*note);
                return true;
            }
        }
    }
    if (watched == noteList_->viewport() &&
        (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove)) {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        const bool ours = drag->mimeData()->hasFormat(QString::fromLatin1(kFolderRowsMime)) &&
                          drag->source() == folderWindow_->grid();
        if (ours)
            drag->acceptProposedAction();
        else
            drag->ignore();
        return true;
    }
    if (watched == noteList_->viewport() && event->type() == QEvent::Drop) {
        auto* drop = static_cast<QDropEvent*>(event);
        if (drop->source() != folderWindow_->grid()) return true;
        QList<int> rows;
        for (const QByteArray& row :
             drop->mimeData()->data(QString::fromLatin1(kFolderRowsMime)).split(','))
            rows << row.toInt();
        drop->acceptProposedAction();
        takeOver(folderWindow_->notesOfRows(rows));
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void Tkalendarform::hideEvent(QHideEvent* event) {
    folderWindow_->hide();
    QWidget::hideEvent(event);
}

void registerCalendarModule(ModuleRegistry& registry) {
    ModuleDescriptor descriptor;
    descriptor.module = Module::Calendar;
    descriptor.helpPage = QStringLiteral("calendar");
    descriptor.create = [](Tgesamtform& shell) -> QWidget* { return new Tkalendarform(shell); };
    descriptor.bindCommands = [](QWidget* window, CommandBar&) {
        static_cast<Tkalendarform*>(window)->bindCommands();
    };
    descriptor.leave = [](QWidget* window) {
        auto* calendar = static_cast<Tkalendarform*>(window);
        // A transfer keeps its window until it ends; the table is in the
        // working copy already.
        if (calendar->transferRunning()) {
            calendar->hide();
            QObject::connect(calendar, &Tkalendarform::transferFinished, calendar,
                             [calendar] { calendar->deleteLater(); });
            return;
        }
        calendar->hide();
        calendar->deleteLater();
    };
    registry.add(std::move(descriptor));
}

}  // namespace corvina
