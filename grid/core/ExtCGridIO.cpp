// Column definitions and column order kept outside the grid: the columns'
// settings as one object of the framework's object-stream form (a
// TExtColumnGridIO whose Items collection holds one entry per column), and
// the column order under the keys "CP" followed by the position in an INI
// file. Both readers check everything before a single column changes.

#include <climits>
#include <memory>
#include <vector>

#include "grid/core/ColumnLayout.h"
#include "grid/core/ExtCGrid.h"
#include "grid/foundation/EnumStreaming.h"
#include "toolkit/rtl/IniFiles.h"
#include "toolkit/rtl/ObjectStream.h"
#include "toolkit/rtl/Streams.h"

template <> struct TEnumNames<TColumnPopupType> {
  static constexpr std::array<std::string_view, 6> Names{"cpFixedCellsRClick",  "cpFixedCellsLClick",
                                                         "cpNormalCellsRClick", "cpNormalCellsLClick",
                                                         "cpAllCellsRClick",    "cpAllCellsLClick"};
};

namespace {

constexpr const char* IOClass = "TExtColumnGridIO";
constexpr int MaxColumnWidth = 100000;

int StreamInt(const TStreamProperty& P, int Min = INT_MIN, int Max = INT_MAX) {
  return static_cast<int>(StreamInteger(P, Min, Max));
}
TColor StreamColor(const TStreamProperty& P) { return static_cast<TColor>(StreamInteger(P, INT32_MIN, UINT32_MAX)); }

}  // namespace

// One stored setting of a column: its name, how it is written, how a
// stored value is taken back (raising for a value of the wrong kind), and
// what it is when the stream leaves it out (a text the writer skipped for
// being empty).
struct TExtColumnGridIO::TField {
  const char* Name;
  void (*Write)(TObjectWriter& W, const char* Name, const TGridColumnItem& C);
  void (*Read)(const TStreamProperty& P, TGridColumnItem& C);
  void (*Absent)(TGridColumnItem& C);
};

#define QUELIX_COL_INT(N, F, MIN, MAX)                                                            \
  TField { N, [](TObjectWriter& w, const char* n, const TGridColumnItem& c) { w.WriteInteger(n, c.F); }, \
           [](const TStreamProperty& p, TGridColumnItem& c) { c.F = StreamInt(p, MIN, MAX); }, nullptr }
#define QUELIX_COL_COLOR(N, F)                                                                    \
  TField { N, [](TObjectWriter& w, const char* n, const TGridColumnItem& c) { w.WriteInteger(n, c.F); }, \
           [](const TStreamProperty& p, TGridColumnItem& c) { c.F = StreamColor(p); }, nullptr }
#define QUELIX_COL_BOOL(N, F)                                                                     \
  TField { N, [](TObjectWriter& w, const char* n, const TGridColumnItem& c) { w.WriteBoolean(n, c.F); }, \
           [](const TStreamProperty& p, TGridColumnItem& c) { c.F = StreamBoolean(p); }, nullptr }
#define QUELIX_COL_TEXT(N, F)                                                                     \
  TField { N, [](TObjectWriter& w, const char* n, const TGridColumnItem& c) { w.WriteString(n, c.F); }, \
           [](const TStreamProperty& p, TGridColumnItem& c) { c.F = StreamString(p); },            \
           [](TGridColumnItem& c) { c.F.clear(); } }
#define QUELIX_COL_ENUM(N, E, F)                                                                  \
  TField { N, [](TObjectWriter& w, const char* n, const TGridColumnItem& c) { w.WriteIdent(n, EnumToName<E>(c.F)); }, \
           [](const TStreamProperty& p, TGridColumnItem& c) { c.F = StreamEnum<E>(p); }, nullptr }
#define QUELIX_COL_SET(N, E, F)                                                                   \
  TField { N, [](TObjectWriter& w, const char* n, const TGridColumnItem& c) { w.WriteSet(n, SetIdents<E>(c.F)); }, \
           [](const TStreamProperty& p, TGridColumnItem& c) { c.F = StreamEnumSet<E>(p); }, nullptr }
