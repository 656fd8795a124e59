#include "phonelib/frames/atlines.h"

#include <gtest/gtest.h>

#include "phonelib/api/status.h"

using namespace phonelib;

namespace {

class AtLinesTest : public ::testing::Test {
  protected:
    void feed(const std::string& text) {
        assembler.OnReceiveData(reinterpret_cast<const uint8_t*>(text.data()), text.size());
    }

    std::vector<std::string> lines;
    std::atomic<uint8_t> atStatus{0};
    int dispatches = 0;
    AtLineAssembler assembler{lines, atStatus, [this] { ++dispatches; }};
};

TEST_F(AtLinesTest, OkLine) {
    feed("OK\r\n");
    EXPECT_EQ(lines, std::vector<std::string>{"OK"});
    EXPECT_EQ(dispatches, 1);
    EXPECT_EQ(atStatus, stDone);
}

TEST_F(AtLinesTest, EchoAndAnswerInPieces) {
    feed("AT+CG");
    feed("");  // an empty chunk changes nothing
    feed("MM\r\r\nS3");
    feed("5i\r\n\r\nOK\r\n");
    EXPECT_EQ(lines, (std::vector<std::string>{"AT+CGMM", "S35i", "OK"}));
    EXPECT_EQ(dispatches, 5);  // an empty line dispatches too
}

TEST_F(AtLinesTest, SmsErrorCodes) {
    feed("+CMS ERROR: 322\r");
    EXPECT_EQ(lines, (std::vector<std::string>{"+CMS ERROR: 322", "ERROR"}));
    EXPECT_EQ(dispatches, 2);
    EXPECT_EQ(atStatus, stMemoryFull);

    feed("+cms error: 500\r");
    EXPECT_EQ(atStatus, stSmsError);
    feed("+CMS ERROR: 330\r");
    EXPECT_EQ(atStatus, stNoServiceCentre);
    feed("+CMS ERROR\r");  // no code at all
    EXPECT_EQ(atStatus, stSmsError);
}

TEST_F(AtLinesTest, ExtendedErrorsCompleteTheReply) {
    feed("AT+CPBR=300\r\r\n+CME ERROR: 21\r\n");
    EXPECT_EQ(lines, (std::vector<std::string>{"AT+CPBR=300", "+CME ERROR: 21", "ERROR"}));
    EXPECT_EQ(atStatus, stInvalidIndex);
    const struct {
        const char* line;
        uint8_t status;
    } codes[] = {{"+CME ERROR: 20", stMemoryFull}, {"+CME ERROR: 22", stEmptyLocation},
                 {"+CME ERROR: 24", stTooLong},    {"+CME ERROR: 30", stNoNetwork},
                 {"+CME ERROR: 3", stRefused},     {"+CME ERROR: SIM not inserted", stRefused}};
    for (const auto& code : codes) {
        feed(std::string(code.line) + "\r");
        EXPECT_EQ(atStatus, code.status) << code.line;
    }
}

TEST_F(AtLinesTest, PromptAndIgnoredBytes) {
    feed("\x08>");
    EXPECT_EQ(lines, std::vector<std::string>{"NOWSENDPDU"});
    EXPECT_EQ(dispatches, 1);
    feed("O\x08K\r");
    EXPECT_EQ(lines.back(), "OK");
    // Inside a line (a name holding '>') it is an ordinary character.
    feed("+CPBR: 1,\"1\",129,\"a>b\"\r\n> ");
    EXPECT_EQ(lines, (std::vector<std::string>{"NOWSENDPDU", "OK", "+CPBR: 1,\"1\",129,\"a>b\"",
                                               "NOWSENDPDU"}));
}

}  // namespace
