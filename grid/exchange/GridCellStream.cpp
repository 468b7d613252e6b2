#include "grid/exchange/GridCellStream.h"

#include "grid/core/ExtGridTypes.h"
#include "grid/foundation/BaseGrid.h"
#include "grid/foundation/EnumStreaming.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Icon.h"
#include "toolkit/graphics/Picture.h"
#include "toolkit/rtl/Encoding.h"
#include "toolkit/rtl/StringList.h"
#include "toolkit/rtl/Streams.h"

#include <algorithm>
#include <climits>
#include <cstring>

// Identifiers of the enumerations the records store by name.
template <> struct TEnumNames<TCellType> {
  static constexpr std::array<std::string_view, 33> Names{
      "ctBitmap", "ctIcon", "ctNone", "ctImageList", "ctCheckBox", "ctDataCheckBox", "ctRotated", "ctDataImage",
      "ctNode", "ctRadio", "ctEmpty", "ctImages", "ctPicture", "ctFilePicture", "ctValue", "ctProgress",
      "ctComment", "ctButton", "ctBitButton", "ctVirtCheckBox", "ctRowCheckBox", "ctProgressPie", "ctSummary",
      "ctRangeIndicator", "ctXPProgress", "ctInterface", "ctScrollbar", "ctRadioButton", "ctBalloon", "ctShape",
      "ctRating", "ctTriStateCheckBox", "ctExpand"};
};
template <> struct TEnumNames<TCellVAlign> {
  static constexpr std::array<std::string_view, 6> Names{"vaTop", "vaBottom", "vaCenter", "vaUnderText",
                                                         "vaAboveText", "vaFull"};
};
template <> struct TEnumNames<TCellHAlign> {
  static constexpr std::array<std::string_view, 6> Names{"haLeft", "haRight", "haCenter", "haBeforeText",
                                                         "haAfterText", "haFull"};
};
template <> struct TEnumNames<TCheckBoxState> {
  static constexpr std::array<std::string_view, 3> Names{"cbUnchecked", "cbChecked", "cbGrayed"};
};
namespace {

constexpr const char* HeaderClass = "TGridPropIO";
constexpr const char* CellClass = "TGridCellIO";
constexpr const char* PropClass = "TGridCellPropIO";
constexpr const char* GraphicClass = "TGridGraphicIO";

// ---- typed property access -------------------------------------------------

int StreamInt(const TStreamProperty& P) { return static_cast<int>(StreamInteger(P, INT_MIN, INT_MAX)); }
TColor StreamColor(const TStreamProperty& P) {
  return static_cast<TColor>(StreamInteger(P, INT32_MIN, UINT32_MAX));
}

// One stored property of a record's object: its name, how it is written and
// how a stored value is taken back. Reading raises for a value of the wrong kind.
template <typename T>
struct TField {
  const char* Name;
  void (*Write)(TObjectWriter& W, const char* Name, const T& Obj);
  void (*Read)(const TStreamProperty& P, T& Obj);
};

#define QUELIX_INT_FIELD(T, N, GET, SET)                                                   \
  TField<T> { N, [](TObjectWriter& w, const char* n, const T& o) { w.WriteInteger(n, GET); }, \
              [](const TStreamProperty& p, T& o) { SET; } }
#define QUELIX_BOOL_FIELD(T, N, F)                                                         \
  TField<T> { N, [](TObjectWriter& w, const char* n, const T& o) { w.WriteBoolean(n, o.F); }, \
              [](const TStreamProperty& p, T& o) { o.F = StreamBoolean(p); } }
#define QUELIX_ENUM_FIELD(T, N, E, GET, SET)                                                          \
  TField<T> { N, [](TObjectWriter& w, const char* n, const T& o) { w.WriteIdent(n, EnumToName<E>(GET)); }, \
              [](const TStreamProperty& p, T& o) { const E v = StreamEnum<E>(p); SET; } }

const TField<TCellProperties> PropFields[] = {
    QUELIX_BOOL_FIELD(TCellProperties, "CellProperties.IsBaseCell", IsBaseCell),
    QUELIX_INT_FIELD(TCellProperties, "CellProperties.CellSpanX", o.CellSpanX,
                     o.CellSpanX = static_cast<int>(StreamInteger(p, -1, MaxStreamCellIndex))),
    QUELIX_INT_FIELD(TCellProperties, "CellProperties.CellSpanY", o.CellSpanY,
                     o.CellSpanY = static_cast<int>(StreamInteger(p, -1, MaxStreamCellIndex))),
    // The owner cell is always the cell the record lands on.
    QUELIX_INT_FIELD(TCellProperties, "CellProperties.OwnerCol", o.OwnerCol, (void)StreamInt(p); (void)o),
    QUELIX_INT_FIELD(TCellProperties, "CellProperties.OwnerRow", o.OwnerRow, (void)StreamInt(p); (void)o),
    QUELIX_ENUM_FIELD(TCellProperties, "CellProperties.Alignment", TAlignment, o.Alignment(), o.SetAlignment(v)),
    QUELIX_INT_FIELD(TCellProperties, "CellProperties.BorderColor", o.BorderColor, o.BorderColor = StreamColor(p)),
    QUELIX_INT_FIELD(TCellProperties, "CellProperties.BorderWidth", o.BorderWidth,
                     o.BorderWidth = static_cast<int>(StreamInteger(p, 0, 1000))),
    QUELIX_INT_FIELD(TCellProperties, "CellProperties.BrushColor", o.BrushColor(), o.SetBrushColor(StreamColor(p))),
    QUELIX_INT_FIELD(TCellProperties, "CellProperties.BrushColorTo", o.BrushColorTo(),
                     o.SetBrushColorTo(StreamColor(p))),
    QUELIX_ENUM_FIELD(TCellProperties, "CellProperties.BrushStyle", TBrushStyle, o.BrushStyle, o.BrushStyle = v),
    // The number is the caller's own object: written so that the record is
    // complete, but an outside number never becomes an object of this grid.
    QUELIX_INT_FIELD(TCellProperties, "CellProperties.CellObject", static_cast<int64_t>(o.CellObject),
                     (void)StreamInteger(p, INT64_MIN, INT64_MAX); (void)o),
    QUELIX_INT_FIELD(TCellProperties, "CellProperties.FontColor", o.FontColor, o.FontColor = StreamColor(p)),
    TField<TCellProperties>{"CellProperties.FontName",
                            [](TObjectWriter& w, const char* n, const TCellProperties& o) { w.WriteString(n, o.FontName); },
                            [](const TStreamProperty& p, TCellProperties& o) { o.FontName = StreamString(p); }},
    QUELIX_INT_FIELD(TCellProperties, "CellProperties.FontSize", o.FontSize,
                     o.FontSize = static_cast<int>(StreamInteger(p, -1000, 1000))),
    TField<TCellProperties>{
        "CellProperties.FontStyle",
        [](TObjectWriter& w, const char* n, const TCellProperties& o) { w.WriteSet(n, SetIdents(o.FontStyle)); },
        [](const TStreamProperty& p, TCellProperties& o) { o.FontStyle = StreamEnumSet<TFontStyle>(p); }},
    QUELIX_ENUM_FIELD(TCellProperties, "CellProperties.Editor", TEditorType, o.Editor, o.Editor = v),
    QUELIX_ENUM_FIELD(TCellProperties, "CellProperties.GradientDirection", TCellGradientDirection,
                      o.GradientDirection, o.GradientDirection = v),
    QUELIX_BOOL_FIELD(TCellProperties, "CellProperties.ReadOnly", ReadOnly),
    QUELIX_ENUM_FIELD(TCellProperties, "CellProperties.VAlignment", TVAlignment, o.VAlignment(), o.SetVAlignment(v)),
    TField<TCellProperties>{"CellProperties.WordWrap",
                            [](TObjectWriter& w, const char* n, const TCellProperties& o) { w.WriteBoolean(n, o.WordWrap()); },
                            [](const TStreamProperty& p, TCellProperties& o) { o.SetWordWrap(StreamBoolean(p)); }},
    QUELIX_INT_FIELD(TCellProperties, "CellProperties.NodeLevel", o.NodeLevel,
                     o.NodeLevel = static_cast<int>(StreamInteger(p, 0, MaxStreamCellIndex))),
    // Control refers to a live control of the writing program: never stored.
};

const TField<TCellGraphic> GraphicFields[] = {
    QUELIX_ENUM_FIELD(TCellGraphic, "CellGraphic.CellType", TCellType, o.CellType, o.CellType = v),
    QUELIX_ENUM_FIELD(TCellGraphic, "CellGraphic.CellVAlign", TCellVAlign, o.CellVAlign, o.CellVAlign = v),
    QUELIX_ENUM_FIELD(TCellGraphic, "CellGraphic.CellHAlign", TCellHAlign, o.CellHAlign, o.CellHAlign = v),
    QUELIX_INT_FIELD(TCellGraphic, "CellGraphic.CellIndex", o.CellIndex, o.CellIndex = StreamInt(p)),
    QUELIX_BOOL_FIELD(TCellGraphic, "CellGraphic.CellTransparent", CellTransparent),
    QUELIX_BOOL_FIELD(TCellGraphic, "CellGraphic.CellCreated", CellCreated),
    QUELIX_BOOL_FIELD(TCellGraphic, "CellGraphic.CellBoolean", CellBoolean),
    QUELIX_ENUM_FIELD(TCellGraphic, "CellGraphic.CellCheckBoxState", TCheckBoxState, o.CellCheckBoxState,
                      o.CellCheckBoxState = v),
    QUELIX_INT_FIELD(TCellGraphic, "CellGraphic.CellAngle", o.CellAngle, o.CellAngle = StreamInt(p)),
    TField<TCellGraphic>{"CellGraphic.CellValue",
                         [](TObjectWriter& w, const char* n, const TCellGraphic& o) { w.WriteDouble(n, o.CellValue); },
                         [](const TStreamProperty& p, TCellGraphic& o) { o.CellValue = StreamFloat(p); }},
    QUELIX_INT_FIELD(TCellGraphic, "CellGraphic.CellErrFrom", o.CellErrFrom, o.CellErrFrom = StreamInt(p)),
    QUELIX_INT_FIELD(TCellGraphic, "CellGraphic.CellErrLen", o.CellErrLen, o.CellErrLen = StreamInt(p)),
    TField<TCellGraphic>{"CellGraphic.CellText",
                         [](TObjectWriter& w, const char* n, const TCellGraphic& o) { w.WriteString(n, o.CellText); },
                         [](const TStreamProperty& p, TCellGraphic& o) { o.CellText = StreamString(p); }},
};

#undef QUELIX_INT_FIELD
#undef QUELIX_BOOL_FIELD
#undef QUELIX_ENUM_FIELD

template <typename T, size_t N>
void WriteFields(TObjectWriter& W, const TField<T> (&Fields)[N], const T& Obj) {
  for (const TField<T>& f : Fields) f.Write(W, f.Name, Obj);
}

// Unknown properties (a newer writer's) are skipped; known ones must read.
template <typename T, size_t N>
void ReadFields(const TField<T> (&Fields)[N], const std::vector<TStreamProperty>& Stored, T& Obj) {
  for (const TStreamProperty& p : Stored)
    for (const TField<T>& f : Fields)
      if (p.Name == f.Name) f.Read(p, Obj);
}

// ---- the typed records of a graphic ----------------------------------------

enum class TTypedRecord { None, Bitmap, Icon, Picture, FilePicture, Strings, Images };

TTypedRecord TypedRecordOf(TCellType t) {
  switch (t) {
    case ctBitmap: case ctBitButton: return TTypedRecord::Bitmap;
    case ctIcon: return TTypedRecord::Icon;
    case ctRadio: return TTypedRecord::Strings;
    case ctImages: return TTypedRecord::Images;
    case ctPicture: return TTypedRecord::Picture;
    case ctFilePicture: return TTypedRecord::FilePicture;
    default: return TTypedRecord::None;
  }
}

// A graphic is written when the grid owns what it shows: an object that
// only refers to someone else's (or an interfaced object) does not travel.
bool StreamsGraphic(const TCellGraphic& G) {
  if (G.CellType == ctEmpty || G.CellType == ctInterface) return false;
  if (TypedRecordOf(G.CellType) == TTypedRecord::None) return true;
  const TObject* shown = G.CellType == ctIcon ? G.CellIcon : G.CellBitmap;
  return G.CellCreated && shown != nullptr;
}

std::string GraphicBytes(TGraphic* G) {
  if (!G || G->Empty()) return {};
  TMemoryStream s;
  G->SaveToStream(s);
  return std::string(reinterpret_cast<const char*>(s.Memory()), static_cast<size_t>(s.Size()));
}

template <typename G>
std::unique_ptr<G> GraphicFromBytes(std::unique_ptr<G> Target, const std::string& Bytes) {
  if (Bytes.empty()) return Target;
  TStringStream s(Bytes);
  Target->LoadFromStream(s);
  return Target;
}

void WriteTypedRecord(TObjectWriter& W, const TCellGraphic& G) {
  switch (TypedRecordOf(G.CellType)) {
    case TTypedRecord::None: return;
    case TTypedRecord::Bitmap:
      W.BeginObject("TGridBMPIO");
      W.WriteBinary("Bitmap.Data", GraphicBytes(G.Bitmap()));
      break;
    case TTypedRecord::Icon:
      W.BeginObject("TGridIconIO");
      W.WriteBinary("Icon.Data", GraphicBytes(dynamic_cast<TIcon*>(G.CellIcon)));
      break;
    case TTypedRecord::Picture: {
      // The class name first, so that the reader makes a graphic of the same kind.
      TGraphic* g = G.Picture() ? G.Picture()->Graphic() : nullptr;
      const std::string cls = g ? g->ClassName() : std::string();
      W.BeginObject("TGridPicIO");
      W.WriteBinary("Picture.Data", std::string(1, static_cast<char>(cls.size())) + cls + GraphicBytes(g));
      break;
    }
    case TTypedRecord::FilePicture: {
      const TFilePicture* fp = G.FilePicture();
      W.BeginObject("TGridFilePicIO");
      W.WriteString("Picture.Filename", fp ? fp->Filename() : std::string());
      W.WriteInteger("Picture.Width", fp ? fp->Width() : 0);
      W.WriteInteger("Picture.Height", fp ? fp->Height() : 0);
      break;
    }
    case TTypedRecord::Strings: {
      std::vector<std::string> items;
      if (const TStrings* s = G.Strings())
        for (int i = 0; i < s->Count(); ++i) items.push_back(s->Strings(i));
      W.BeginObject("TGridSLIO");
      W.WriteStrings("Strings", items);
      break;
    }
    case TTypedRecord::Images: {
      std::vector<std::string> items;
      if (const TIntList* l = G.IntList())
        for (int i = 0; i < l->Count(); ++i) items.push_back(std::to_string(l->GetInteger(i)));
      W.BeginObject("TGridSLIO");
      W.WriteStrings("Strings", items);
      break;
    }
  }
  W.EndObject();
}

// ---- reading ---------------------------------------------------------------

[[noreturn]] void Malformed(const std::string& What) { throw EExtGridError("Invalid grid cell data: " + What); }

TStreamObject ReadRecord(TObjectReader& R, const char* ClassName) {
  TStreamObject obj = R.ReadObject();
  if (obj.ClassName != ClassName) Malformed(std::string(ClassName) + " expected, found " + obj.ClassName);
  return obj;
}

const TStreamProperty& Required(const TStreamObject& Obj, const char* Prop) {
  const TStreamProperty* p = Obj.Find(Prop);
  if (!p) Malformed(Obj.ClassName + " without " + Prop);
  return *p;
}

bool OptionalBoolean(const TStreamObject& Obj, const char* Prop) {
  const TStreamProperty* p = Obj.Find(Prop);
  return p && StreamBoolean(*p);
}

std::string OptionalString(const TStreamObject& Obj, const char* Prop) {
  const TStreamProperty* p = Obj.Find(Prop);
  return p ? StreamString(*p) : std::string();
}

// "12,0,64": every entry a size in pixels.
std::vector<int> SizeList(const std::string& Text, size_t MaxEntries) {
  std::vector<int> out;
  if (Text.empty()) return out;
  size_t pos = 0;
  while (true) {
    const size_t comma = std::min(Text.find(',', pos), Text.size());
    const std::string item = Text.substr(pos, comma - pos);
    if (item.empty() || item.size() > 6 || item.find_first_not_of("0123456789") != std::string::npos)
      Malformed("size list entry \"" + item.substr(0, 20) + "\"");
    out.push_back(std::stoi(item));
    if (out.size() > MaxEntries) Malformed("more sizes than cells");
    if (comma == Text.size()) break;
    pos = comma + 1;
  }
  return out;
}

TGridStreamHeader ReadHeader(TObjectReader& R) {
  const TStreamObject obj = ReadRecord(R, HeaderClass);
  TGridStreamHeader h;
  h.ColCount = static_cast<int>(StreamInteger(Required(obj, "ColCount"), 0, MaxStreamCellIndex + 1));
  h.RowCount = static_cast<int>(StreamInteger(Required(obj, "RowCount"), 0, MaxStreamCellIndex + 1));
  h.ColWidths = SizeList(OptionalString(obj, "ColWidths"), static_cast<size_t>(h.ColCount));
  h.RowHeights = SizeList(OptionalString(obj, "RowHeights"), static_cast<size_t>(h.RowCount));
  h.FullGrid = OptionalBoolean(obj, "FullGrid");
  if (const TStreamProperty* id = obj.Find("ID")) h.ID = StreamInteger(*id, INT64_MIN, INT64_MAX);
  return h;
}

std::unique_ptr<TObject> ReadTypedObject(TObjectReader& R, TTypedRecord Kind) {
  switch (Kind) {
    case TTypedRecord::None: return nullptr;
    case TTypedRecord::Bitmap:
      return GraphicFromBytes(std::make_unique<TBitmap>(),
                              StreamBinary(Required(ReadRecord(R, "TGridBMPIO"), "Bitmap.Data")));
    case TTypedRecord::Icon:
      return GraphicFromBytes(std::make_unique<TIcon>(),
                              StreamBinary(Required(ReadRecord(R, "TGridIconIO"), "Icon.Data")));
    case TTypedRecord::Picture: {
      const std::string data = StreamBinary(Required(ReadRecord(R, "TGridPicIO"), "Picture.Data"));
      auto picture = std::make_unique<TPicture>();
      const size_t n = data.empty() ? 0 : static_cast<uint8_t>(data[0]);
      if (data.size() < n + 1) Malformed("picture data cut short");
      if (n > 0) {
        std::unique_ptr<TGraphic> g = GraphicFromBytes(NewGraphicOfClass(data.substr(1, n)), data.substr(n + 1));
        picture->SetGraphic(g.get());
      }
      return picture;
    }
    case TTypedRecord::FilePicture: {
      const TStreamObject obj = ReadRecord(R, "TGridFilePicIO");
      auto fp = std::make_unique<TFilePicture>();
      const auto size = [&](const char* prop) {
        const TStreamProperty* p = obj.Find(prop);
        return p ? static_cast<int>(StreamInteger(*p, 0, INT_MAX)) : 0;
      };
      // The stored size stands: the file is looked at when the cell is painted.
      fp->SetStoredFile(OptionalString(obj, "Picture.Filename"), size("Picture.Width"), size("Picture.Height"));
      return fp;
    }
    case TTypedRecord::Strings: {
      auto list = std::make_unique<TStringList>();
      list->AddStrings(StreamStrings(Required(ReadRecord(R, "TGridSLIO"), "Strings")));
      return list;
    }
    case TTypedRecord::Images: {
      auto list = std::make_unique<TIntList>(0, 0);
      for (const std::string& item : StreamStrings(Required(ReadRecord(R, "TGridSLIO"), "Strings"))) {
        const std::string digits = !item.empty() && item[0] == '-' ? item.substr(1) : item;
        if (digits.empty() || digits.size() > 9 || digits.find_first_not_of("0123456789") != std::string::npos)
          Malformed("image index \"" + item.substr(0, 20) + "\"");
        list->Insert(list->Count(), std::stoi(item));
      }
      return list;
    }
  }
  return nullptr;
}

std::unique_ptr<TCellGraphic> ReadGraphic(TObjectReader& R) {
  const TStreamObject obj = ReadRecord(R, GraphicClass);
  auto g = std::make_unique<TCellGraphic>();
  ReadFields(GraphicFields, obj.Properties, *g);
  g->CellCreated = false;
  const TTypedRecord kind = TypedRecordOf(g->CellType);
  std::unique_ptr<TObject> made = ReadTypedObject(R, kind);
  if (made) {
    // The graphic owns what the stream made for it.
    if (kind == TTypedRecord::Icon) g->CellIcon = made.release();
    else g->CellBitmap = made.release();
    g->CellCreated = true;
  }
  if (g->CellType == ctInterface) g->CellType = ctNone;  // its object never travels
  return g;
}

// Obj is the caller's room for the cell record, reused from cell to cell.
TGridStreamCell ReadCell(TObjectReader& R, TStreamObject& Obj) {
  R.ReadObject(Obj);
  if (Obj.ClassName != CellClass) Malformed(std::string(CellClass) + " expected, found " + Obj.ClassName);
  const TStreamObject& obj = Obj;
  TGridStreamCell cell;
  cell.Col = static_cast<int>(StreamInteger(Required(obj, "Col"), 0, MaxStreamCellIndex));
  cell.Row = static_cast<int>(StreamInteger(Required(obj, "Row"), 0, MaxStreamCellIndex));
  cell.Text = OptionalString(obj, "Cell");
  cell.HasProp = OptionalBoolean(obj, "HasProp");
  if (!cell.HasProp) return cell;
  TStreamObject props = ReadRecord(R, PropClass);
  TCellProperties check(nullptr, 0, 0);
  ReadFields(PropFields, props.Properties, check);  // every stored value must read before anything is applied
  const bool hasGraphic = OptionalBoolean(props, "HasGraphic");
  cell.Properties = std::move(props.Properties);
  if (hasGraphic) cell.Graphic = ReadGraphic(R);
  return cell;
}

// A plain cell record (a text and no properties) as this program writes it,
// read in place: the signature, the class and the empty object name, Col,
// Row, Cell when there is a text, HasProp false, the two end bytes. Text
// views the bytes. Any other record, or a text the object reader would
// decode, leaves the position and returns false, for ReadCell to read it
// or to say what is wrong.
constexpr std::string_view kPlainCellStart{"TPF0\x0bTGridCellIO\x00\x03" "Col", 21};
constexpr std::string_view kRowName{"\x03Row", 4};
constexpr std::string_view kCellName{"\x04" "Cell", 5};
constexpr std::string_view kPlainCellEnd{"\x07HasProp\x08\x00\x00", 11};

struct TPlainCellReader {
  const char* p;
  const char* end;

