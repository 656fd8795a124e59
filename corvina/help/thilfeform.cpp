#include "corvina/help/thilfeform.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>

#include "corvina/help/helpcatalogue.h"
#include "corvina/help/helpcontext.h"
#include "corvina/language/language.h"
#include "corvina/language/languageapply.h"

namespace corvina {

Thilfeform::Thilfeform(QWidget* parent) : QWidget(parent, Qt::Window), language_(helpLanguage()) {
    setObjectName(QStringLiteral("Thilfeform"));
    setWindowTitle(QStringLiteral("Corvina-Hilfe"));
    setHelpPage(this, kHelpStartPage);
    resize(860, 600);
    auto* layout = new QVBoxLayout(this);

    auto* tools = new QHBoxLayout;
    auto* back = named(new QPushButton(QStringLiteral("Zurück"), this), "zurueck");
    auto* forward = named(new QPushButton(QStringLiteral("Vorwärts"), this), "vor");
    auto* home = named(new QPushButton(QStringLiteral("Startseite"), this), "startseite");
    auto* tip = named(new QPushButton(QStringLiteral("Tip des Tages"), this), "tipdestages");
    auto* connection =
        named(new QPushButton(QStringLiteral("Verbindungshilfe"), this), "verbindungshilfe");
    for (QPushButton* button : {back, forward, home}) tools->addWidget(button);
    tools->addStretch();
    tools->addWidget(tip);
    tools->addWidget(connection);
    layout->addLayout(tools);

    auto* splitter = new QSplitter(this);
    auto* left = new QWidget(splitter);
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    search_ = new QLineEdit(left);
    search_->setObjectName(QStringLiteral("suche"));
    search_->setClearButtonEnabled(true);
    contents_ = new QListWidget(left);
    contents_->setObjectName(QStringLiteral("inhalt"));
    leftLayout->addWidget(search_);
    leftLayout->addWidget(contents_);
    browser_ = new QTextBrowser(splitter);
    browser_->setObjectName(QStringLiteral("seite"));
    browser_->setOpenLinks(true);
    browser_->setOpenExternalLinks(true);
    splitter->addWidget(left);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({220, 640});
    layout->addWidget(splitter, 1);

    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(home, &QPushButton::clicked, this, [this] { showPage(kHelpStartPage); });
    connect(tip, &QPushButton::clicked, this, &Thilfeform::tipRequested);
    connect(connection, &QPushButton::clicked, this, &Thilfeform::connectionHelpRequested);
    connect(search_, &QLineEdit::textChanged, this, [this](const QString& text) { search(text); });
    connect(contents_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { showPage(item->data(Qt::UserRole).toString()); });
    connect(browser_, &QTextBrowser::sourceChanged, this,
            [this](const QUrl& url) { pageShown(url); });
    fillContents();
}

void Thilfeform::fillContents() {
    search_->setPlaceholderText(tx("hilfe_1", "Suchen: Wörter der Seite"));
    contents_->clear();
    for (const QString& page : helpPageNames()) {
        auto* item = new QListWidgetItem(helpPageTitle(page, language_), contents_);
        item->setData(Qt::UserRole, page);
    }
    search(search_->text());
}

void Thilfeform::showPage(const QString& page) {
    const QString shown = helpPageExists(page, language_) ? page : kHelpStartPage;
    browser_->setSource(helpPageUrl(shown, language_));
}

QString Thilfeform::currentPage() const {
    return helpPageOfUrl(browser_->source());
}

void Thilfeform::pageShown(const QUrl& url) {
    const QString page = helpPageOfUrl(url);
    setWindowTitle(helpPageTitle(page, language_) + QStringLiteral(" – Corvina"));
    for (int i = 0; i < contents_->count(); ++i) {
        if (contents_->item(i)->data(Qt::UserRole).toString() == page) {
            contents_->setCurrentRow(i);
        }
    }
}

void Thilfeform::setLanguage(const QString& language) {
    if (language == language_) return;
    const QString page = currentPage();
    language_ = language;
    fillContents();
    browser_->clearHistory();
    if (!page.isEmpty()) showPage(page);
}

void Thilfeform::search(const QString& words) {
    const QStringList found = searchHelp(words, language_);
    for (int i = 0; i < contents_->count(); ++i) {
        QListWidgetItem* item = contents_->item(i);
        item->setHidden(!found.contains(item->data(Qt::UserRole).toString()));
    }
}

QStringList Thilfeform::listedPages() const {
    QStringList pages;
    for (int i = 0; i < contents_->count(); ++i) {
        if (!contents_->item(i)->isHidden()) {
            pages << contents_->item(i)->data(Qt::UserRole).toString();
        }
    }
    return pages;
}

}  // namespace corvina