#define QUELIX_COL_LIST(N, F)                                                                     \
  TField { N, [](TObjectWriter& w, const char* n, const TGridColumnItem& c) { w.WriteStrings(n, c.F.ToVector()); }, \
           [](const TStreamProperty& p, TGridColumnItem& c) { c.F.Clear(); c.F.AddStrings(StreamStrings(p)); }, \
           [](TGridColumnItem& c) { c.F.Clear(); } }
#define QUELIX_COL_FONT(N, F)                                                                     \
  TField { N ".Color", [](TObjectWriter& w, const char* n, const TGridColumnItem& c) { w.WriteInteger(n, c.F.Color()); }, \
           [](const TStreamProperty& p, TGridColumnItem& c) { c.F.SetColor(StreamColor(p)); }, nullptr }, \
  TField { N ".Height", [](TObjectWriter& w, const char* n, const TGridColumnItem& c) { w.WriteInteger(n, c.F.Height()); }, \
           [](const TStreamProperty& p, TGridColumnItem& c) { c.F.SetHeight(StreamInt(p, -1000, 1000)); }, nullptr }, \
  TField { N ".Name", [](TObjectWriter& w, const char* n, const TGridColumnItem& c) { w.WriteString(n, c.F.Name()); }, \
           [](const TStreamProperty& p, TGridColumnItem& c) { c.F.SetName(StreamString(p)); }, nullptr }, \
  TField { N ".Style", [](TObjectWriter& w, const char* n, const TGridColumnItem& c) { w.WriteSet(n, SetIdents<TFontStyle>(c.F.Style())); }, \
           [](const TStreamProperty& p, TGridColumnItem& c) { c.F.SetStyle(StreamEnumSet<TFontStyle>(p)); }, nullptr }
#define QUELIX_COL_PEN(N, F)                                                                      \
  TField { N ".Color", [](TObjectWriter& w, const char* n, const TGridColumnItem& c) { w.WriteInteger(n, c.F.Color()); }, \
           [](const TStreamProperty& p, TGridColumnItem& c) { c.F.SetColor(StreamColor(p)); }, nullptr }, \
  TField { N ".Style", [](TObjectWriter& w, const char* n, const TGridColumnItem& c) { w.WriteIdent(n, EnumToName<TPenStyle>(c.F.Style())); }, \
           [](const TStreamProperty& p, TGridColumnItem& c) { c.F.SetStyle(StreamEnum<TPenStyle>(p)); }, nullptr }, \
  TField { N ".Width", [](TObjectWriter& w, const char* n, const TGridColumnItem& c) { w.WriteInteger(n, c.F.Width()); }, \
           [](const TStreamProperty& p, TGridColumnItem& c) { c.F.SetWidth(StreamInt(p, 0, 1000)); }, nullptr }

