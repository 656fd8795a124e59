#include "corvina/logos/logosend.h"

#include <QDir>
#include <QTemporaryFile>
#include <memory>

#include "codecs/bitmaps/drawbin.h"
#include "codecs/tools/cp1252.h"
#include "codecs/tools/privatetemp.h"
#include "corvina/connection/modelnumbers.h"
#include "corvina/language/language.h"
#include "corvina/logos/logobitmaps.h"
#include "corvina/logos/logokinds.h"
#include "corvina/logos/picturefiles.h"
#include "phonelib/api/phonelib.h"
#include "phonelib/api/status.h"

namespace corvina {

namespace {

constexpr int32_t kGroupRingtone7110 = 78;
constexpr int32_t kGroupRingtone = 51;

SendOutcome failure(uint8_t status, bool byMessage) {
    return {SendOutcome::Kind::Failure, status, sendFailureText(status, byMessage), {}};
}

SendOutcome cancelled() {
    return {};
}

SendOutcome notALogo() {
    return {SendOutcome::Kind::Failure,
            phonelib::stTooLong,
            tx("logos_20", "Das Bild ist größer, als ein Telefon es aufnehmen kann."),
            {}};
}

std::string bytes(const QString& text) {
    return tools::toCp1252(text);
}

// The Siemens phones take a logo as a bitmap file: a private temporary one
// that lives as long as the send.
std::shared_ptr<QTemporaryFile> pictureFileFor(GSMBitmap& bitmap) {
    const std::string folder = tools::privatetempdir();
    if (folder.empty()) return nullptr;
    auto file = std::make_shared<QTemporaryFile>(
        QDir(QString::fromStdString(folder)).filePath(QStringLiteral("logoXXXXXX.bmp")));
    if (!file->open()) return nullptr;
    file->close();
    const std::string name = QFile::encodeName(file->fileName()).toStdString();
    if (!tools::drawbin(name, bitmap)) return nullptr;
    bitmap.pictureFile = name;
    return file;
}

}  // namespace

LogoCalls LogoCalls::library() {
    return {&phonelib::Sendbitmap,  &phonelib::GetBitmap,    &phonelib::GetNetworkInfo,
            &phonelib::DeleteLogo,  &phonelib::SendRingTone, &phonelib::SendSMS,
            &phonelib::GetSMSCenter};
}

LogoSender::LogoSender(LogoCalls calls, QObject* parent)
    : QObject(parent), calls_(std::move(calls)) {}

int32_t LogoSender::defaultGroupRingtone(uint8_t modelNumber) {
    return isNokia7110Family(modelNumber) ? kGroupRingtone7110 : kGroupRingtone;
}

void LogoSender::attempt(CallSequence::Call call, CallSequence::Then then) {
    sequence_.add(std::move(call), std::move(then));
}

void LogoSender::withOperator(uint8_t model, const QString& settingsCode,
                              std::function<void(QString)> then, Done done) {
    if (!isNokia(model)) {
        then(settingsCode);
        return;
    }
    auto info = std::make_shared<TNetWorkInfo>();
    attempt([this, info] { return calls_.networkInfo(*info); },
            [this, info, settingsCode, then, done](uint8_t status) {
                const QString phoneCode =
                    status == phonelib::stDone ? networkCodeOf(*info) : QString();
                if (status == phonelib::stNotConnected) {
                    done(failure(status, false));
                } else if (!settingsCode.isEmpty()) {
                    if (!phoneCode.isEmpty() && phoneCode != settingsCode) {
                        questions_.operatorMismatch([then, settingsCode] { then(settingsCode); });
                    } else {
                        then(settingsCode);
                    }
                } else if (!phoneCode.isEmpty()) {
                    // Nothing in the settings: the network the phone is in,
                    // which cannot disagree with itself.
                    then(phoneCode);
                } else {
                    questions_.operatorCode([then, done](const QString& code) {
                        if (code.isEmpty()) {
                            done(cancelled());
                        } else {
                            then(code);
                        }
                    });
                }
            });
}

void LogoSender::sendLogo(const LogoJob& job, Done done) {
    std::optional<GSMBitmap> made = bitmapFromPicture(job.picture, job.kind);
    if (!made) {
        done(notALogo());
        return;
    }
    GSMBitmap bitmap = *made;
    const uint8_t model = job.modelNumber;
    bitmap.groupRingtone = defaultGroupRingtone(model);
    bitmap.groupLogoOn = 1;
    switch (job.kind) {
        case lkOperator:
            withOperator(
                model, job.settingsCode,
                [this, bitmap, model, done](const QString& code) mutable {
                    bitmap.networkCode = code.toStdString();
                    upload(bitmap, model, done);
                },
                done);
            return;
        case lkCallerGroup:
            questions_.callerGroup([this, bitmap, model, done](std::optional<CallerGroup> group) {
                if (!group) {
                    done(cancelled());
                    return;
                }
                // The logo message carries the group's ringtone too: read it,
                // so that the group keeps the one it has.
                auto read = std::make_shared<GSMBitmap>();
                read->kind = lkCallerGroup;
                read->groupIndex = group->index;
                attempt([this, read] { return calls_.getBitmap(*read); },
                        [this, read, bitmap, model, group, done](uint8_t status) mutable {
                            if (status == phonelib::stDone)
                                bitmap.groupRingtone = read->groupRingtone;
                            bitmap.groupIndex = group->index;
                            bitmap.groupName = bytes(group->name);
                            upload(bitmap, model, done);
                        });
            });
            return;
        case lkPicture:
            if (isNokia7110Family(model)) break;
            questions_.slot(false, [this, bitmap, model, done](std::optional<int> slot) mutable {
                if (!slot) {
                    done(cancelled());
                    return;
                }
                bitmap.location = *slot;
                upload(bitmap, model, done);
            });
            return;
        default:
            break;
    }
    bitmap.networkCode = job.settingsCode.toStdString();
    upload(bitmap, model, done);
}

void LogoSender::upload(GSMBitmap bitmap, uint8_t model, Done done) {
    std::shared_ptr<QTemporaryFile> file;
    if (isSiemens(model)) {
        file = pictureFileFor(bitmap);
        if (!file) {
            done({SendOutcome::Kind::Failure,
                  phonelib::stFileUnreadable,
                  tx("logos_21", "Die Bilddatei für das Telefon kann nicht angelegt werden."),
                  {}});
            return;
        }
    }
    const QString code = QString::fromStdString(bitmap.networkCode);
    attempt([this, bitmap] { return calls_.sendBitmap(bitmap); },
            [this, file, model, code, done](uint8_t status) {
                confirmUpload(status, model, code, done);
            });
}

void LogoSender::confirmUpload(uint8_t status, uint8_t model, const QString& code, Done done) {
    if (status != phonelib::stDone) {
        done(failure(status, false));
        return;
    }
    const SendOutcome success{SendOutcome::Kind::Success, status, sendSuccessText(), code};
    if (!isNokia(model)) {
        done(success);
        return;
    }
    // A Nokia phone does not answer an upload; only a request it answers
    // shows that it is still there to have taken it.
    auto network = std::make_shared<TNetWorkInfo>();
    attempt([this, network] { return calls_.networkInfo(*network); },
            [success, done](uint8_t answered) {
                if (answered == phonelib::stDone) {
                    done(success);
                } else {
                    done(failure(answered, false));
                }
            });
}

void LogoSender::sendRingtone(const QString& file, uint8_t model, Done done) {
    const bool slotted =
        (model >= 10 && model <= 13) || (model >= 16 && model <= 18) || model == 21;
    const auto send = [this, file, model, done](int slot) {
        attempt(
            [this, file, slot] {
                return calls_.sendRingtone(QFile::encodeName(file).toStdString(),
                                           static_cast<uint8_t>(slot));
            },
            [this, model, done](uint8_t status) { confirmUpload(status, model, {}, done); });
    };
    if (!slotted) {
        send(0);
        return;
    }
    questions_.slot(true, [send, done](std::optional<int> slot) {
        if (slot) {
            send(*slot);
        } else {
            done(cancelled());
        }
    });
}

void LogoSender::removeLogo(uint8_t kind, uint8_t model, const QString& settingsCode, QSize size,
                            Done done) {
    if (kind == lkStartup) {
        upload(*bitmapFromPicture(blankPicture(size), lkStartup), model, done);
        return;
    }
    const uint8_t logoKind = kind == lkScreensaver ? lkScreensaver : lkOperator;
    withOperator(
        model, settingsCode,
        [this, logoKind, model, done](const QString& code) {
            attempt(
                [this, code, logoKind] { return calls_.deleteLogo(code.toStdString(), logoKind); },
                [this, model, code, done](uint8_t status) {
                    confirmUpload(status, model, code, done);
                });
        },
        done);
}

void LogoSender::sendMessage(const MessageJob& job, Done done) {
    GSMSMS message;
    message.remoteNumber = job.recipient.toStdString();
    message.smartKind = job.smartKind;
    message.validity = 5;
    if (job.smartKind == skRingtone) {
        message.ringtoneFile = QFile::encodeName(job.ringtoneFile).toStdString();
    } else {
        const uint8_t kind = job.smartKind == skOperatorLogo      ? lkOperator
                             : job.smartKind == skCallerGroupLogo ? lkCallerGroup
                                                                  : lkPicture;
        std::optional<GSMBitmap> bitmap = bitmapFromPicture(job.picture, kind);
        if (!bitmap) {
            done(notALogo());
            return;
        }
        message.picture = *bitmap;
        if (job.smartKind == skOperatorLogo) {
            if (job.operatorCode.isEmpty()) {
                done({SendOutcome::Kind::Failure,
                      0,
                      tx("logos_22", "Bitte wählen Sie den Operator, für den das Logo gilt."),
                      {}});
                return;
            }
            message.picture.networkCode = job.operatorCode.toStdString();
        }
        if (job.smartKind == skPictureMessage) message.text = bytes(job.text.left(113));
    }
    if (!job.settingsCentre.isEmpty()) {
        message.serviceCentre = job.settingsCentre.toStdString();
        sendSmart(message, done);
        return;
    }
    auto centre = std::make_shared<std::string>("1");
    attempt([this, centre] { return calls_.smsCentre(*centre); },
            [this, centre, message, done](uint8_t status) mutable {
                if (status == phonelib::stDone && !centre->empty()) {
                    message.serviceCentre = *centre;
                    sendSmart(message, done);
                    return;
                }
                questions_.smsCentre([this, message, done](const QString& number) mutable {
                    if (number.isEmpty()) {
                        done(cancelled());
                        return;
                    }
                    message.serviceCentre = number.toStdString();
                    sendSmart(message, done);
                });
            });
}

void LogoSender::sendSmart(GSMSMS message, Done done) {
    const QString code = QString::fromStdString(message.picture.networkCode);
    attempt([this, message] { return calls_.sendSms(message, 1, 1); },
            [code, done](uint8_t status) {
                if (status == phonelib::stDone) {
                    done({SendOutcome::Kind::Success, status, sendSuccessText(), code});
                } else {
                    done(failure(status, true));
                }
            });
}

QString networkCodeOf(const TNetWorkInfo& info) {
    const TOperator& op = info.networkOperator;
    if (op.countryCode <= 0) return {};
    return QString::number(op.countryCode) +
           QString::number(op.networkNumber).rightJustified(2, QLatin1Char('0'));
}

QString sendSuccessText() {
    return tx("logos_23", "Übertragung erfolgreich.");
}

QString sendFailureText(uint8_t status, bool byMessage) {
    const QString again =
        tx("logos_24", "Schalten Sie evtl. das Handy einmal aus und dann wieder ein.");
    switch (status) {
        case 0:
        case phonelib::stNoAnswer:
            return tx("logos_25",
                      "Das Mobiltelefon konnte nicht kontaktiert werden. Überprüfen Sie die "
                      "Verbindung und versuchen Sie den Upload erneut.") +
                   QLatin1Char('\n') + again;
        case phonelib::stRefused:
            if (byMessage) {
                return tx("logos_26",
                          "Das Mobiltelefon hat einen Fehler gemeldet. Überprüfen Sie die "
                          "Einstellungen.") +
                       QLatin1Char('\n') +
                       tx("logos_27",
                          "Evtl. wird diese Funktion von Ihrem Netzbetreiber nicht unterstützt!");
            }
            return tx("logos_28",
                      "Das Mobiltelefon hat einen Fehler gemeldet. Überprüfen Sie die Verbindung "
                      "zum Mobiltelefon und versuchen Sie den Upload erneut.") +
                   QLatin1Char('\n') + again;
        case phonelib::stNotAvailable:
            return tx("logos_29", "Diese Funktion bietet Ihr Mobiltelefon nicht an.");
        case phonelib::stUnsupportedFile:
            return tx("logos_30", "Diese Art von Ruftondatei kann nicht gesendet werden.");
        case phonelib::stFileUnreadable:
        case phonelib::stCannotOpen:
            return tx("logos_31", "Die Datei kann nicht gelesen werden; es wurde nichts gesendet.");
        case phonelib::stNotConnected:
            return tx("logos_32", "Es ist kein Mobiltelefon verbunden; es wurde nichts gesendet.");
        case phonelib::stTooLong:
            return tx("logos_33",
                      "Die Daten sind zu groß für das Telefon; es wurde nichts gesendet.");
        case phonelib::stNoSuchLocation:
            return tx("logos_34", "Das Telefon hat diesen Speicherplatz nicht.");
        default:
            return tx("logos_35", "Das Senden ist fehlgeschlagen (Fehler %1).").arg(status);
    }
}

}  // namespace corvina
