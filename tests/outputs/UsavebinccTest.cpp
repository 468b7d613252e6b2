#include "outputs/Usavebincc.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/outputs/SectionFixtures.h"

namespace {

uint32_t U32_At(size_t offset) {
  return Bin_Buffer[offset] | Bin_Buffer[offset + 1] << 8 | Bin_Buffer[offset + 2] << 16 |
         static_cast<uint32_t>(Bin_Buffer[offset + 3]) << 24;
}
uint32_t U16_At(size_t offset) { return Bin_Buffer[offset] | Bin_Buffer[offset + 1] << 8; }
size_t Rx(int entry, size_t field) { return Bin_Rx_Table_Offset + Bin_Entry_Size * entry + field; }
size_t Tx(int entry, size_t field) { return Bin_Tx_Table_Offset + Bin_Entry_Size * entry + field; }

}  // namespace

class UsavebinccTest : public testing::Test {
protected:
  void Build() {
    std::string error;
    ASSERT_TRUE(Create_Bin(&error)) << error;
    ASSERT_EQ(Bin_Buffer.size(), 3968u);
  }
  TProjectFixture project;
};

TEST_F(UsavebinccTest, NoSectionFilesGiveTheDefaults) {
  Build();
  struct Field { size_t offset; uint32_t value; } fields[] = {
      {0, 250000}, {4, 250000}, {8, 9600}, {28, 1000}, {32, 100}, {164, 5000},
      {172, 1},    {176, 100},  {188, 0x68800}, {192, 0x68BC0},
  };
  std::vector<uint8_t> expected(3968, 0);
  for (const Field& f : fields) {
    EXPECT_EQ(U32_At(f.offset), f.value) << f.offset;
    for (int b = 0; b < 4; ++b) expected[f.offset + b] = static_cast<uint8_t>(f.value >> (8 * b));
  }
  EXPECT_EQ(U32_At(2044), 1945u);
  EXPECT_EQ(std::vector<uint8_t>(Bin_Buffer.begin() + 2044, Bin_Buffer.begin() + 2048),
            (std::vector<uint8_t>{0x99, 0x07, 0x00, 0x00}));
  for (int b = 0; b < 4; ++b) expected[2044 + b] = Bin_Buffer[2044 + b];
  EXPECT_EQ(Bin_Buffer, expected);  // everything else is zero
}

TEST_F(UsavebinccTest, EmptyParGenRootGivesTheFileDefaults) {
  project.Par_Gen("");
  Build();
  EXPECT_EQ(U32_At(40), 10u);
  EXPECT_EQ(U32_At(2044), 1955u);
}

TEST_F(UsavebinccTest, ParGenValues) {
  project.Par_Gen(
      "<Can_Baud>8</Can_Baud><Can_TimeOut>3</Can_TimeOut><Can_Peer>1</Can_Peer><Filter_FECA>1</Filter_FECA>"
      "<TimeOut_FECA>250</TimeOut_FECA><J1939_Device_ID>0x20</J1939_Device_ID><Profi_ID>7</Profi_ID>"
      "<Profi_Baud>0</Profi_Baud>" + Profi_Choices("1", "0"));
  Build();
  EXPECT_EQ(U32_At(0), 1000000u);
  EXPECT_EQ(U32_At(4), 1000000u);
  EXPECT_EQ(U32_At(164), 3000u);
  EXPECT_EQ(U32_At(168), 3u);
  EXPECT_EQ(U32_At(176), 250u);
  EXPECT_EQ(U32_At(172), 32u);
  EXPECT_EQ(U32_At(40), 7u);
  EXPECT_EQ(U32_At(156), 1u);
  EXPECT_EQ(U32_At(160), 0u);
}

TEST_F(UsavebinccTest, BitRateChoices) {
  struct Case { const char* text; uint32_t rate; } cases[] = {
      {"0", 10000}, {"4", 125000}, {"5", 250000}, {"8", 1000000}, {"9", 250000}, {"-1", 250000}, {"abc", 250000},
  };
  for (const Case& c : cases) {
    project.Par_Gen(std::string("<Can_Baud>") + c.text + "</Can_Baud>");
    Build();
    EXPECT_EQ(U32_At(0), c.rate) << c.text;
  }
}