const std::vector<TExtColumnGridIO::TField>& TExtColumnGridIO::Fields() {
  static const std::vector<TField> fields = {
      QUELIX_COL_ENUM("Alignment", TAlignment, FAlignment),
      QUELIX_COL_INT("AutoMaxSize", FAutoMaxSize, 0, MaxColumnWidth),
      QUELIX_COL_INT("AutoMinSize", FAutoMinSize, 0, MaxColumnWidth),
      QUELIX_COL_PEN("BorderPen", FBorderPen),
      QUELIX_COL_SET("Borders", TCellBorder, FBorders),
      QUELIX_COL_TEXT("CheckFalse", FCheckFalse),
      QUELIX_COL_TEXT("CheckTrue", FCheckTrue),
      QUELIX_COL_COLOR("Color", FColor),
      QUELIX_COL_ENUM("ColumnPopupType", TColumnPopupType, FColumnPopupType),
      QUELIX_COL_LIST("ComboItems", FComboItems),
      QUELIX_COL_INT("DropDownCount", FDropDownCount, 0, 1000),
      QUELIX_COL_INT("EditLength", FEditLength, 0, INT_MAX),
      QUELIX_COL_TEXT("EditMask", FEditMask),
      QUELIX_COL_ENUM("Editor", TEditorType, FEditor),
      QUELIX_COL_LIST("Filter", FFilter),
      QUELIX_COL_BOOL("FilterCaseSensitive", FFilterCaseSensitive),
      QUELIX_COL_BOOL("Fixed", FFixed),
      QUELIX_COL_TEXT("FloatFormat", FFloatFormat),
      QUELIX_COL_FONT("Font", FFont),
      QUELIX_COL_TEXT("Header", FHeader),
      QUELIX_COL_ENUM("HeaderAlignment", TAlignment, FHeaderAlignment),
      QUELIX_COL_FONT("HeaderFont", FHeaderFont),
      QUELIX_COL_INT("MaxSize", FMaxSize, 0, MaxColumnWidth),
      QUELIX_COL_INT("MinSize", FMinSize, 0, MaxColumnWidth),
      QUELIX_COL_TEXT("Name", FName),
      QUELIX_COL_BOOL("Password", FPassword),
      QUELIX_COL_BOOL("PrintBorderCustom", FPrintBorderCustom),
      QUELIX_COL_PEN("PrintBorderPen", FPrintBorderPen),
      QUELIX_COL_SET("PrintBorders", TCellBorder, FPrintBorders),
      QUELIX_COL_COLOR("PrintColor", FPrintColor),
      QUELIX_COL_FONT("PrintFont", FPrintFont),
      QUELIX_COL_BOOL("PrintFontCustom", FPrintFontCustom),
      QUELIX_COL_BOOL("ReadOnly", FReadOnly),
      QUELIX_COL_BOOL("ShowBands", FShowBands),
      QUELIX_COL_TEXT("SortPrefix", FSortPrefix),
      QUELIX_COL_ENUM("SortStyle", TSortStyle, FSortStyle),
      QUELIX_COL_TEXT("SortSuffix", FSortSuffix),
      QUELIX_COL_INT("SpinMax", FSpinMax, INT_MIN, INT_MAX),
      QUELIX_COL_INT("SpinMin", FSpinMin, INT_MIN, INT_MAX),
      QUELIX_COL_INT("SpinStep", FSpinStep, INT_MIN, INT_MAX),
      QUELIX_COL_INT("Tag", FTag, INT_MIN, INT_MAX),
      QUELIX_COL_INT("Width", FWidth, 0, MaxColumnWidth),
      // EditLink and ColumnPopup refer to live components of the writing program: never stored.
  };
  return fields;
}

#undef QUELIX_COL_INT
#undef QUELIX_COL_COLOR
#undef QUELIX_COL_BOOL
#undef QUELIX_COL_TEXT
#undef QUELIX_COL_ENUM
#undef QUELIX_COL_SET
#undef QUELIX_COL_LIST
#undef QUELIX_COL_FONT
#undef QUELIX_COL_PEN

TExtColumnGridIO::TExtColumnGridIO(TExtColumnGrid* AGrid)
    : TComponent(AGrid), FItems(std::make_unique<TGridColumnCollection>(AGrid)) {
  // The items belong to this component: they never reach into the grid.
  FItems->NoRecursiveUpdate = true;
}

TExtColumnGridIO::~TExtColumnGridIO() = default;

void TExtColumnGridIO::WriteTo(std::string& Out) const {
  TObjectWriter w(Out);
  w.BeginObject(IOClass);
  w.BeginCollection("Items");
  for (int i = 0; i < FItems->Count(); ++i) {
    w.BeginItem();
    for (const TField& f : Fields()) f.Write(w, f.Name, *FItems->Items(i));
    w.EndItem();
  }
  w.EndCollection();
  w.EndObject();
}

