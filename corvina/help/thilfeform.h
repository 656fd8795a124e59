// The help window: the contents list with a search field, the page, and
// "Zurück", "Vorwärts", "Startseite", "Tip des Tages" and
// "Verbindungshilfe". Links to other pages open in it; links to the web
// open in the desktop's browser. It follows the program's language.
#pragma once

#include <QLineEdit>
#include <QListWidget>
#include <QTextBrowser>
#include <QWidget>

namespace corvina {

class Thilfeform : public QWidget {
    Q_OBJECT

  public:
    explicit Thilfeform(QWidget* parent = nullptr);

    // Shows the page ("calendar"), or the start page when there is none.
    void showPage(const QString& page);
    // The page shown, by name.
    QString currentPage() const;
    QString language() const { return language_; }
    // The language of the program changed: the same page in the other language.
    void setLanguage(const QString& language);
    // Keeps in the contents list the pages holding every word.
    void search(const QString& words);
    QStringList listedPages() const;

    QTextBrowser* browser() const { return browser_; }

  signals:
    void tipRequested();
    void connectionHelpRequested();

  private:
    void fillContents();
    void pageShown(const QUrl& url);

    QLineEdit* search_;
    QListWidget* contents_;
    QTextBrowser* browser_;
    QString language_;
};

}  // namespace corvina
