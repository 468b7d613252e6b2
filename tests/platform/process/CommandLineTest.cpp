#include "platform/process/CommandLine.h"

#include <gtest/gtest.h>

namespace {

struct SplitCase {
  const char* line;
  std::vector<std::string> args;
};

class SplitCommandLineTest : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitCommandLineTest, FollowsTheQuotingRules) {
  EXPECT_EQ(platform::SplitCommandLine(GetParam().line), GetParam().args) << GetParam().line;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SplitCommandLineTest,
    testing::Values(
        SplitCase{"", {}}, SplitCase{"   \t ", {}}, SplitCase{"a b\tc", {"a", "b", "c"}},
        SplitCase{"  a   b  ", {"a", "b"}},
        SplitCase{"\"a b\" c", {"a b", "c"}},
        SplitCase{"a\"b c\"d e", {"ab cd", "e"}},  // quotes group in the middle of an argument
        SplitCase{"\"\" x", {"", "x"}},             // a pair of quotes is an empty argument
        SplitCase{"\"unterminated quote", {"unterminated quote"}},
        SplitCase{"a\\\\b c\\d", {"a\\\\b", "c\\d"}},  // backslashes not before a quote are literal
        SplitCase{"a\\\"b", {"a\"b"}},                  // 1 backslash + quote: literal quote
        SplitCase{"a\\\\\"b c\"", {"a\\b c"}},          // 2 backslashes + quote: one backslash, quote groups
        SplitCase{"a\\\\\\\"b", {"a\\\"b"}},            // 3 backslashes + quote: backslash and literal quote
        SplitCase{"\"C:\\Program Files\\\\\" x", {"C:\\Program Files\\", "x"}},
        SplitCase{"trail\\", {"trail\\"}},
        SplitCase{"COM3 0 FW NO PW NO \"/opt/q/MASTER/sim21070.sim\" \"/opt/q/PROJECTS/my proj/bin/bank.bin\"",
                  {"COM3", "0", "FW", "NO", "PW", "NO", "/opt/q/MASTER/sim21070.sim",
                   "/opt/q/PROJECTS/my proj/bin/bank.bin"}}));

}  // namespace