void TExtColumnGridIO::ReadFrom(const TStreamObject& Object) {
  if (Object.ClassName != IOClass)
    throw EReadError("Not a column definition stream: it holds a " + Object.ClassName);
  const TStreamProperty* items = Object.Find("Items");
  if (!items) throw EReadError("Column definition stream without its Items");
  FItems->Clear();
  for (const std::vector<TStreamProperty>& stored : StreamCollection(*items)) {
    // The plain item, not a copy of the one before: a setting the stream
    // leaves out keeps its default.
    auto* item = static_cast<TGridColumnItem*>(static_cast<TCollection*>(FItems.get())->Add());
    for (const TField& f : Fields())
      if (f.Absent) f.Absent(*item);
    for (const TStreamProperty& p : stored)
      for (const TField& f : Fields())
        if (p.Name == f.Name) f.Read(p, *item);
  }
}

// ---- the column grid's side ----

void TExtColumnGrid::SaveColumnsToStream(TStream* st) {
  TExtColumnGridIO io(this);
  io.Items()->Assign(FColumns.get());
  std::string bytes;
  io.WriteTo(bytes);
  st->WriteString(bytes);
}

void TExtColumnGrid::LoadColumnsFromStream(TStream* st) {
  const int64_t start = st->Position();
  const std::vector<uint8_t> raw = st->ReadAll();
  TObjectReader reader(std::string_view(reinterpret_cast<const char*>(raw.data()), raw.size()));
  TExtColumnGridIO io(this);
  io.ReadFrom(reader.ReadObject());
  // Whatever follows the object stays for the caller to read.
  st->SetPosition(start + static_cast<int64_t>(reader.Position()));
  FColumns->NoRecursiveUpdate = true;
  FColumns->BeginUpdate();
  while (FColumns->Count() > io.Items()->Count()) FColumns->Delete(FColumns->Count() - 1);
  while (FColumns->Count() < io.Items()->Count()) static_cast<TCollection*>(FColumns.get())->Add();
  for (int i = 0; i < FColumns->Count(); ++i) FColumns->Items(i)->Assign(io.Items()->Items(i));
  FColumns->EndUpdate();
  FColumns->NoRecursiveUpdate = false;
  Invalidate();
}

void TExtColumnGrid::SaveColumnPositions(const std::string& Key, const std::string& Section) {
  TMemIniFile ini(Key);
  for (int i = 0; i < FColumns->Count(); ++i)
    ini.WriteInteger(Section, "CP" + std::to_string(i), FColumns->Items(i)->DefIdx);
  ini.UpdateFile();
}

void TExtColumnGrid::LoadColumnPositions(const std::string& Key, const std::string& Section) {
  const int n = FColumns->Count();
  std::vector<int> stored;
  {
    TMemIniFile ini(Key);
    for (int j = 0; j < n; ++j) {
      const int k = ini.ReadInteger(Section, "CP" + std::to_string(j), -1);
      if (k == -1) return;
      stored.push_back(k);
    }
  }
  if (!IsPermutation(stored))
    throw EConvertError("Column positions in " + Key + " do not name each of the " + std::to_string(n) +
                        " columns once");
  ResetColumnOrder();
  for (int j = 0; j < n; ++j) FColumns->Items(stored[j])->DefIdx = j;
  FColumns->ResetOrganization();
  for (int i = 0; i < n; ++i) FColumns->Items(i)->DefIdx = stored[i];
}

void TExtColumnGrid::SaveColPositions() {
  if (ColumnSize()->Location() != clIniFile) return TExtStringGrid::SaveColPositions();
  SaveColumnPositions(ColumnSize()->Key(), ColumnSize()->Section());
}

void TExtColumnGrid::LoadColPositions() {
  if (ColumnSize()->Location() != clIniFile) return TExtStringGrid::LoadColPositions();
  LoadColumnPositions(ColumnSize()->Key(), ColumnSize()->Section());
}
