// Feeds raw bytes from a PC to the whole simulated phone: the DLR-3 modem
// prelude, the cable or PhoNet framing with its acknowledgements and
// resends, and the request handlers behind them. The first byte picks the
// framing (bit 0: PhoNet); the rest arrives in pieces, with the phone's
// clock moving on between them so that resends and time-outs happen.
#include <QCoreApplication>
#include <cstddef>
#include <cstdint>

#include "phonesim/engine/engine.h"
#include "tests/fuzz/simulatorinput.h"

namespace {

const phonesim::Fixture& shippedFixture() {
    static const phonesim::Fixture fixture = phonesim::Fixture::forModel(QStringLiteral("NSE-3"));
    return fixture;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication application(*argc, *argv);
    shippedFixture();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    phonesim::ManualScheduler clock;
    phonesim::PipeTransport pipe;
    phonesim::Faults faults{clock};
    phonesim::Journal journal;
    phonesim::EngineSettings settings;
    settings.framing = data[0] & 1 ? phonesim::Framing::Phonet : phonesim::Framing::Cable;
    phonesim::Engine engine(shippedFixture(), pipe, clock, faults, journal, settings);
    fuzzing::feedInPieces(pipe, clock, std::span<const uint8_t>(data + 1, size - 1), data[0]);
    return 0;
}
