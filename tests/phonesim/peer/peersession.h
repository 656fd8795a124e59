// gnokii and gammu, two FBUS clients built and tuned against real phones,
// run against the simulated 3310 (NHM-5) and 6110 (NSE-3). Every test is
// instantiated for both peers and both models; a test compares what the
// peer prints with what the simulated phone holds.
//
// Each run gets a fresh simulated phone on a pseudo-terminal and a peer
// configuration in a private temporary folder. A peer that is not installed
// skips the test with the Debian package to install.
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <ostream>
#include <tuple>

#include "phonesim/simulator.h"

namespace peer_test {

enum class Peer { Gnokii, Gammu };

struct PhoneModel {
    const char* code;  // the simulated phone's model code
    const char* name;  // the model as the peers name it
};

inline constexpr PhoneModel k3310{"NHM-5", "3310"};
inline constexpr PhoneModel k6110{"NSE-3", "6110"};

// For test names and messages.
inline void PrintTo(Peer peer, std::ostream* out) {
    *out << (peer == Peer::Gnokii ? "gnokii" : "gammu");
}
inline void PrintTo(const PhoneModel& model, std::ostream* out) {
    *out << model.code;
}

struct PeerRun {
    int exitCode = -1;
    QString output;  // what the peer printed (stdout and stderr)
    QString log;     // the peer's debug log: every frame it sent and received
    double seconds = 0;

    // For failure messages: the output, then the end of the log.
    std::string describe() const;
    // A line of the output of the form "label : value" (blanks around the
    // colon as the peer pads them) whose value begins with `value`.
    bool has(const QString& label, const QString& value) const;
    // The peer waited for an answer in vain (its log says so).
    bool stalled() const;
};

class PeerTest : public ::testing::TestWithParam<std::tuple<Peer, PhoneModel>> {
  protected:
    void SetUp() override;

    Peer peer() const { return std::get<0>(GetParam()); }
    bool gnokii() const { return peer() == Peer::Gnokii; }
    bool gammu() const { return peer() == Peer::Gammu; }
    const PhoneModel& model() const { return std::get<1>(GetParam()); }
    bool is3310() const { return QLatin1String(model().code) == QLatin1String(k3310.code); }

    // Runs the peer with these arguments against the phone (started with
    // `fixture` on the first run); `input` goes to its standard input.
    PeerRun run(const QStringList& arguments, const QByteArray& input = {});

    // A file in the private folder (for logos the peer reads or writes).
    QString file(const QString& name) const { return dir_.filePath(name); }
    QString writeFile(const QString& name, const QByteArray& content) const;

    // What the phone holds; the test may change it before the first run.
    phonesim::Fixture fixture;
    // The phone, once started; its fixture() shows what it holds now.
    std::unique_ptr<phonesim::Simulator> phone;

  private:
    QString configFor(const QString& device, const QString& log);

    QString program_;
    QTemporaryDir dir_;
    int runs_ = 0;
};

// "gnokii_NHM5" and so on, for the test names.
std::string peerCaseName(const ::testing::TestParamInfo<PeerTest::ParamType>& info);

}  // namespace peer_test

// Every peer test suite runs for both peers and both models.
#define PEER_TEST_SUITE(Suite)                                                                 \
    INSTANTIATE_TEST_SUITE_P(                                                                  \
        Peers, Suite,                                                                          \
        ::testing::Combine(::testing::Values(peer_test::Peer::Gnokii, peer_test::Peer::Gammu), \
                           ::testing::Values(peer_test::k3310, peer_test::k6110)),             \
        peer_test::peerCaseName)
