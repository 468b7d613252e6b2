#include "outputs/UBootTCP.h"

#include <gtest/gtest.h>

TEST(UBootTCPTest, ValidIP) {
  struct Case { const char* ip; bool ok; std::array<std::string, 4> parts; } cases[] = {
      {"192.168.2.205", true, {"192", "168", "2", "205"}},
      {"10 . 0 . 0 . 1", true, {"10", "0", "0", "1"}},
      {" 0.0.0.0 ", true, {"0", "0", "0", "0"}},
      {"10.0.0", false, {}},
      {"10.0.0.1.5", false, {}},
      {"10.0.0.256", false, {}},
      {"10.0.-1.1", false, {}},
      {"a.b.c.d", false, {}},
      {"", false, {}},
      {"0x0A.0.0.1", true, {"0x0A", "0", "0", "1"}},
  };
  for (const Case& c : cases) {
    std::array<std::string, 4> parts{"keep", "keep", "keep", "keep"};
    EXPECT_EQ(Valid_IP(c.ip, parts), c.ok) << c.ip;
    if (c.ok) EXPECT_EQ(parts, c.parts) << c.ip;
    else EXPECT_EQ(parts[0], "keep") << c.ip;
  }
}

TEST(UBootTCPTest, ArgumentTexts) {
  EXPECT_EQ(Serial_Update_Arguments("COM3", {true, false, true, false}),
            (std::vector<std::string>{"\\\\.\\COM3", "FW", "NO", "PW", "NO"}));
  EXPECT_EQ(Network_Update_Arguments({"192", "168", "2", " 205"}, {}),
            (std::vector<std::string>{"192.168.2. 205", "2007", "FW", "FR", "PW", "PR"}));
  EXPECT_EQ(Join_IP({"10", "0", "0", "7"}), "10.0.0.7");
}
