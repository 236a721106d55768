#include "app/integer_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "app/app_error.h"

namespace {

std::wstring conversionErrorOf(std::wstring_view text) {
  try {
    parseIntegerText(text);
  } catch (const AppError& error) {
    return error.message();
  }
  return L"(accepted)";
}

struct AcceptedCase {
  std::wstring text;
  std::int32_t value;
};

class AcceptedIntegerTextTest : public testing::TestWithParam<AcceptedCase> {};

TEST_P(AcceptedIntegerTextTest, GivesTheValue) {
  EXPECT_EQ(tryParseIntegerText(GetParam().text), GetParam().value);
  EXPECT_EQ(parseIntegerText(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Decimal, AcceptedIntegerTextTest,
    testing::Values(AcceptedCase{L"106", 106}, AcceptedCase{L" 106", 106},
                    AcceptedCase{L"   106", 106}, AcceptedCase{L"+106", 106},
                    AcceptedCase{L" -1", -1}, AcceptedCase{L"0", 0}, AcceptedCase{L"-0", 0},
                    AcceptedCase{L"000000000000000000000106", 106},
                    AcceptedCase{L"2147483647", 2147483647},
                    AcceptedCase{L"-2147483648", -2147483647 - 1},
                    AcceptedCase{L"-00000000002147483648", -2147483647 - 1}));

INSTANTIATE_TEST_SUITE_P(
    Hexadecimal, AcceptedIntegerTextTest,
    testing::Values(AcceptedCase{L"$6A", 106}, AcceptedCase{L"$6a", 106},
                    AcceptedCase{L"x6A", 106}, AcceptedCase{L"X6a", 106},
                    AcceptedCase{L"0x6A", 106}, AcceptedCase{L"0X6A", 106},
                    AcceptedCase{L" +$6A", 106}, AcceptedCase{L"-$6A", -106},
                    AcceptedCase{L"$0", 0}, AcceptedCase{L"0x00000001", 1},
                    AcceptedCase{L"$7FFFFFFF", 2147483647},
                    AcceptedCase{L"$80000000", -2147483647 - 1},
                    AcceptedCase{L"-$80000000", -2147483647 - 1},
                    AcceptedCase{L"$FFFFFFFF", -1}, AcceptedCase{L"-$FFFFFFFF", 1},
                    AcceptedCase{L"0xabcdef", 0xabcdef}));

class RejectedIntegerTextTest : public testing::TestWithParam<std::wstring> {};

TEST_P(RejectedIntegerTextTest, ThrowsTheConversionErrorNamingTheText) {
  EXPECT_EQ(tryParseIntegerText(GetParam()), std::nullopt);
  EXPECT_EQ(conversionErrorOf(GetParam()), L"'" + GetParam() + L"' is not a valid integer value");
}

INSTANTIATE_TEST_SUITE_P(
    Malformed, RejectedIntegerTextTest,
    testing::Values(L"", L" ", L"   ", L"-", L"+", L" +", L"106 ", L"106x", L"1 06",
                    L"\t106", L"106\t", L"- 106", L"+-106", L"--106", L"1e3", L"106.0",
                    std::wstring(L"106\0", 4)));

INSTANTIATE_TEST_SUITE_P(
    OutOfRange, RejectedIntegerTextTest,
    testing::Values(L"2147483648", L"-2147483649", L"4294967296", L"99999999999",
                    L"18446744073709551617", std::wstring(200, L'9')));

INSTANTIATE_TEST_SUITE_P(
    BadHexadecimal, RejectedIntegerTextTest,
    testing::Values(L"$", L"0x", L"0X", L"x", L"-$", L"$ 6A", L"$6G", L"0x6A ",
                    L"$100000000", L"$000000001", L"0xx6A", L"$-6A", L"00x6A", L"6Ah"));

INSTANTIATE_TEST_SUITE_P(
    ForeignCharacters, RejectedIntegerTextTest,
    testing::Values(L"\u00EF\u00BB\u00BF106",  // UTF-8 byte-order mark read as ANSI
                    L"\uFEFF106",              // byte-order mark as one character
                    L"\u00A0106",              // no-break space is not a blank
                    L"\u3000106",              // nor is the ideographic space
                    L"\uFF11\uFF10\uFF16",     // full-width digits
                    L"\u0661\u0660\u0666",     // Arabic-Indic digits
                    L"$\uFF21"));              // full-width A

struct FormatCase {
  std::int64_t value;
  std::wstring text;
};

class FormatIntegerTest : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatIntegerTest, WritesPlainDecimal) {
  EXPECT_EQ(formatInteger(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Values, FormatIntegerTest,
                         testing::Values(FormatCase{0, L"0"}, FormatCase{107, L"107"},
                                         FormatCase{-1, L"-1"},
                                         FormatCase{-2147483648LL, L"-2147483648"},
                                         FormatCase{2147483648LL, L"2147483648"}));

struct StepCase {
  std::wstring text;
  int delta;
  std::wstring result;
};

class StepIntegerTextTest : public testing::TestWithParam<StepCase> {};

TEST_P(StepIntegerTextTest, GivesThePlainDecimalOfTheNextValue) {
  EXPECT_EQ(stepIntegerText(GetParam().text, GetParam().delta), GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, StepIntegerTextTest,
    testing::Values(StepCase{L"106", 1, L"107"}, StepCase{L" 106", 1, L"107"},
                    StepCase{L"+106", -1, L"105"}, StepCase{L"0", -1, L"-1"},
                    StepCase{L"-1", 1, L"0"}, StepCase{L"0106", 1, L"107"},
                    StepCase{L"$6A", 1, L"107"}, StepCase{L"$FFFFFFFF", 1, L"0"},
                    StepCase{L"2147483646", 1, L"2147483647"},
                    StepCase{L"-2147483647", -1, L"-2147483648"}));

struct FailedStepCase {
  std::wstring text;
  int delta;
  std::wstring message;
};

class FailedStepTest : public testing::TestWithParam<FailedStepCase> {};

TEST_P(FailedStepTest, ThrowsTheConversionError) {
  try {
    stepIntegerText(GetParam().text, GetParam().delta);
    FAIL() << "stepped";
  } catch (const AppError& error) {
    EXPECT_EQ(error.message(), GetParam().message);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Failures, FailedStepTest,
    testing::Values(
        FailedStepCase{L"", 1, L"'' is not a valid integer value"},
        FailedStepCase{L"106 ", 1, L"'106 ' is not a valid integer value"},
        FailedStepCase{L"2147483647", 1, L"'2147483648' is not a valid integer value"},
        FailedStepCase{L"$7FFFFFFF", 1, L"'2147483648' is not a valid integer value"},
        FailedStepCase{L"-2147483648", -1, L"'-2147483649' is not a valid integer value"}));

}  // namespace
