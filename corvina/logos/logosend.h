// Sending logos, pictures and ringtones to the phone, directly over the
// connection or as a smart message through it, and removing logos.
//
// A send is a chain of steps: library calls (which tests replace) and
// questions to the user (which the window answers through dialogs that do
// not block, and tests answer at once). Each step calls the next when its
// answer comes; the chain ends in exactly one outcome.
//
// The library calls run one after the other from the event loop; a call
// refused because another call of this thread is still running
// (stCallInProgress) is tried again a moment later, never taken as a
// failure.
#pragma once

#include <QImage>
#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "corvina/common/callsequence.h"
#include "records/typendefinitionen.h"

namespace corvina {

// The library calls of the sends.
struct LogoCalls {
    std::function<uint8_t(const GSMBitmap&)> sendBitmap;
    std::function<uint8_t(GSMBitmap&)> getBitmap;
    // Also asked after an upload: the Nokia phones do not answer uploads,
    // so only a request they answer shows that the phone took it.
    std::function<uint8_t(TNetWorkInfo&)> networkInfo;
    std::function<uint8_t(const std::string&, uint8_t)> deleteLogo;
    std::function<uint8_t(const std::string&, uint8_t)> sendRingtone;
    std::function<uint8_t(const GSMSMS&, int32_t, int32_t)> sendSms;
    std::function<uint8_t(std::string&)> smsCentre;

    static LogoCalls library();
};

struct CallerGroup {
    int index = 0;
    QString name;
};

// The questions a send may ask. Each gets a function to call with the
// answer; not calling it leaves the send waiting.
struct SendQuestions {
    // Neither the settings nor the phone know the operator: ask the user to
    // choose one in the settings; answer with the code then chosen (empty:
    // the send ends).
    std::function<void(std::function<void(QString)>)> operatorCode;
    // The settings' operator differs from the phone's network: a warning,
    // after which the send goes on.
    std::function<void(std::function<void()>)> operatorMismatch;
    // The caller group of a group logo (nothing: the send ends).
    std::function<void(std::function<void(std::optional<CallerGroup>)>)> callerGroup;
    // "Bild 1" ... "Bild 4" as 0..3 (nothing: the send ends); `ringtone`
    // names the slot of a ringtone.
    std::function<void(bool ringtone, std::function<void(std::optional<int>)>)> slot;
    // No message centre known: ask the user to enter one in the settings;
    // answer with it (empty: the send ends).
    std::function<void(std::function<void(QString)>)> smsCentre;
};

struct SendOutcome {
    enum class Kind { Success, Failure, Cancelled };
    Kind kind = Kind::Cancelled;
    uint8_t status = 0;    // the library's result of the last call
    QString text;          // what the user is told ("Übertragung erfolgreich.", a warning)
    QString operatorCode;  // the code an operator logo went out with

    bool success() const { return kind == Kind::Success; }
};

// A picture to send directly.
struct LogoJob {
    QImage picture;  // one-bit, of the logo size
    uint8_t kind = 3;
    uint8_t modelNumber = 24;
    QString settingsCode;  // operator code of the settings ("26201"), may be empty
};

// A smart message: a logo or picture, or a ringtone file.
struct MessageJob {
    QImage picture;
    uint8_t smartKind = skOperatorLogo;
    QString ringtoneFile;
    QString recipient;
    QString operatorCode;  // the operator chosen in the dialog
    QString text;          // picture messages, at most 113 characters
    QString settingsCentre;
};

class LogoSender : public QObject {
    Q_OBJECT

  public:
    explicit LogoSender(LogoCalls calls = LogoCalls::library(), QObject* parent = nullptr);

    void setQuestions(SendQuestions questions) { questions_ = std::move(questions); }
    // Milliseconds before a call refused with stCallInProgress is tried again.
    void setRetryInterval(int milliseconds) { sequence_.setRetryInterval(milliseconds); }

    using Done = std::function<void(const SendOutcome&)>;
    void sendLogo(const LogoJob& job, Done done);
    void sendRingtone(const QString& file, uint8_t modelNumber, Done done);
    void sendMessage(const MessageJob& job, Done done);
    // Operator (DeleteLogo kind 3) and screensaver (kind 8) logos are
    // removed; a start-up logo is overwritten with a blank one of `size`.
    void removeLogo(uint8_t kind, uint8_t modelNumber, const QString& settingsCode, QSize size,
                    Done done);

    // The group's ringtone when a group logo cannot read it from the phone.
    static int32_t defaultGroupRingtone(uint8_t modelNumber);

  private:
    // Makes the call from the event loop (again while refused for a call
    // in progress), then goes on with its status.
    void attempt(CallSequence::Call call, CallSequence::Then then);
    void withOperator(uint8_t modelNumber, const QString& settingsCode,
                      std::function<void(QString)> then, Done done);
    void upload(GSMBitmap bitmap, uint8_t modelNumber, Done done);
    void confirmUpload(uint8_t status, uint8_t modelNumber, const QString& code, Done done);
    void sendSmart(GSMSMS message, Done done);

    LogoCalls calls_;
    SendQuestions questions_;
    CallSequence sequence_;
};

// The phone's network as an operator code: country code, then the network
// code with at least two digits ("26201"); empty when unknown.
QString networkCodeOf(const TNetWorkInfo& info);

// What the user is told for a result of a direct send (`byMessage`: of a
// smart message) other than success.
QString sendFailureText(uint8_t status, bool byMessage);
QString sendSuccessText();

}  // namespace corvina
