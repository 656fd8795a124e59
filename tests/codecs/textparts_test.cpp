// Cutting a message text into the parts it is sent in: 7-bit with escape
// pairs kept whole, UCS-2 when Unicode is allowed, at most nine parts.
#include "codecs/sms/textparts.h"

#include <gtest/gtest.h>

namespace {

using sms::plantext;
using sms::TextCoding;

TEST(TextParts, LongTextWithEscapesIsCutAt153SeptetsWithoutSplittingAPair) {
    // 400 characters: brackets take two septets each, "ä" one.
    QString text = QString(150, u'a') + QStringLiteral("[]ä") + QString(247, u'b');
    ASSERT_EQ(text.size(), 400);
    const auto plan = plantext(text, false);
    EXPECT_EQ(plan.coding, TextCoding::Gsm7);
    ASSERT_EQ(plan.partCount(), 3);
    // 150 'a' + "[" (2 septets) = 152; "]" would make 154, so it starts part 2.
    EXPECT_EQ(plan.parts[0].size(), 152u);
    EXPECT_EQ(plan.parts[0].substr(150), std::string("\x1B\x3C", 2));
    EXPECT_EQ(plan.parts[1].substr(0, 3), std::string("\x1B\x3E\x7B", 3));
    EXPECT_EQ(plan.parts[1].size(), 153u);
    const size_t total = 150 + 2 + 2 + 1 + 247;
    EXPECT_EQ(plan.parts[2].size(), total - 152 - 153);
    EXPECT_EQ(plan.freeCharacters, 153 - static_cast<int>(plan.parts[2].size()));
    EXPECT_EQ(sms::gsmtotext(plan.parts[0] + plan.parts[1] + plan.parts[2]), text);
}

TEST(TextParts, OneMessageHolds160SeptetsAnd161MakeTwo) {
    EXPECT_EQ(plantext(QString(160, u'x'), false).partCount(), 1);
    EXPECT_EQ(plantext(QString(160, u'x'), false).freeCharacters, 0);
    const auto two = plantext(QString(161, u'x'), false);
    EXPECT_EQ(two.partCount(), 2);
    EXPECT_EQ(two.freeCharacters, 153 - 8);
    EXPECT_EQ(plantext(QString(), false).partCount(), 0);
    EXPECT_EQ(plantext(QString(), false).freeCharacters, 160);
    // Every escape character counts twice.
    EXPECT_EQ(plantext(QString(80, u'€'), false).partCount(), 1);
    EXPECT_EQ(plantext(QString(81, u'€'), false).partCount(), 2);
}

TEST(TextParts, UnicodeTextsGoAsUcs2In70Or67Units) {
    const QString cyrillic = QString(70, QChar(0x0416));
    EXPECT_EQ(plantext(cyrillic, true).coding, TextCoding::Ucs2);
    EXPECT_EQ(plantext(cyrillic, true).partCount(), 1);
    const auto plan = plantext(QString(140, QChar(0x0416)), true);
    ASSERT_EQ(plan.partCount(), 3);
    EXPECT_EQ(plan.parts[0].size(), 67u * 2);
    EXPECT_EQ(plan.parts[0].substr(0, 2), std::string("\x04\x16", 2));
    EXPECT_EQ(plan.parts[2].size(), 6u * 2);
    // A surrogate pair stays in one part.
    const QString emoji =
        QString(66, u'x') + QString::fromUtf8("\xF0\x9F\x98\x80") + QStringLiteral("yyy");
    const auto pairs = plantext(emoji, true);
    ASSERT_EQ(pairs.partCount(), 2);
    EXPECT_EQ(pairs.parts[0].size(), 66u * 2);
    // Without Unicode the character goes as '?'.
    const auto replaced = plantext(QString::fromUtf8("Ж"), false);
    EXPECT_EQ(replaced.coding, TextCoding::Gsm7);
    EXPECT_EQ(replaced.replaced, 1);
}

TEST(TextParts, MoreThanNinePartsAreTooLong) {
    EXPECT_FALSE(plantext(QString(9 * 153, u'x'), false).tooLong());
    EXPECT_TRUE(plantext(QString(9 * 153 + 1, u'x'), false).tooLong());
    EXPECT_EQ(plantext(QString(9 * 153 + 1, u'x'), false).partCount(), 10);
}

}  // namespace