TEST_F(UsavebinccTest, ParGenFlagsNeedTheExactTextOne) {
  for (const char* text : {"01", " 1", "Y", "true"}) {
    project.Par_Gen(std::string("<Can_Peer>") + text + "</Can_Peer>" + Profi_Choices(text, text));
    project.Transmit(Tx_Row());
    Build();
    EXPECT_EQ(U32_At(168), 0u) << text;
    EXPECT_EQ(U32_At(156), 0u) << text;
    EXPECT_EQ(U32_At(160), 0u) << text;
    EXPECT_EQ(U32_At(48), 8u) << text;  // no bitmap byte added
  }
}

TEST_F(UsavebinccTest, ReceiveFrames) {
  project.Receive(Rx_Row("0xFEF1", "N", "", "OnRequest=\"Y\" OnReq_Time=\"500\"") +
                  "<row DataPage=\"1\" PGN=\"65265\" SourceAddress=\"0x10\" TransportProtocol=\" y\" StartByte=\"3\""
                  " NumBytes=\"20\" CancelData=\"y\" Mnemonic=\"tp\"/>" +
                  Rx_Row("100"));
  Build();
  EXPECT_EQ(U32_At(180), 3u);
  EXPECT_EQ(U32_At(44), 36u);
  EXPECT_EQ(U32_At(Rx(0, 0)), 0x00FEF101u);
  EXPECT_EQ(Bin_Buffer[Rx(0, 4)], 4);
  EXPECT_EQ(U16_At(Rx(0, 6)), 0u);
  EXPECT_EQ(U16_At(Rx(0, 8)), 8u);
  EXPECT_EQ(U32_At(Rx(0, 12)), 500u);
  EXPECT_EQ(U32_At(Rx(1, 0)), 0x01FEF110u);
  EXPECT_EQ(Bin_Buffer[Rx(1, 4)], 3);  // transport protocol and cancel data, upper-cased first
  EXPECT_EQ(U16_At(Rx(1, 6)), 3u);
  EXPECT_EQ(U16_At(Rx(1, 8)), 20u);
  std::vector<uint32_t> offsets;
  for (int i = 0; i < 3; ++i) offsets.push_back(U16_At(Rx(i, 10)));
  EXPECT_EQ(offsets, (std::vector<uint32_t>{0, 8, 28}));
  EXPECT_EQ(U32_At(Rx(1, 12)), 0u);  // OnReq_Time missing
  for (size_t i = Rx(3, 0); i < Bin_Tx_Table_Offset; ++i) ASSERT_EQ(Bin_Buffer[i], 0) << i;
}

TEST_F(UsavebinccTest, TransmitFrames) {
  project.Transmit(
      std::string("<row Priority=\"3\" DataPage=\"1\" PGN=\"131071\" SourceAddress=\"0\" NumByte=\"4\" OnRequest=\"Y\""
      " DataChange=\"n\" OnTimer=\"y\" OnTimer_Time=\"250\" Mnemonic=\"a\"/>") +
      "<row Priority=\"6\" DataPage=\"1\" PGN=\"0x10000\" SourceAddress=\"0xFF\" Mnemonic=\"b\"/>");
  Build();
  EXPECT_EQ(U32_At(184), 2u);
  EXPECT_EQ(U32_At(48), 16u);
  // Fields are joined with OR: PGN bit 16 and the data page share bit 24
  // instead of carrying into bit 25.
  EXPECT_EQ(U32_At(Tx(0, 0)), 0x0DFFFF00u);
  EXPECT_EQ(U32_At(Tx(1, 0)), 0x190000FFu);
  EXPECT_EQ(Bin_Buffer[Tx(0, 4)], 5);
  EXPECT_EQ(U16_At(Tx(0, 8)), 4u);
  EXPECT_EQ(U16_At(Tx(1, 8)), 8u);
  EXPECT_EQ(U16_At(Tx(0, 10)), 0u);
  EXPECT_EQ(U16_At(Tx(1, 10)), 8u);
  EXPECT_EQ(U32_At(Tx(0, 16)), 250u);
  EXPECT_EQ(U32_At(Tx(1, 16)), 1000u);
}

TEST_F(UsavebinccTest, IdentifierFieldsAreMasked) {
  EXPECT_EQ(J1939_Identifier(0, 0, 0x3FFFF, 0), 0x03FFFF00u);
  EXPECT_EQ(J1939_Identifier(7, 1, 0, 255), 0x1D0000FFu);
  EXPECT_EQ(J1939_Identifier(8, 2, 0x40000, 256), 0u);
  EXPECT_EQ(J1939_Identifier(-1, -1, -1, -1), 0x1FFFFFFFu);
}

