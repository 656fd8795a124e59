#include "corvina/info/phoneinformation.h"

#include <QFile>

#include "codecs/tools/cp1252.h"
#include "codecs/tools/filebytes.h"
#include "corvina/language/language.h"
#include "phonelib/api/phonelib.h"
#include "phonelib/api/status.h"

namespace corvina {

namespace {

constexpr int kPercentPerLevel = 25;

QString text(const std::string& bytes) {
    return tools::fromCp1252(bytes);
}

}  // namespace

PhoneQueries PhoneQueries::library() {
    return {&phonelib::GetPhoneStatus, &phonelib::GetPhoneInfos, &phonelib::GetNetworkInfo};
}

PhoneInformation::PhoneInformation(PhoneQueries queries)
    : queries_(std::move(queries)), fields_(unknownFields()) {}

bool PhoneInformation::refresh() {
    TPhoneStatus status;
    if (queries_.status(status) == phonelib::stCallInProgress) return false;
    fields_.signalPercent = status.signal * kPercentPerLevel;
    fields_.batteryPercent = status.battery * kPercentPerLevel;

    TPhoneInfo info;
    if (queries_.info(info) != phonelib::stCallInProgress) {
        fields_.model = text(info.modelCode);
        fields_.imei = text(info.serialNumber);
        fields_.production = text(info.productionData);
        fields_.softwareVersion = text(info.softwareVersion);
        fields_.hardwareVersion = text(info.hardwareVersion);
    }

    TNetWorkInfo network;
    if (queries_.network(network) == phonelib::stDone) {
        fields_.operatorName = text(network.networkOperator.operatorName);
        fields_.areaCode = text(network.areaCode);
        fields_.cellId = text(network.cellId);
    }
    return true;
}

QString unknownText() {
    return tx("info_8", "unbekannt");
}

PhoneInformationFields unknownFields() {
    const QString unknown = unknownText();
    PhoneInformationFields f;
    f.model = f.imei = f.production = f.softwareVersion = f.hardwareVersion = unknown;
    f.operatorName = f.areaCode = f.cellId = unknown;
    return f;
}

QStringList informationFileLines(const PhoneInformationFields& f) {
    return {
        QStringLiteral("Corvina") + tx("info_3", "- Handy Informationen"),
        QStringLiteral("--------------------------------"),
        QString(),
        tx("infos2_1", "Model     :") + f.model,
        tx("infos2_2", "IMEI      :") + f.imei,
        tx("info_4", "Produktion:") + f.production,
        tx("infos2_3", "SW-Version:") + f.softwareVersion,
        tx("infos2_4", "HW-Version:") + f.hardwareVersion,
        QString(),
        tx("info_5", "Operator  :") + f.operatorName,
        tx("infos2_5", "LAC       :") + f.areaCode,
        tx("infos2_6", "Cell-ID   :") + f.cellId,
    };
}

bool saveInformationFile(const QString& path, const PhoneInformationFields& fields) {
    std::string bytes;
    for (const QString& line : informationFileLines(fields))
        bytes += tools::toCp1252(line) + "\r\n";
    return tools::writefileatomically(QFile::encodeName(path).toStdString(), bytes);
}

}  // namespace corvina
