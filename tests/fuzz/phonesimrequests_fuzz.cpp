// Feeds whatever a PC may send to the request handlers of the simulated
// Nokia phone. The first byte picks one of the shipped Nokia models; then follow
// messages, each as type, body length and body. The phone keeps what it was
// sent between the messages of one input, so writes are read back and
// message parts joined; each input starts from the shipped content again.
#include <QCoreApplication>
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "phonesim/nokia61xx/phone.h"
#include "tests/fuzz/simulatorinput.h"

namespace {

// The Nokia models: this target drives the Nokia request handlers.
const std::vector<phonesim::Fixture>& shippedFixtures() {
    static const auto fixtures = fuzzing::shippedFixtures(false);
    return fixtures;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication application(*argc, *argv);
    shippedFixtures();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const auto& fixtures = shippedFixtures();
    phonesim::Fixture fixture = fixtures[data[0] % fixtures.size()];
    phonesim::nokia61xx::Phone phone{fixture, [](phonesim::Message answer) {
                                         // One answer never exceeds what the
                                         // frames of a message can carry.
                                         if (answer.body.size() > 0xFFFF) std::abort();
                                     }};
    size_t at = 1;
    while (at + 2 <= size) {
        phonesim::Message request;
        request.type = data[at];
        const size_t length = std::min<size_t>(data[at + 1], size - at - 2);
        request.body.assign(data + at + 2, data + at + 2 + length);
        at += 2 + length;
        phonesim::nokia61xx::dispatchRequest(phone, request);
    }
    return 0;
}
