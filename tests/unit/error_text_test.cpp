#include "app/error_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct FinalPeriodCase {
  std::wstring message;
  std::wstring shown;
};

class FinalPeriodTest : public testing::TestWithParam<FinalPeriodCase> {};

TEST_P(FinalPeriodTest, EndsTheReportAsTheErrorReportDoes) {
  EXPECT_EQ(withFinalPeriod(GetParam().message), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, FinalPeriodTest,
    testing::Values(
        FinalPeriodCase{L"", L""},
        FinalPeriodCase{L"'' is not a valid integer value", L"'' is not a valid integer value."},
        FinalPeriodCase{L"Disk full", L"Disk full."},
        FinalPeriodCase{L"Cannot open file \"C:\\q\\配置文件.txt\". Access is denied.",
                        L"Cannot open file \"C:\\q\\配置文件.txt\". Access is denied."},
        FinalPeriodCase{L"Access is denied. ", L"Access is denied. "},
        FinalPeriodCase{L"Done!", L"Done!"},
        FinalPeriodCase{L"Access is denied.\r\n", L"Access is denied.\r\n"},
        // The edges of the rule: "-" sorts just before ".", "/" just after it.
        FinalPeriodCase{L"range 1-", L"range 1-"},
        FinalPeriodCase{L"path a/", L"path a/."},
        FinalPeriodCase{L"value '", L"value '"},
        FinalPeriodCase{L"value 0", L"value 0."},
        FinalPeriodCase{L"热键已被占用", L"热键已被占用."}));

}  // namespace