  bool has(size_t N) const { return static_cast<size_t>(end - p) >= N; }
  bool skip(std::string_view Bytes) {
    if (!has(Bytes.size()) || std::memcmp(p, Bytes.data(), Bytes.size()) != 0) return false;
    p += Bytes.size();
    return true;
  }
  template <typename T>
  bool number(T& Out) {
    if (!has(sizeof(T))) return false;
    std::memcpy(&Out, p, sizeof(T));
    p += sizeof(T);
    return true;
  }
  bool index(int& Out) {
    if (!has(1)) return false;
    const auto tag = static_cast<uint8_t>(*p++);
    int64_t v = -1;
    if (tag == vaInt8) { int8_t n; if (!number(n)) return false; v = n; }
    else if (tag == vaInt16) { int16_t n; if (!number(n)) return false; v = n; }
    else if (tag == vaInt32) { int32_t n; if (!number(n)) return false; v = n; }
    if (v < 0 || v > MaxStreamCellIndex) return false;
    Out = static_cast<int>(v);
    return true;
  }
  // A text the checking pass has seen is taken as it stands.
  bool text(std::string_view& Out, bool Check) {
    if (!has(1)) return false;
    const auto tag = static_cast<uint8_t>(*p++);
    uint32_t n = 0;
    if (tag == vaString) { uint8_t n8; if (!number(n8)) return false; n = n8; }
    else if (tag != vaUTF8String || !number(n)) return false;  // the reader takes UTF-8 as it stands
    if (!has(n)) return false;
    Out = {p, n};
    p += n;
    return !Check || tag == vaUTF8String || IsSevenBitText(Out);
  }
};

bool ReadPlainCell(TObjectReader& R, std::string_view Bytes, int& Col, int& Row, std::string_view& Text,
                   bool Check = true) {
  TPlainCellReader c{Bytes.data() + R.Position(), Bytes.data() + Bytes.size()};
  Text = {};
  if (!c.skip(kPlainCellStart) || !c.index(Col) || !c.skip(kRowName) || !c.index(Row)) return false;
  if (c.skip(kCellName) && !c.text(Text, Check)) return false;
  if (!c.skip(kPlainCellEnd)) return false;
  R.SetPosition(static_cast<size_t>(c.p - Bytes.data()));
  return true;
}

}  // namespace

