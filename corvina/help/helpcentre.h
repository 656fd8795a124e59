// The main window's help: the help window, the tip of the day and F1.
// F1 anywhere in the program opens the page of the window or dialog it was
// pressed in, found by the resolver the main window gives.
#pragma once

#include <QObject>
#include <QWidget>
#include <functional>

namespace corvina {

class Thilfeform;
class Ttipform;

class HelpCentre : public QObject {
    Q_OBJECT

  public:
    // pageFor: the page for F1 pressed in a widget.
    HelpCentre(QWidget* mainWindow, std::function<QString(QWidget* pressedIn)> pageFor);

    Thilfeform& window() const { return *window_; }
    Ttipform& tip() const { return *tip_; }

    void openPage(const QString& page);
    // The first idle of the program: the tip of the day while tips are on.
    void showTipAtStart();
    // The program's language changed.
    void languageChanged();

  signals:
    void connectionHelpRequested();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // A modal dialog blocks every window but its own: while one is open the
    // help window belongs to it, and returns to the main window when it hides.
    void followModalDialog();
    void backToMainWindow();

    QWidget* mainWindow_;
    std::function<QString(QWidget*)> pageFor_;
    Thilfeform* window_;
    Ttipform* tip_;
};

}  // namespace corvina