TEST_F(UsavebinccTest, OnlyThirtyRowsAreTaken) {
  project.Receive(Repeat(Rx_Row("1"), 31));
  project.Transmit(Repeat(Tx_Row(), 31));
  Build();
  EXPECT_EQ(U32_At(180), 30u);
  EXPECT_EQ(U32_At(184), 30u);
  EXPECT_EQ(U32_At(44), 240u);
  EXPECT_EQ(U32_At(48), 240u);
}

TEST_F(UsavebinccTest, BitmapIsAddedToBothLengths) {
  struct Case { int tx; uint32_t bitmap; } cases[] = {{9, 2}, {8, 1}, {1, 1}, {0, 0}};
  for (const Case& c : cases) {
    project.Par_Gen(Profi_Choices("0", "1"));
    project.Transmit(Repeat(Tx_Row(), c.tx));
    project.Receive(Rx_Row("1"));
    Build();
    EXPECT_EQ(U32_At(44), 8u + c.bitmap) << c.tx;
    EXPECT_EQ(U32_At(48), 8u * c.tx + c.bitmap) << c.tx;
  }
}

TEST_F(UsavebinccTest, ChecksumCoversTheParameterAreaOnly) {
  project.Par_Gen("<Profi_ID>11</Profi_ID>");
  Build();
  EXPECT_EQ(U32_At(2044), 1956u);
  project.Receive(Rx_Row("1234"));
  Build();
  // The frame count and data length are parameters; the frame entry is not summed.
  EXPECT_EQ(U32_At(2044), 1956u + 1 + 8);
  EXPECT_EQ(Bin_Checksum(Bin_Buffer), U32_At(2044));
}

TEST_F(UsavebinccTest, MissingRequiredAttributeStopsTheBuild) {
  struct Case { std::string file; std::string rows; std::string attribute; } cases[] = {
      {"rx", "<row DataPage=\"0\" SourceAddress=\"1\" TransportProtocol=\"N\" CancelData=\"N\"/>", "PGN"},
      {"rx", "<row DataPage=\"0\" PGN=\"1\" SourceAddress=\"1\" TransportProtocol=\"Y\" CancelData=\"N\"/>",
       "StartByte"},
      {"rx", "<row DataPage=\"0\" PGN=\"1\" SourceAddress=\"1\" CancelData=\"N\"/>", "TransportProtocol"},
      {"tx", "<row DataPage=\"0\" PGN=\"1\" SourceAddress=\"1\"/>", "Priority"},
  };
  for (const Case& c : cases) {
    TProjectFixture fresh;
    if (c.file == "rx") fresh.Receive(Rx_Row("1") + c.rows);
    else fresh.Transmit(c.rows);
    std::string error;
    EXPECT_FALSE(Create_Bin(&error)) << c.rows;
    EXPECT_NE(error.find(c.attribute), std::string::npos) << error;
    EXPECT_NE(error.find(c.file == "rx" ? "J1939_Receive.xml: row" : "J1939_Transmit.xml: row 1"),
              std::string::npos) << error;
    EXPECT_TRUE(Bin_Buffer.empty());
  }
}

TEST_F(UsavebinccTest, MalformedFileStopsTheBuild) {
  project.dir.Write("PROJECTS/P/ParGen.xml", "<Par_Gen><Can_Baud>5</Par_Gen>");
  std::string error;
  EXPECT_FALSE(Create_Bin(&error));
  EXPECT_NE(error.find("ParGen.xml"), std::string::npos) << error;
}

TEST_F(UsavebinccTest, WriteCreatesTheBinFolder) {
  Build();
  std::string error;
  ASSERT_TRUE(Write_Bin(&error)) << error;
  EXPECT_EQ(Bin_File_Path(), project.dir.Sub("PROJECTS/P/bin/bank.bin"));
  std::string bytes = project.dir.Read("PROJECTS/P/bin/bank.bin");
  EXPECT_EQ(bytes, std::string(Bin_Buffer.begin(), Bin_Buffer.end()));
}

TEST_F(UsavebinccTest, WriteFailuresAreReported) {
  std::string error;
  Bin_Buffer.clear();
  EXPECT_FALSE(Write_Bin(&error));  // nothing built
  Build();
  project.dir.Write("PROJECTS/P/bin", "a file in the way");
  EXPECT_FALSE(Write_Bin(&error));
  EXPECT_NE(error.find("bank.bin"), std::string::npos) << error;
  Project_Folder.clear();
  EXPECT_FALSE(Write_Bin(&error));
}
