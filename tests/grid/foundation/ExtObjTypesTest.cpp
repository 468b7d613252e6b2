#include "grid/foundation/ExtObj.h"

#include "grid/foundation/BaseGrid.h"

#include <gtest/gtest.h>

namespace {

TEST(GridEnumerations, OrdinalsAndCounts) {
  EXPECT_EQ(EnumCount<TEditorType>(), 43);
  EXPECT_EQ(edNormal, 0);
  EXPECT_EQ(edMaskEditBtn, 42);
  EXPECT_EQ(edDataCheckBox, 10);
  EXPECT_EQ(EnumCount<TSortStyle>(), 20);
  EXPECT_EQ(EnumCount<TColumnCalcType>(), 10);
  EXPECT_EQ(acSTDDEV, 9);
  EXPECT_EQ(EnumCount<TGridSelectionStyle>(), 4);
  EXPECT_EQ(ssAlphaNumericNoCase, 19);
}

TEST(GridEnumerations, StoredNamesReadBack) {
  EXPECT_EQ(EnumToName(ssOffice2007), "ssOffice2007");
  EXPECT_EQ(NameToEnum<TGridSelectionStyle>("ssOffice2007"), ssOffice2007);
  EXPECT_EQ(EnumToName(edDataCheckBox), "edDataCheckBox");
  EXPECT_EQ(NameToEnum<TEditorType>(EnumToName(edDataCheckBox)), edDataCheckBox);
  EXPECT_EQ(NameToEnum<TEditorType>("EDCOMBOLIST"), edComboList);
  EXPECT_FALSE(NameToEnum<TEditorType>("edUnknown").has_value());
  EXPECT_EQ(EnumToName(static_cast<TEditorType>(43)), "");
  for (int i = 0; i < EnumCount<TSortStyle>(); ++i)
    EXPECT_EQ(NameToEnum<TSortStyle>(EnumToName(static_cast<TSortStyle>(i))), static_cast<TSortStyle>(i));
}

TEST(GridEnumerations, SetsReadBack) {
  THoverRowCells cells{hcNormal, hcFixed};
  EXPECT_EQ(SetToNames(cells), "[hcNormal,hcFixed]");
  EXPECT_EQ(NamesToSet<THoverRowCell>("[hcNormal,hcFixed]"), cells);
  EXPECT_EQ(NamesToSet<THoverRowCell>("[ hcFixed , hcNormal ]"), cells);
  EXPECT_EQ(NamesToSet<THoverRowCell>("[]"), THoverRowCells{});
  EXPECT_EQ(SetToNames(TCellBorders{}), "[]");
  EXPECT_FALSE(NamesToSet<THoverRowCell>("[hcNormal,bad]").has_value());
  EXPECT_FALSE(NamesToSet<THoverRowCell>("hcNormal").has_value());
  EXPECT_EQ(TCellBorders({cbLeft, cbBottom}).Bits(), 0b1010u);  // bit i for value i
}

}  // namespace