// ---- reading a block --------------------------------------------------------

TGridCellBlock::TGridCellBlock(std::string_view Bytes) : FBytes(Bytes) {
  TObjectReader r(Bytes);
  try {
    Header = ReadHeader(r);
    FCellsFrom = r.Position();
    const size_t expected = static_cast<size_t>(Header.ColCount) * static_cast<size_t>(Header.RowCount);
    TStreamObject record;
    while (r.BytesLeft() >= 2) {
      if (FCount == expected) Malformed("more cells than the header announces");
      const size_t begin = r.Position();
      int col = 0, row = 0;
      std::string_view text;
      if (ReadPlainCell(r, Bytes, col, row, text)) {
        note(col, row, !text.empty());
        continue;
      }
      TGridStreamCell cell = ReadCell(r, record);
      note(cell.Col, cell.Row, !cell.Text.empty());
      // A cell with properties is kept as read (its graphic decoded once);
      // any other is read again by the full reader when the block is walked.
      FKept.push_back({begin, r.Position(), cell.HasProp ? std::move(cell) : TGridStreamCell()});
    }
    if (FCount != expected)
      Malformed(std::to_string(FCount) + " cells where the header announces " + std::to_string(expected));
  } catch (const EExtGridError&) {
    throw;
  } catch (const Exception& e) {  // the object reader's and the picture decoders' errors
    Malformed(e.Message());
  }
}

