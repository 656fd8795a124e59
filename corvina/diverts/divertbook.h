// The call diverts as the divert window reads and writes them: queries of
// one class or of all, a number written, a divert switched off, a no-reply
// delay changed, everything switched off. No widgets; tests drive it with a
// fake library.
//
// Every write the phone answers as done is read back, and the cell shows
// what the network holds: a network that does not keep a divert (or an AT
// phone that answered a plain "ERROR", which counts as done) shows up as a
// difference. A failed write leaves the cell as it was; a failed read
// leaves it unknown.
#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include "corvina/common/callsequence.h"
#include "corvina/diverts/divertgrid.h"
#include "corvina/diverts/divertlibrary.h"

namespace corvina {

struct DivertFailure {
    DivertKey divert;
    uint8_t status = 0;

    bool operator==(const DivertFailure&) const = default;
};

// What one action came to.
struct DivertOutcome {
    enum class Action { Query, Set, Change, Off, AllOff };

    Action action = Action::Query;
    int callClass = -1;             // the class of a query or write; -1 for all
    QList<DivertFailure> failures;  // queries or writes that failed
    QList<DivertKey> notKept;       // answered as done, but the network holds something else
    QList<DivertKey> unconfirmed;   // written, but the read-back failed

    bool succeeded() const { return failures.isEmpty() && notKept.isEmpty(); }
};

class DivertBook : public QObject {
    Q_OBJECT

  public:
    explicit DivertBook(DivertLibrary library, QObject* parent = nullptr);

    const DivertGrid& grid() const { return grid_; }
    bool busy() const { return calls_.running(); }
    CallSequence& calls() { return calls_; }

    void queryClass(int callClass);
    void queryAll();
    // Activates a divert to the number (the no-reply divert with the
    // class's delay). False, with nothing sent, when the library finds the
    // number unusable.
    bool setNumber(int callClass, int reason, const QString& number);
    void switchOff(int callClass, int reason);
    // Writes the class's no-reply divert again with another delay.
    void setDelay(int callClass, int32_t seconds);
    // Erases every divert not known to be off.
    void allOff();
    // Drops what has not been sent yet (the link went away).
    void abort() { calls_.cancel(); }

  signals:
    void cellChanged(int callClass, int reason);
    void delayChanged(int callClass);
    void finished(const corvina::DivertOutcome& outcome);

  private:
    void begin(DivertOutcome::Action action, int callClass);
    void query(int callClass, int reason);
    void write(const TDivert& divert);
    void readBack(const TDivert& written);
    void show(const TDivert& divert);
    bool sameNumber(const std::string& a, const std::string& b) const;

    DivertLibrary library_;
    CallSequence calls_;
    DivertGrid grid_;
    DivertOutcome outcome_;
};

}  // namespace corvina
