// corvina-cli identify: who the phone is and how it is doing.
#include <string>

#include "cli/commands.h"
#include "cli/output.h"
#include "codecs/tools/datafile.h"
#include "corvina/connection/modelnumbers.h"
#include "phonelib/api/phonelib.h"
#include "phonelib/api/status.h"

namespace cli {

int identify(Session& session, const QStringList&) {
    TPhoneInfo info;
    const uint8_t status = phonelib::GetPhoneInfos(info);
    if (status != phonelib::stDone) {
        printError("Das Telefon gibt seine Kennung nicht an (Status " + std::to_string(status) +
                   ").");
        return 1;
    }
    session.waitForFreshStatus();
    // Phones of the 7110 family refresh the signal with the network answer.
    TNetWorkInfo network;
    const bool haveNetwork = phonelib::GetNetworkInfo(network) == phonelib::stDone;
    TPhoneStatus phoneStatus;
    phonelib::GetPhoneStatus(phoneStatus);
    const auto statistics = phonelib::GetFrameStatistics();

    const auto model = corvina::modelNumberOf(info.modelCode);
    printRecord({"Modell", info.modelCode, model.name});
    printRecord({"IMEI", info.serialNumber});
    printRecord({"Software", info.softwareVersion});
    printRecord({"Hardware", info.hardwareVersion});
    printRecord({"Produktion", info.productionData});
    printRecord({"Akku", std::to_string(phoneStatus.battery * 25) + " %"});
    printRecord({"Signal", std::to_string(phoneStatus.signal * 25) + " %"});
    if (haveNetwork) {
        const auto& op = network.networkOperator;
        printRecord({"Netz", op.networkCode, op.operatorName});
        // Without the operator table the network has no name; say why.
        if (op.operatorName.empty() && tools::finddatafile("netcode.csv").empty())
            printError(tools::missingdatafiletext("netcode.csv"));
        printRecord({"LAC", network.areaCode});
        printRecord({"Zelle", network.cellId});
    } else {
        printRecord({"Netz", "-"});
    }
    if (!session.speaksAt()) {
        printRecord({"Verworfene Rahmen", std::to_string(statistics.badChecksumFrames)});
    }
    return 0;
}

}  // namespace cli