void TGridCellBlock::note(int Col, int Row, bool HasText) {
  if (FCount++ == 0) {
    FirstCol = Col;
    FirstRow = Row;
  }
  LastCol = std::max(LastCol, Col);
  LastRow = std::max(LastRow, Row);
  if (!HasText) return;
  if (static_cast<size_t>(Row) >= FFilledTo.size()) FFilledTo.resize(static_cast<size_t>(Row) + 1);
  FFilledTo[static_cast<size_t>(Row)] = std::max(FFilledTo[static_cast<size_t>(Row)], static_cast<uint32_t>(Col) + 1);
}

int TGridCellBlock::FilledTo(int ARow) const {
  return ARow >= 0 && static_cast<size_t>(ARow) < FFilledTo.size() ? static_cast<int>(FFilledTo[static_cast<size_t>(ARow)])
                                                                   : 0;
}

void TGridCellBlock::ForEachCell(const std::function<void(const TGridStreamCell& Cell)>& Visit) const {
  // The bytes were checked whole: every record reads again as it did.
  TObjectReader r(FBytes);
  r.SetPosition(FCellsFrom);
  auto kept = FKept.begin();
  TGridStreamCell plain;
  TStreamObject record;
  for (size_t n = 0; n < FCount; ++n) {
    if (kept != FKept.end() && kept->Begin == r.Position()) {
      if (kept->Cell.HasProp) {
        Visit(kept->Cell);
        r.SetPosition(kept->End);
      } else {
        Visit(ReadCell(r, record));
      }
      ++kept;
      continue;
    }
    std::string_view text;
    ReadPlainCell(r, FBytes, plain.Col, plain.Row, text, false);
    plain.Text.assign(text);
    Visit(plain);
  }
}

