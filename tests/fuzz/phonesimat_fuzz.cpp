// Feeds raw bytes from a PC to the simulated Siemens phone: command lines
// with echo, the "> " prompt and the data after it (Ctrl-Z, ESC), object
// parts, message PDUs. The first byte picks one of the Siemens models; the
// rest arrives in pieces, with the phone's clock moving on between them.
#include <QCoreApplication>
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "phonesim/fixture/siemensdata.h"
#include "phonesim/link/manualscheduler.h"
#include "phonesim/siemens/atengine.h"
#include "phonesim/transport/pipetransport.h"

namespace {

std::vector<phonesim::Fixture>& siemensFixtures() {
    static std::vector<phonesim::Fixture> fixtures;
    return fixtures;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication application(*argc, *argv);
    for (const QString& model : phonesim::Fixture::shippedModels()) {
        if (phonesim::isSiemensModel(model)) {
            siemensFixtures().push_back(phonesim::Fixture::forModel(model));
        }
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const auto& fixtures = siemensFixtures();
    phonesim::ManualScheduler clock;
    phonesim::PipeTransport pipe;
    phonesim::Faults faults{clock};
    phonesim::Journal journal;
    phonesim::siemens::AtEngine engine(fixtures[data[0] % fixtures.size()], pipe, clock, faults,
                                       journal);
    size_t piece = 1;
    for (size_t at = 1; at < size; at += piece) {
        piece = std::min<size_t>(size - at, 1 + (at * 13 + data[0]) % 64);
        pipe.feed(std::span<const uint8_t>(data + at, piece));
        clock.advance(phonesim::Millis(20 * (data[at] % 8)));
        pipe.takeOutput();
    }
    clock.advance(phonesim::Millis(1000));
    return 0;
}
