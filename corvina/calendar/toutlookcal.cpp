#include "corvina/calendar/toutlookcal.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMimeData>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "corvina/calendar/calendarstore.h"
#include "corvina/language/language.h"
#include "corvina/language/languageapply.h"

namespace corvina {

namespace {

// Rows dragged out carry their numbers.
class FolderGrid : public QTableWidget {
  public:
    using QTableWidget::QTableWidget;

  protected:
    QMimeData* mimeData(const QList<QTableWidgetItem*>& items) const override {
        QStringList rows;
        for (const QTableWidgetItem* item : items) {
            const QString row = QString::number(item->row());
            if (!rows.contains(row)) rows << row;
        }
        auto* data = new QMimeData;
        data->setData(QString::fromLatin1(kFolderRowsMime), rows.join(QLatin1Char(',')).toLatin1());
        return data;
    }
    QStringList mimeTypes() const override { return {QString::fromLatin1(kFolderRowsMime)}; }
};

QString dateText(const TDateTimeRec& t) {
    return QStringLiteral("%1.%2.%3")
        .arg(t.day, 2, 10, QLatin1Char('0'))
        .arg(t.month, 2, 10, QLatin1Char('0'))
        .arg(t.year, 4, 10, QLatin1Char('0'));
}

QString timeText(const TDateTimeRec& t) {
    return QStringLiteral("%1:%2")
        .arg(t.hour, 2, 10, QLatin1Char('0'))
        .arg(t.minute, 2, 10, QLatin1Char('0'));
}

}  // namespace

Toutlookcal::Toutlookcal(QWidget* parent, std::function<uint8_t()> model,
                         std::function<const NoteTable&()> table)
    : QWidget(parent, Qt::Window), model_(std::move(model)), table_(std::move(table)) {
    setObjectName(QStringLiteral("Toutlookcal"));
    setWindowTitle(QStringLiteral("Kalenderordner"));
    resize(900, 420);
    auto* layout = new QVBoxLayout(this);
    auto* folderRow = new QHBoxLayout;
    folderLabel_ = new QLabel(this);
    folderLabel_->setObjectName(QStringLiteral("ordner"));
    markDynamic(folderLabel_);
    auto* choose = new QPushButton(QStringLiteral("Ordner wählen..."), this);
    choose->setObjectName(QStringLiteral("ordnerwaehlen"));
    folderRow->addWidget(folderLabel_, 1);
    folderRow->addWidget(choose);
    layout->addLayout(folderRow);

    grid_ = new FolderGrid(0, 8, this);
    grid_->setObjectName(QStringLiteral("termine"));
    grid_->setHorizontalHeaderLabels({tx("outlook_7", "Text"), tx("outlook_8", "Datum"),
                                      tx("outlook_9", "Uhrzeit"), tx("outlook_10", "Kategorie"),
                                      tx("outlook_11", "Alarm"), tx("outlook_12", "Al. Datum"),
                                      tx("outlook_13", "Al. Zeit"), tx("outlook_14", "Übernahme")});
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setDragEnabled(true);
    grid_->setDragDropMode(QAbstractItemView::DragOnly);
    grid_->horizontalHeader()->setStretchLastSection(true);
    grid_->verticalHeader()->hide();
    layout->addWidget(grid_, 1);

    auto* hint = new QLabel(tx("outlook_15",
                               "Markieren Sie die Einträge mit gedrückter STRG-Taste. Ziehen Sie "
                               "anschließend die markierten Einträge auf die Terminübersicht, oder "
                               "wählen Sie \"Übernehmen\"."),
                            this);
    hint->setObjectName(QStringLiteral("hinweis"));
    hint->setWordWrap(true);
    markDynamic(hint);
    layout->addWidget(hint);

    auto* buttons = new QHBoxLayout;
    auto* reload = new QPushButton(QStringLiteral("Aktualisieren"), this);
    reload->setObjectName(QStringLiteral("aktualisieren"));
    auto* take = new QPushButton(QStringLiteral("Übernehmen"), this);
    take->setObjectName(QStringLiteral("uebernehmen"));
    auto* exportAll = new QPushButton(QStringLiteral("Alle exportieren"), this);
    exportAll->setObjectName(QStringLiteral("alleexportieren"));
    auto* close = new QPushButton(QStringLiteral("Schließen"), this);
    close->setObjectName(QStringLiteral("schliessen"));
    buttons->addWidget(reload);
    buttons->addStretch();
    buttons->addWidget(take);
    buttons->addWidget(exportAll);
    buttons->addWidget(close);
    layout->addLayout(buttons);

    connect(choose, &QPushButton::clicked, this, [this] { chooseFolder(); });
    connect(reload, &QPushButton::clicked, this, [this] { refresh(); });
    connect(take, &QPushButton::clicked, this,
            [this] { emit takeOverRequested(notesOfRows(markedRows())); });
    connect(exportAll, &QPushButton::clicked, this, [this] { emit exportRequested(); });
    connect(close, &QPushButton::clicked, this, [this] { hide(); });
    connect(grid_, &QTableWidget::cellDoubleClicked, this, [this](int row) {
        if (row >= 0 && row < static_cast<int>(listing_.entries.size())) {
            QDesktopServices::openUrl(QUrl::fromLocalFile(
                QDir(folder_).filePath(listing_.entries[static_cast<size_t>(row)].file)));
        }
    });
    folder_ = calendarFolder();
}

void Toutlookcal::setFolder(const QString& folder) {
    folder_ = folder;
    setCalendarFolder(folder);
    refresh();
}

void Toutlookcal::chooseFolder() {
    auto* dialog = new QFileDialog(this, tx("outlook_16", "Kalenderordner wählen"), folder_);
    dialog->setFileMode(QFileDialog::Directory);
    dialog->setOption(QFileDialog::ShowDirsOnly);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QFileDialog::fileSelected, this,
            [this](const QString& path) { setFolder(path); });
    dialog->open();
}