// ---- writing ---------------------------------------------------------------

namespace {

std::string JoinSizes(const std::vector<int>& Sizes) {
  std::string out;
  for (size_t i = 0; i < Sizes.size(); ++i) {
    if (i) out += ',';
    out += std::to_string(Sizes[i]);
  }
  return out;
}

}  // namespace

void WriteStreamHeader(std::string& Out, const TGridStreamHeader& Header) {
  TObjectWriter w(Out);
  w.BeginObject(HeaderClass);
  w.WriteInteger("ColCount", Header.ColCount);
  w.WriteInteger("RowCount", Header.RowCount);
  w.WriteString("ColWidths", JoinSizes(Header.ColWidths));
  w.WriteString("RowHeights", JoinSizes(Header.RowHeights));
  w.WriteBoolean("FullGrid", Header.FullGrid);
  w.WriteInteger("ID", Header.ID);
  w.EndObject();
}

namespace {

// The smallest integer form, as the object writer picks it.
char* PutIndex(char* At, int Value) {
  if (Value <= INT8_MAX) {
    *At++ = static_cast<char>(vaInt8);
    *At++ = static_cast<char>(Value);
  } else if (Value <= INT16_MAX) {
    const auto v = static_cast<int16_t>(Value);
    *At++ = static_cast<char>(vaInt16);
    std::memcpy(At, &v, sizeof v);
    At += sizeof v;
  } else {
    const auto v = static_cast<int32_t>(Value);
    *At++ = static_cast<char>(vaInt32);
    std::memcpy(At, &v, sizeof v);
    At += sizeof v;
  }
  return At;
}

char* Put(char* At, std::string_view Bytes) {
  std::memcpy(At, Bytes.data(), Bytes.size());
  return At + Bytes.size();
}

// A cell without properties whose text is short seven-bit text, laid out
// in one piece: the bytes the object writer would give, without its calls per value.
void WritePlainCell(std::string& Out, int Col, int Row, std::string_view Text) {
  char record[kPlainCellStart.size() + 5 + kRowName.size() + 5 + kCellName.size() + 2 + 255 + kPlainCellEnd.size()];
  char* at = PutIndex(Put(record, kPlainCellStart), Col);
  at = PutIndex(Put(at, kRowName), Row);
  if (!Text.empty()) {
    at = Put(at, kCellName);
    *at++ = static_cast<char>(vaString);
    *at++ = static_cast<char>(Text.size());
    at = Put(at, Text);
  }
  at = Put(at, kPlainCellEnd);
  Out.append(record, static_cast<size_t>(at - record));
}

}  // namespace

