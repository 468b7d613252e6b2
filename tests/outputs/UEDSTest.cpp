// The CANopen EDS file: the whole text of a small PDO/SDO project against a
// golden file, the edge cases of the PDO and SDO readers, and the refusals
// that leave no file behind.
#include "outputs/UEDS.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "outputs/USectionFiles.h"
#include "tests/outputs/SectionFixtures.h"

namespace {

std::string File(const std::string& Root, const std::string& Rows) {
  return "<" + Root + ">" + Rows + "</" + Root + "><!--SW_VERSION = 1.000-->";
}
std::string Pdo(const std::string& Cob, const std::string& Dim) {
  return "<row COB-ID=\"" + Cob + "\" Dimension=\"" + Dim + "\" Offset=\"1\" Frame_J1939=\"1\" Mnemonic=\"\"/>";
}
std::string Sdo(const std::string& Index, const std::string& Sub, const std::string& Dim) {
  return "<row NrPdo=\"1\" Index=\"" + Index + "\" SubIndex=\"" + Sub + "\" Dimension=\"" + Dim +
         "\" B1=\"1\" B2=\"0\" B3=\"0\" B4=\"0\"/>";
}

class UEDSTest : public testing::Test {
protected:
  void Rpdo(const std::string& Rows) const { project.dir.Write("PROJECTS/P/CANopen_RPDO.xml", File("Define_RPDO", Rows)); }
  void Tpdo(const std::string& Rows) const { project.dir.Write("PROJECTS/P/CANopen_TPDO.xml", File("Define_TPDO", Rows)); }
  void Sdo_Read(const std::string& Rows) const {
    project.dir.Write("PROJECTS/P/CANopen_Define_Server_SDO_Read.xml", File("DefineSDOServerRecJ1939", Rows));
  }
  void Sdo_Write(const std::string& Rows) const {
    project.dir.Write("PROJECTS/P/CANopen_Define_Server_SDO_Write.xml", File("DefineSDOServerTraJ1939", Rows));
  }
  std::string Text() const { return Build_EDS_Text(Read_EDS_Data()); }
  static bool Has(const std::string& Text, const std::string& Lines) { return Text.find(Lines) != std::string::npos; }
  TProjectFixture project;
};

// Two receive PDOs, one transmit PDO, three server objects over both files.
TEST_F(UEDSTest, SmallProjectMatchesTheGoldenFile) {
  Rpdo(Pdo("0x201", "2") + Pdo("$202", "1"));
  Tpdo(Pdo("0x181", "3"));
  Sdo_Read(Sdo("0x2000", "1", "2") + Sdo("8192", "2", "1"));
  Sdo_Write(Sdo("0x2000", "3", "0") + Sdo("0x2001", "0", "1"));
  std::string golden = Source_File("tests/outputs/golden/SmallProject.eds");
  ASSERT_FALSE(golden.empty());
  EXPECT_EQ(Text(), golden);
  std::string path = project.dir.Sub("out.eds");
  ASSERT_TRUE(Create_EDS_File(path));
  EXPECT_EQ(project.dir.Read("out.eds"), golden);
}

TEST_F(UEDSTest, NoFilesGiveTheTemplateAlone) {
  std::string t = Text();
  EXPECT_TRUE(Has(t, "NrOfRXPDO=0\r\nNrOfTXPDO=0\r\n"));
  EXPECT_TRUE(Has(t, "[OptionalObjects]\r\nSupportedObjects=5\r\n1=0x1005\r\n2=0x1006\r\n3=0x1008\r\n4=0x1017\r\n"
                     "5=0x1280\r\n\r\n"));
  // The last fixed object is followed straight by the final empty line.
  EXPECT_TRUE(t.ends_with("[1280sub3]\r\nParameterName=Node ID of the SDO Server\r\nObjectType=0x07\r\n"
                          "DataType=0x0005\r\nAccessType=rw\r\nPDOMapping=0\r\n\r\n"));
  EXPECT_TRUE(t.starts_with("[FileInfo]\r\nFileName=s1.eds\r\n"));
  EXPECT_TRUE(Has(t, std::string("CreatedBy=") + EDS_Created_By + "\r\n"));
  EXPECT_TRUE(Has(t, std::string("ProductName=") + EDS_Product_Name + "\r\n"));
}

TEST_F(UEDSTest, PdoValuesAsTheDeviceTakesThem) {
  struct Case {
    std::string Cob, Dim;
    uint16_t Want_Cob;
    uint8_t Want_Dim;
  };
  for (const Case& c : std::vector<Case>{{"0x201", "2", 0x201, 2},
                                         {"", "9", 513, 8},
                                         {"abc", "x", 513, 8},
                                         {"2047", "0", 2047, 0},
                                         {" 5", "8", 5, 8}}) {
    Rpdo(Pdo(c.Cob, c.Dim));
    std::vector<TPDO_Entry> l = Load_PDO_List(Path_CANopen_RPDO);
    ASSERT_EQ(l.size(), 1u) << c.Cob;
    EXPECT_EQ(l[0].COB_ID, c.Want_Cob) << c.Cob;
    EXPECT_EQ(l[0].Dimension, c.Want_Dim) << c.Dim;
  }
}

TEST_F(UEDSTest, ZeroDimensionHasNoEntries) {
  Rpdo(Pdo("0x201", "0"));
  std::string t = Text();
  EXPECT_TRUE(Has(t, "[1600]\r\nSubNumber=1\r\nParameterName=Receive PDO Mapping Parameter\r\nObjectType=0x09\r\n"));
  EXPECT_TRUE(Has(t, "[6000]\r\nSubNumber=1\r\nParameterName=RPDO1\r\nObjectType=0x08\r\n"));
  EXPECT_FALSE(Has(t, "[1600sub1]"));
  EXPECT_FALSE(Has(t, "[6000sub1]"));
}

TEST_F(UEDSTest, OnlyTheFirstTenPdosAndTheirLetters) {
  std::string rows;
  for (int i = 0; i < 12; ++i) rows += Pdo(std::to_string(0x200 + i), "1");
  Rpdo(rows);
  Tpdo(rows);
  std::string t = Text();
  EXPECT_TRUE(Has(t, "NrOfRXPDO=10\r\nNrOfTXPDO=10\r\n"));
  EXPECT_TRUE(Has(t, "SupportedObjects=65\r\n"));
  EXPECT_TRUE(Has(t, "[6009sub1]\r\nParameterName=i1\r\n"));
  EXPECT_TRUE(Has(t, "[6008sub1]\r\nParameterName=k1\r\n"));
  EXPECT_TRUE(Has(t, "[6059sub1]\r\nParameterName=u1\r\n"));
  EXPECT_TRUE(Has(t, "65=0x6059\r\n\r\n"));
  EXPECT_TRUE(Has(t, "[1A09]\r\nSubNumber=2\r\nParameterName=Transmit PDO Mapping Parameter 10\r\n"));
  EXPECT_TRUE(Has(t, "[6002]\r\nSubNumber=2\r\nParameterName=RPDO3\r\nObjectType=0x08\r\n\r\n[6002sub0]\r\n"
                     "ParameterName=Number of Entries\r\nObjectType=0x07\r\nDataType=0x0005\r\nAccessType=rw\r\n"));
  EXPECT_FALSE(Has(t, "[140A]"));
}

TEST_F(UEDSTest, SizeCodesGiveTheirTypes) {
  Sdo_Read(Sdo("0x3000", "1", "2") + Sdo("0x3000", "2", "1") + Sdo("0x3000", "3", "0") + Sdo("0x3000", "4", "7"));
  std::string t = Text();
  EXPECT_TRUE(Has(t, "[3000sub1]\r\nParameterName=Application Variable\r\nObjectType=0x7\r\nDataType=0x0005\r\n"
                     "LowLimit=0x00\r\nHighLimit=0xFF\r\nDefaultValue=0x00\r\nAccessType=ro\r\nPDOMapping=0\r\n\r\n"));
  EXPECT_TRUE(Has(t, "[3000sub2]\r\nParameterName=Application Variable\r\nObjectType=0x7\r\nDataType=0x0006\r\n"
                     "LowLimit=0x0000\r\nHighLimit=0xFFFF\r\nDefaultValue=0x0000\r\n"));
  EXPECT_TRUE(Has(t, "[3000sub3]\r\nParameterName=Application Variable\r\nObjectType=0x7\r\nDataType=0x0007\r\n"
                     "LowLimit=0x00000000\r\nHighLimit=0xFFFFFFFF\r\nDefaultValue=0x00000000\r\n"));
  EXPECT_TRUE(Has(t, "[3000sub4]\r\nParameterName=Application Variable\r\nObjectType=0x7\r\nDataType=0x0007\r\n"));
  EXPECT_FALSE(Has(t, "[3000]"));
}

// Each refusal names the file and leaves the old output as it was.
TEST_F(UEDSTest, RefusedInputsWriteNothing) {
  struct Case {
    std::string Rpdo, Read, Write, Error_Part;
  };
  for (const Case& c : std::vector<Case>{
           {"", Sdo("0x2000", "1", "2"), Sdo("8192", "1", "0"), "defined twice"},
           {"", Sdo("0x2000", "1", "2") + Sdo("0x2000", "1", "2"), "", "defined twice"},
           {"", Sdo("abc", "1", "2"), "", "not a number"},
           {"", Sdo("0x2000", "256", "2"), "", "outside 0 to 255"},
           {"", Sdo("0x12000", "1", "2"), "", "outside 0 to 65535"},
           {"", "<row NrPdo=\"1\" Index=\"0x2000\" SubIndex=\"1\"/>", "", "Dimension"},
           {Pdo("2048", "1"), "", "", "outside 0 to 2047"},
           {Pdo("0x201", "-1"), "", "", "Dimension"},
           {"<row Dimension=\"1\"/>", "", "", "COB-ID"},
       }) {
    Rpdo(c.Rpdo);
    Sdo_Read(c.Read);
    Sdo_Write(c.Write);
    std::string path = project.dir.Write("out.eds", "old");
    std::string error;
    EXPECT_FALSE(Create_EDS_File(path, &error)) << c.Error_Part;
    EXPECT_NE(error.find(c.Error_Part), std::string::npos) << error;
    EXPECT_EQ(project.dir.Read("out.eds"), "old");
  }
}

TEST_F(UEDSTest, FindSdoIndexAndFileNames) {
  std::vector<SDO_Index> l = {{0x2000, {}}, {0x2001, {}}};
  EXPECT_EQ(Find_SDO_Index(l, 0x2001), 1);
  EXPECT_EQ(Find_SDO_Index(l, 0x2002), -1);
  EXPECT_EQ(EDS_File_Name("Plant"), "Plant.eds");
  EXPECT_EQ(EDS_File_Name("Plant.EDS"), "Plant.EDS");
}

}  // namespace
