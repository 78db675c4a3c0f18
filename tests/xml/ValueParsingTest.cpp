#include "xml/ValueParsing.h"

#include <gtest/gtest.h>

TEST(ValueParsing, NumbersAreDecimalOnlyAndAcceptPointOrComma) {
    EXPECT_EQ(ParseInteger(" -7 "), -7);
    EXPECT_EQ(ParseInteger("+3"), 3);
    for (const char* bad : {"", "4.5", "12a", "0x10", "--1", "99999999999"})
        EXPECT_FALSE(ParseInteger(bad).has_value()) << bad;
    EXPECT_EQ(ParseInteger64("99999999999"), 99999999999LL);

    EXPECT_DOUBLE_EQ(*ParseDecimal("1.5"), 1.5);
    EXPECT_DOUBLE_EQ(*ParseDecimal("1,5"), 1.5);
    EXPECT_DOUBLE_EQ(*ParseDecimal(" -.25 "), -0.25);
    for (const char* bad : {"", "abc", "1.2.3", "1,2.3", "1e5", "nan", "inf", "."})
        EXPECT_FALSE(ParseDecimal(bad).has_value()) << bad;
}

TEST(ValueParsing, TheTwoBooleanRules) {
    EXPECT_TRUE(IsTrueText("TRUE") && IsTrueText("true"));
    EXPECT_FALSE(IsTrueText(" true") || IsTrueText("1") || IsTrueText("yes"));

    EXPECT_EQ(ParseBooleanText("True"), true);
    EXPECT_EQ(ParseBooleanText("fAlSe"), false);
    EXPECT_EQ(ParseBooleanText("0"), false);
    EXPECT_EQ(ParseBooleanText("-2"), true);
    EXPECT_FALSE(ParseBooleanText("yes").has_value() || ParseBooleanText("").has_value());
}

TEST(ValueParsing, DecimalsAreWrittenInTheirShortestFormWithAPoint) {
    EXPECT_EQ(FormatDecimal(3.0), "3");
    EXPECT_EQ(FormatDecimal(-2.25), "-2.25");
    EXPECT_EQ(FormatDecimal(1e20), "100000000000000000000");
    EXPECT_EQ(FormatDecimal(0.1 + 0.2), "0.3");
    EXPECT_EQ(FormatDecimal(0.0000001), "0.0000001");
}