void WriteStreamCell(std::string& Out, int Col, int Row, const std::string& Text, const TCellProperties* Props,
                     const TCellGraphic* Graphic) {
  if (!Props && Col >= 0 && Row >= 0 && Text.size() < 256 && IsSevenBitText(Text)) {
    WritePlainCell(Out, Col, Row, Text);
    return;
  }
  TObjectWriter w(Out);
  w.BeginObject(CellClass);
  w.WriteInteger("Col", Col);
  w.WriteInteger("Row", Row);
  w.WriteString("Cell", Text);
  w.WriteBoolean("HasProp", Props != nullptr);
  w.EndObject();
  if (!Props) return;
  const bool hasGraphic = Graphic && StreamsGraphic(*Graphic);
  w.BeginObject(PropClass);
  WriteFields(w, PropFields, *Props);
  w.WriteBoolean("HasGraphic", hasGraphic);
  w.EndObject();
  if (!hasGraphic) return;
  w.BeginObject(GraphicClass);
  WriteFields(w, GraphicFields, *Graphic);
  w.EndObject();
  WriteTypedRecord(w, *Graphic);
}

void ApplyStreamedProperties(const std::vector<TStreamProperty>& Stored, TCellProperties& Props, int ACol, int ARow,
                             int ColCount, int RowCount) {
  ReadFields(PropFields, Stored, Props);
  Props.OwnerCol = ACol;
  Props.OwnerRow = ARow;
  // A merge never reaches outside the grid it lands in.
  const bool fits = Props.IsBaseCell
                        ? ACol + std::max(Props.CellSpanX, 0) < ColCount && ARow + std::max(Props.CellSpanY, 0) < RowCount
                        : Props.CellSpanX <= ACol && Props.CellSpanY <= ARow;
  if (!fits) {
    Props.IsBaseCell = true;
    Props.CellSpanX = Props.CellSpanY = -1;
  }
}
