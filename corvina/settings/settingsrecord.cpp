#include "corvina/settings/settingsrecord.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "codecs/tools/cp1252.h"
#include "phonelib/api/phonelib.h"

namespace corvina {

namespace {

const QString kGroup = QStringLiteral("SIEMENS/2.1");
const QString kDefaultLanguage = QStringLiteral("german.lng");

int32_t readNumber(const QSettings& store, const QString& name) {
    bool ok = false;
    const int32_t value = store.value(name).toString().trimmed().toInt(&ok);
    return ok ? value : 0;
}

QString withTrailingSlash(QString folder) {
    if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
    return folder;
}

void lookUpOperator(TSettings& settings) {
    bool countryOk = false;
    bool netOk = false;
    const int country = settings.operatorCountry.toInt(&countryOk);
    const int net = settings.operatorNet.toInt(&netOk);
    if (!countryOk || !netOk) return;
    settings.operatorCode = settings.operatorCountry + settings.operatorNet.rightJustified(2, '0');
    TOperator networkOperator;
    networkOperator.countryCode = country;
    networkOperator.networkNumber = net;
    int32_t row = -1;
    if (phonelib::GetOperatorname(networkOperator, row) == 1) {
        settings.operatorName = tools::fromCp1252(networkOperator.operatorName);
    }
}

}  // namespace

std::unique_ptr<QSettings> openSettingsStore() {
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                       QStringLiteral("Ardentia"), QStringLiteral("CORVINA"));
}

TSettings readSettings(QSettings& store) {
    TSettings s;
    store.beginGroup(kGroup);
    s.hasLastModel = store.contains(QStringLiteral("LastModel"));
    s.lastModel = s.hasLastModel ? readNumber(store, QStringLiteral("LastModel")) : 1;
    s.comport = store.value(QStringLiteral("Comport")).toString();
    s.comportIndex = store.value(QStringLiteral("Comportlistboxnummer")).toString();
    s.speed = readNumber(store, QStringLiteral("Speed"));
    s.language = store.value(QStringLiteral("Sprache")).toString();
    if (s.language.size() <= 4) s.language.clear();
    s.operatorCountry = store.value(QStringLiteral("Operator-Land")).toString();
    s.operatorNet = store.value(QStringLiteral("Operator-Net")).toString();
    s.operatorIndex = store.value(QStringLiteral("Operatorlistboxnummer")).toString();
    s.smsCentre = store.value(QStringLiteral("Smszentrale")).toString();
    s.logoFolder = store.value(QStringLiteral("Standard-Logoverzeichniss")).toString();
    s.phonebookFolder = store.value(QStringLiteral("sms-start-verzeichniss")).toString();
    s.smallPictureSms =
        store.value(QStringLiteral("Picturesms_groesse")).toString() == QStringLiteral("klein");
    s.sleepMode = store.value(QStringLiteral("SleepMode"), false).toBool();
    s.programFolder = store.value(QStringLiteral("Programmpfad")).toString();
    if (s.programFolder.isEmpty()) s.programFolder = QCoreApplication::applicationDirPath();
    s.programFolder = withTrailingSlash(s.programFolder);
    s.fixed = store.value(QStringLiteral("fixed"), false).toBool();
    store.endGroup();
    lookUpOperator(s);
    return s;
}

void writeSettings(QSettings& store, const TSettings& s) {
    store.beginGroup(kGroup);
    store.setValue(QStringLiteral("LastModel"), s.lastModel);
    store.setValue(QStringLiteral("Comport"), s.comport);
    store.setValue(QStringLiteral("Comportlistboxnummer"), s.comportIndex);
    store.setValue(QStringLiteral("Speed"), QString::number(s.speed));
    store.setValue(QStringLiteral("Sprache"), s.language.isEmpty() ? kDefaultLanguage : s.language);
    store.setValue(QStringLiteral("Operator-Land"), s.operatorCountry);
    store.setValue(QStringLiteral("Operator-Net"), s.operatorNet);
    store.setValue(QStringLiteral("Operatorlistboxnummer"), s.operatorIndex);
    store.setValue(QStringLiteral("Smszentrale"), s.smsCentre);
    if (!s.logoFolder.isEmpty() && QFileInfo(s.logoFolder).isDir()) {
        store.setValue(QStringLiteral("Standard-Logoverzeichniss"), s.logoFolder);
    }
    store.setValue(QStringLiteral("sms-start-verzeichniss"), s.phonebookFolder);
    store.setValue(QStringLiteral("Picturesms_groesse"),
                   s.smallPictureSms ? QStringLiteral("klein") : QStringLiteral("gross"));
    store.setValue(QStringLiteral("SleepMode"), s.sleepMode);
    store.endGroup();
    store.sync();
}

TSettings readSettings() {
    return readSettings(*openSettingsStore());
}

void writeSettings(const TSettings& settings) {
    writeSettings(*openSettingsStore(), settings);
}

}  // namespace corvina
