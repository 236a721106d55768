#include "app/settings_store.h"

#include <gtest/gtest.h>

#include <string>

namespace {

SettingsStore storeHolding(std::string text) {
  SettingsStore store;
  store.load(std::move(text));
  return store;
}

struct LineCase {
  std::string text;
  std::size_t k;
  std::string line;
};

class StoreLineTest : public testing::TestWithParam<LineCase> {};

TEST_P(StoreLineTest, ReadsTheTextBetweenLineBreaks) {
  EXPECT_EQ(storeHolding(GetParam().text).line(GetParam().k), GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, StoreLineTest,
    testing::Values(LineCase{"", 0, ""}, LineCase{"", 1, ""},
                    LineCase{"106", 0, "106"}, LineCase{"106", 1, ""},
                    LineCase{"106\r\n141", 0, "106"}, LineCase{"106\r\n141", 1, "141"},
                    LineCase{"106\r\n141\r\n", 1, "141"}, LineCase{"106\r\n141\r\n", 2, ""},
                    LineCase{"106\r\n141\r\n", 3, ""},
                    LineCase{"120\r\n90\r\nthird", 2, "third"},
                    LineCase{"\r\n141", 0, ""}, LineCase{"\r\n\r\n", 1, ""},
                    // Only CR LF separates: a lone CR or LF is part of the line.
                    LineCase{"1\r2\n3\r\n4", 0, "1\r2\n3"}, LineCase{"1\r2\n3\r\n4", 1, "4"},
                    LineCase{"106\r\r\n141", 0, "106\r"}, LineCase{"106\n\r141", 0, "106\n\r141"},
                    LineCase{"106\r\n\n141", 1, "\n141"}));

struct SetLineCase {
  std::string text;
  std::size_t k;
  std::string value;
  std::string result;
};

class StoreSetLineTest : public testing::TestWithParam<SetLineCase> {};

TEST_P(StoreSetLineTest, ReplacesOnlyThatLine) {
  SettingsStore store = storeHolding(GetParam().text);
  store.setLine(GetParam().k, GetParam().value);
  EXPECT_EQ(store.text(), GetParam().result);
  EXPECT_EQ(store.line(GetParam().k), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Replace, StoreSetLineTest,
    testing::Values(SetLineCase{"120\r\n90\r\nthird", 0, "121", "121\r\n90\r\nthird"},
                    SetLineCase{"120\r\n90\r\nthird", 1, "89", "120\r\n89\r\nthird"},
                    SetLineCase{"120\r\n90\r\nthird", 2, "", "120\r\n90\r\n"},
                    SetLineCase{"106\r\n141\r\n", 1, "140", "106\r\n140\r\n"},
                    SetLineCase{"106\r\n141\r\n", 0, "", "\r\n141\r\n"},
                    SetLineCase{"1\r2\r\n3", 0, "x", "x\r\n3"},
                    SetLineCase{"1\r\n2\n3", 1, "x", "1\r\nx"},
                    SetLineCase{"1\r\n2\r\r\n3", 1, "x", "1\r\nx\r\n3"}));

INSTANTIATE_TEST_SUITE_P(
    Append, StoreSetLineTest,
    testing::Values(SetLineCase{"", 0, "106", "106"},
                    SetLineCase{"", 1, "141", "\r\n141"},
                    SetLineCase{"106", 1, "141", "106\r\n141"},
                    SetLineCase{"106", 3, "x", "106\r\n\r\n\r\nx"},
                    SetLineCase{"106\r", 1, "141", "106\r\r\n141"},
                    SetLineCase{"106\r\n141\r\n", 3, "x", "106\r\n141\r\n\r\nx"}));

struct RestoreCase {
  std::string fileBytes;
  std::string storeAfterRestore;
};

class RestoreDefaultsTest : public testing::TestWithParam<RestoreCase> {};

// What "restore defaults" does to the store loaded from a settings file.
TEST_P(RestoreDefaultsTest, SetsTheFirstTwoLinesAndKeepsTheRest) {
  SettingsStore store = storeHolding(normaliseLineBreaks(GetParam().fileBytes));
  store.setLine(0, "106");
  store.setLine(1, "141");
  EXPECT_EQ(store.text(), GetParam().storeAfterRestore);
}

INSTANTIATE_TEST_SUITE_P(
    Files, RestoreDefaultsTest,
    testing::Values(RestoreCase{"", "106\r\n141"},
                    RestoreCase{"106", "106\r\n141"},
                    RestoreCase{"106\r\n141\r\n", "106\r\n141\r\n"},
                    RestoreCase{"120\r\n90\r\nthird", "106\r\n141\r\nthird"},
                    RestoreCase{"120\n90\nthird\n", "106\r\n141\r\nthird\r\n"},
                    RestoreCase{"120\r90\rthird", "106\r\n141\r\nthird"},
                    RestoreCase{"\xEF\xBB\xBF" "120\r\n90", "106\r\n141"}));

struct NormaliseCase {
  std::string bytes;
  std::string text;
};

class NormaliseLineBreaksTest : public testing::TestWithParam<NormaliseCase> {};

TEST_P(NormaliseLineBreaksTest, EndsEveryLineWithCrLf) {
  EXPECT_EQ(normaliseLineBreaks(GetParam().bytes), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Files, NormaliseLineBreaksTest,
    testing::Values(NormaliseCase{"", ""}, NormaliseCase{"106", "106"},
                    NormaliseCase{"106\r\n141\r\n", "106\r\n141\r\n"},
                    NormaliseCase{"106\n141\n", "106\r\n141\r\n"},
                    NormaliseCase{"106\r141\r", "106\r\n141\r\n"},
                    NormaliseCase{"106\r\n141\nthird\rfourth", "106\r\n141\r\nthird\r\nfourth"},
                    NormaliseCase{"\r\r\n", "\r\n\r\n"}, NormaliseCase{"\n\r", "\r\n\r\n"},
                    NormaliseCase{"\n\n", "\r\n\r\n"}, NormaliseCase{"\r", "\r\n"},
                    NormaliseCase{"106\r", "106\r\n"},
                    NormaliseCase{std::string("1\0\n2", 4), std::string("1\0\r\n2", 5)}));

}  // namespace
