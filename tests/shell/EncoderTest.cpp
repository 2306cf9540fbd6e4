#include "modHelp.h"
#include "modMoonSign2.h"

#include "Cp1252.h"

#include <gtest/gtest.h>

using platform::cp1252::fromCode;
using platform::cp1252::toCode;

namespace {
QString codes(std::initializer_list<int> list)
{
    QString s;
    for (int c : list)
        s.append(fromCode(c));
    return s;
}
} // namespace

TEST(Encoder, ShiftsByEightyFiveAndDropsWhatFallsOutside)
{
    struct Case {
        QString in;
        QString encoded;
    };
    const Case cases[] = {
        {QString(), QString()},
        {QStringLiteral("abc"), codes({182, 183, 184})},
        {codes({170}), codes({255})},
        {codes({171}), QString()},
        {codes({171, 200, 255}), QString()},
        {codes({65, 171, 66}), codes({150, 151})},
        {QStringLiteral("Leo"), codes({0xA1, 0xBA, 0xC4})},
        {QStringLiteral(" "), codes({0x75})},
    };
    for (const Case& c : cases)
        EXPECT_EQ(EncodeText(c.in), c.encoded) << c.in.toStdString();
}

TEST(Encoder, DecodeDropsCodesBelowEightyFive)
{
    EXPECT_EQ(DecodeText(codes({85})), codes({0}));
    EXPECT_EQ(DecodeText(codes({84})), QString());
    EXPECT_EQ(DecodeText(codes({0, 10, 84})), QString());
    EXPECT_EQ(DecodeText(QString()), QString());
    EXPECT_EQ(DecodeText(codes({182, 183, 184})), QStringLiteral("abc"));
}

TEST(Encoder, RoundTripKeepsLettersDigitsSeparatorsAndBlank)
{
    const QString text = QStringLiteral(
        "ABCDEFGHIJKLMNOPQRSTUVWXYZ abcdefghijklmnopqrstuvwxyz 0123456789 /.- Purva Ashadha");
    EXPECT_EQ(DecodeText(EncodeText(text)), text);
    EXPECT_EQ(EncodeText(text).size(), text.size());
}

TEST(Encoder, EveryCodeUpTo170RoundTripsAndEncodedCodesStayInRange)
{
    for (int c = 0; c <= 255; ++c) {
        const QString one = codes({c});
        const QString enc = EncodeText(one);
        if (c <= 170) {
            ASSERT_EQ(enc.size(), 1) << c;
            EXPECT_GE(toCode(enc[0]), 85);
            EXPECT_EQ(DecodeText(enc), one) << c;
        } else {
            EXPECT_TRUE(enc.isEmpty()) << c;
        }
    }
}

TEST(Encoder, CharacterOutsideTheCodePageTakesTheQuestionMarkCode)
{
    // U+4E2D has no Windows-1252 code; the system conversion gives '?'.
    EXPECT_EQ(EncodeText(QString(QChar(0x4E2D))), codes({'?' + 85}));
}

TEST(Cp1252, SpecialRangeMapsBothWays)
{
    EXPECT_EQ(toCode(QChar(0x20AC)), 0x80);
    EXPECT_EQ(toCode(QChar(0x2019)), 0x92);
    EXPECT_EQ(fromCode(0x93), QChar(0x201C));
    EXPECT_EQ(toCode(QChar(0xE9)), 0xE9);
    for (int c = 0; c < 256; ++c)
        EXPECT_EQ(toCode(fromCode(c)), c);
}
