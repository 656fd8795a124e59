// Feeds raw bytes from a PC to the simulated Siemens phone: command lines
// with echo, the "> " prompt and the data after it (Ctrl-Z, ESC), object
// parts, message PDUs. The first byte picks one of the Siemens models; the
// rest arrives in pieces, with the phone's clock moving on between them.
#include <QCoreApplication>
#include <cstddef>
#include <cstdint>

#include "phonesim/siemens/atengine.h"
#include "tests/fuzz/simulatorinput.h"

namespace {

const std::vector<phonesim::Fixture>& siemensFixtures() {
    static const auto fixtures = fuzzing::shippedFixtures(true);
    return fixtures;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication application(*argc, *argv);
    siemensFixtures();
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
    fuzzing::feedInPieces(pipe, clock, std::span<const uint8_t>(data + 1, size - 1), data[0]);
    return 0;
}