void Toutlookcal::refresh() {
    folderLabel_->setText(folder_);
    listing_ = readCalendarFolder(folder_, model_(), QDate::currentDate());
    grid_->setRowCount(0);
    grid_->setRowCount(static_cast<int>(listing_.entries.size()));
    const NoteTable& table = table_();
    for (int row = 0; row < grid_->rowCount(); ++row) {
        const FolderEntry& entry = listing_.entries[static_cast<size_t>(row)];
        const IcsEvent& event = entry.event;
        QStringList cells(8);
        cells[0] = entry.problem.isEmpty() ? event.text : entry.file;
        cells[3] = event.categories;
        cells[7] = entry.problem.isEmpty() ? event.how
                                           : tx("outlook_17", "nicht lesbar: ") + entry.problem;
        if (!event.notes.empty()) {
            const CalendarNote& first = event.notes.front();
            cells[1] = dateText(first.start);
            cells[2] = timeText(first.start);
            cells[4] = first.alarmOn ? tx("outlook_4", "ja") : tx("outlook_5", "nein");
            if (first.alarmOn) {
                cells[5] = dateText(first.alarm);
                cells[6] = timeText(first.alarm) + QStringLiteral(":00");
            }
            const bool present =
                std::all_of(event.notes.begin(), event.notes.end(),
                            [&](const CalendarNote& n) { return table.contains(n); });
            if (present) cells[7] = tx("outlook_18", "schon im Kalender");
        }
        for (int column = 0; column < cells.size(); ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            item->setToolTip(cells[column]);
            grid_->setItem(row, column, item);
        }
    }
    grid_->resizeColumnsToContents();
}

QList<int> Toutlookcal::markedRows() const {
    QList<int> rows;
    for (const QModelIndex& index : grid_->selectionModel()->selectedRows()) rows << index.row();
    std::sort(rows.begin(), rows.end());
    return rows;
}

std::vector<CalendarNote> Toutlookcal::notesOfRows(const QList<int>& rows) const {
    std::vector<CalendarNote> notes;
    for (const int row : rows) {
        if (row < 0 || row >= static_cast<int>(listing_.entries.size())) continue;
        const auto& event = listing_.entries[static_cast<size_t>(row)].event;
        notes.insert(notes.end(), event.notes.begin(), event.notes.end());
    }
    return notes;
}

}  // namespace corvina
