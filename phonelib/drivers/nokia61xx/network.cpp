// Network registration of a Nokia phone: operator, location area and cell.
#include <charconv>
#include <cstdio>

#include "codecs/tools/operatorname.h"
#include "codecs/tools/semioctets.h"
#include "phonelib/api/library.h"
#include "phonelib/drivers/bodytext.h"
#include "phonelib/drivers/nokia61xx/mailboxes.h"
#include "phonelib/drivers/nokia61xx/procedures.h"
#include "phonelib/drivers/nokia61xx/replies.h"

namespace phonelib::nokia {

namespace {

// A semi-octet coded number such as 62 F2 (262); false when it holds no
// decimal number.
bool semiOctetNumber(std::span<const uint8_t> body, size_t from, size_t count, int32_t& value) {
    const std::string digits = tools::semioctetdecode(hexOf(body, from, count));
    int32_t parsed = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), parsed);
    if (error != std::errc() || end != digits.data() + digits.size() || digits.empty())
        return false;
    value = parsed;
    return true;
}

}  // namespace

bool decodeNetwork(std::span<const uint8_t> body, TNetWorkInfo& info) {
    if (body.size() < 17) return false;
    semiOctetNumber(body, 14, 2, info.networkOperator.countryCode);
    semiOctetNumber(body, 16, 1, info.networkOperator.networkNumber);
    info.areaCode = hexOf(body, 12, 2);
    info.cellId = hexOf(body, 10, 2);
    return true;
}

void nameOperator(TOperator& networkOperator) {
    int32_t row = -1;
    if (tools::GetOperatorname(networkOperator, row) == 1) return;
    // Not in the table: say which network it is rather than keep the name
    // of an earlier one.
    char code[16];
    std::snprintf(code, sizeof code, "%03d%02d", networkOperator.countryCode,
                  networkOperator.networkNumber);
    networkOperator.networkCode = code;
    networkOperator.operatorName.clear();
}

void onNetwork(std::span<const uint8_t> body) {
    auto& box = mailboxes();
    if (!decodeNetwork(body, box.network)) return;
    nameOperator(box.network.networkOperator);
    box.networkFlag = 1;
}

uint8_t GetNetworkInfo(TNetWorkInfo& info) {
    auto& library = lib();
    auto& box = mailboxes();
    box.networkFlag = 0;
    library.frames.SendFbusMessage(0x0A, {0x00, 0x01, 0x00, 0x70});
    uint8_t result = library.waitForFlag(box.networkFlag, 3);
    if (result == stNoAnswer) return result;
    info = box.network;
    const uint8_t model = library.state.ModelId;
    if (model >= 19 && model <= 21) {
        // The second answer refreshes the signal level only; it completes
        // the status mailbox, so that the signal messages these phones send
        // by themselves cannot pass for the network answer above.
        box.statusFlag = 0;
        library.frames.SendFbusMessage(0x0A, {0x00, 0x01, 0x00, 0x81});
        result = library.waitForFlag(box.statusFlag, 3);
        if (result == stNoAnswer) return result;
        info = box.network;
    }
    return result;
}

}  // namespace phonelib::nokia
