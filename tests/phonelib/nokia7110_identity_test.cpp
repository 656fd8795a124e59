// The 0x40 identity routine with the 7110 keep-alive pinging meanwhile: only
// the identity answers complete its waits, the version answers to the
// keep-alive's pings do not.
#include <QTimer>

#include "phonelib/api/keepalive.h"
#include "phonelib/drivers/nokia7110/procedures.h"
#include "tests/support/fbusframe.h"
#include "tests/support/libraryfixture.h"

using namespace phonelib;

namespace {

using Bytes = std::vector<uint8_t>;

// A phone that answers what the library writes, a moment later on the
// library thread. `answers` gives the answer to a message (type and body),
// or an empty body for none.
class ScriptedPhone : public Transport {
  public:
    std::function<std::pair<uint8_t, Bytes>(uint8_t type, const Bytes& body)> answers;

    int64_t write(const uint8_t* data, size_t size) override {
        for (const auto& frame : testing_support::splitFrames({data, data + size})) {
            if (frame.type == 0x7F || frame.data.size() < 2) continue;
            const Bytes body(frame.data.begin(), frame.data.end() - 2);
            auto [type, answer] = answers(frame.type, body);
            if (answer.empty()) continue;
            const Bytes bytes = testing_support::phoneMessage(type, answer, sequence_++);
            QTimer::singleShot(0, [bytes] { lib().receive(bytes.data(), bytes.size()); });
        }
        return static_cast<int64_t>(size);
    }

  private:
    uint8_t sequence_ = 0;
};

class Identity40 : public testing_support::LibraryFixture {
  protected:
    void SetUp() override {
        LibraryFixture::SetUp();
        onLibraryThread([this] {
            lib().setTransport(&phone);
            lib().table.KeepAlive = keepalive::nokia7110;
            state().ModelId = 21;
            state().Busy = true;  // as inside an export
        });
        lib().setTickPeriod(10);
        onLibraryThread([] { lib().startTick(); });
    }
    void TearDown() override {
        lib().setTickPeriod(0);
        LibraryFixture::TearDown();
    }

    static std::pair<uint8_t, Bytes> versionText(uint8_t type, const Bytes&) {
        if (type != 0xD1) return {0, {}};
        const std::string text = "V 05.01\n11-05-00\nNSE-5\n(c) NMP.";
        Bytes body = {0x00, 0x01, 0x00, 0x03};
        body.insert(body.end(), text.begin(), text.end());
        return {0xD2, body};
    }

    ScriptedPhone phone;
};

TEST_F(Identity40, VersionAnswersToThePingsDoNotCompleteIt) {
    phone.answers = versionText;
    uint8_t result = 0;
    TPhoneInfo info;
    onLibraryThread([&] { result = nokia7110::GetPhoneInfos40(info); });
    EXPECT_EQ(result, stNoAnswer);
    EXPECT_EQ(info.serialNumber, "");
    EXPECT_EQ(info.modelCode, "NSE-5");  // from the version answers
}

TEST_F(Identity40, TheThreeIdentityAnswers) {
    phone.answers = [](uint8_t type, const Bytes& body) -> std::pair<uint8_t, Bytes> {
        if (type != 0x40) return versionText(type, body);
        switch (body[2]) {
            case 0x66:
                return {0x40, {0x00, 0x01, 0x66, 0x00, '4', '4', '9', 0x00}};
            case 0xCA:
                return {0x40, {0x00, 0x01, 0xCA, 0x01, 0x00, '1', '2', 0x00}};
            default:
                return {0x40, {0x00, 0x01, 0xC8, 0x05, 0x00, '0', '2', '4', '0', 0x00}};
        }
    };
    uint8_t result = 0;
    TPhoneInfo info;
    onLibraryThread([&] { result = nokia7110::GetPhoneInfos40(info); });
    EXPECT_EQ(result, stDone);
    EXPECT_EQ(info.serialNumber, "449");
    EXPECT_EQ(info.productionData, "12");
    EXPECT_EQ(info.hardwareVersion, "0240");
}

}  // namespace
