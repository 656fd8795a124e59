// Type 0xD1: the identification request (sent at set-up and every second by
// the keep-alive). Answer type 0xD2: 00 01 00 03, then the version text from
// byte 4.
#include "phonesim/nokia61xx/requests.h"

namespace phonesim::nokia61xx {

std::vector<uint8_t> versionText(const Identity& identity) {
    return latin1(QStringLiteral("V ") + identity.softwareVersion + QLatin1Char('\n') +
                  identity.softwareDate + QLatin1Char('\n') + identity.modelCode +
                  QLatin1Char('\n') + identity.copyright);
}

void onVersionRequest(Phone& phone, std::span<const uint8_t>) {
    std::vector<uint8_t> body = {0x00, 0x01, 0x00, 0x03};
    const auto text = versionText(phone.fixture.identity);
    body.insert(body.end(), text.begin(), text.end());
    phone.answer({0xD2, std::move(body)});
}

}  // namespace phonesim::nokia61xx
