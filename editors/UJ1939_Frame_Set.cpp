#include "editors/UJ1939_Frame_Set.h"

#include "base/UFixedTexts.h"
#include "base/ULanguage.h"
#include "editors/UTableFile.h"
#include "platform/xml/XmlDocument.h"
#include "toolkit/rtl/Exceptions.h"
#include "toolkit/rtl/FileUtils.h"
#include "toolkit/rtl/SysUtils.h"

using platform::XmlDocument;
using platform::XmlNode;

namespace {

constexpr int Max_PGN = 0xFFFF;
constexpr int Max_Source_Address = 253;
constexpr TColor Field_Color = RGB(168, 255, 168);

// The strict whole number of a frame attribute; raises when it is missing or no number.
int Whole_Number(const XmlNode& Row, const char* Name) {
  std::optional<std::string> text = Row.Attribute(Name);
  if (!text) throw EConvertError(std::string("no attribute ") + Name);
  return StrToInt(*text);
}

std::string Text_Of(const XmlNode& Row, const char* Name) {
  std::optional<std::string> text = Row.Attribute(Name);
  if (!text) throw EConvertError(std::string("no attribute ") + Name);
  return *text;
}

// A list without a choice is stored as the frame's default position 0.
std::string Position_Text(const TComboBox* List) { return IntToStr(List ? std::max(0, List->ItemIndex()) : 0); }

void Build(XmlDocument& Doc, const std::string& Root, const TJ1939FrameSet& Set) {
  XmlNode root = Doc.AddRoot(Root);
  Doc.AddComment(Section_Version_Comment);
  for (int k = 0; k < Frame_Set_Size; ++k) {
    XmlNode row = root.AddChild("row");
    row.SetAttribute("Priority", Position_Text(Set.Pri[size_t(k)]));
    row.SetAttribute("DataPage", Position_Text(Set.DP[size_t(k)]));
    row.SetAttribute("PGN", Set.PGN[size_t(k)]->Text());
    row.SetAttribute("SA", Set.SA[size_t(k)]->Text());
    row.SetAttribute("Mnemonic", Set.Mnemonic[size_t(k)]->Text());
  }
}

}  // namespace

TJ1939FrameSet::TJ1939FrameSet(TCustomForm* Owner, TWinControl* Parent, const TFrameSetLayout& Layout)
    : layout_(Layout) {
  auto place = [&](TWinControl* c, int Field, int k) {
    c->SetParent(Parent);
    c->SetBounds(Layout.Left[size_t(Field)], Layout.Top + k * Layout.Step, Layout.Width[size_t(Field)], 21);
    c->SetColor(Field_Color);
  };
  auto list = [&](int Field, int k, int Items) {
    auto* cb = new TComboBox(Owner);
    cb->SetStyle(csDropDownList);
    for (int i = 0; i < Items; ++i) cb->Items()->Add(IntToStr(i));
    place(cb, Field, k);
    return cb;
  };
  auto edit = [&](int Field, int k) {
    auto* e = new TEdit(Owner);
    place(e, Field, k);
    return e;
  };
  for (int k = 0; k < Frame_Set_Size; ++k) {
    size_t i = size_t(k);
    if (Layout.Has_Priority[i]) Pri[i] = list(0, k, 8);
    DP[i] = list(1, k, Layout.Data_Pages);
    PGN[i] = edit(2, k);
    SA[i] = edit(3, k);
    Mnemonic[i] = edit(4, k);
    Set_Default(k);
  }
}

void TJ1939FrameSet::Set_Default(int Frame) {
  size_t i = size_t(Frame);
  if (Pri[i]) Pri[i]->SetItemIndex(0);
  DP[i]->SetItemIndex(0);
  PGN[i]->SetText("0x" + IntToHex(uint64_t(Frame + 1), 4));
  SA[i]->SetText("0x" + IntToHex(uint64_t(Frame + 1), 2));
  Mnemonic[i]->SetText("");
}

void TJ1939FrameSet::Load_Frame(int Frame, const XmlNode& Row) {
  size_t i = size_t(Frame);
  if (Pri[i]) Pri[i]->SetItemIndex(Whole_Number(Row, "Priority"));
  DP[i]->SetItemIndex(Whole_Number(Row, "DataPage"));
  PGN[i]->SetText(Text_Of(Row, "PGN"));
  SA[i]->SetText(Text_Of(Row, "SA"));
  Mnemonic[i]->SetText(Text_Of(Row, "Mnemonic"));
}

void TJ1939FrameSet::Load(const std::string& Path) {
  for (int k = 0; k < Frame_Set_Size; ++k) Set_Default(k);
  loaded_whole_ = true;
  if (Path.empty() || !FileExists(Path)) return;
  XmlDocument doc;
  try {
    doc.Load(Path);
  } catch (const platform::XmlError&) {
    loaded_whole_ = false;  // an unreadable file is a file of damaged frames: all defaults
    return;
  }
  XmlNode root = doc.TopLevelElement(layout_.Root);
  for (int k = 0; k < Frame_Set_Size; ++k) {
    try {
      if (!root || k >= root.ChildCount()) throw EConvertError("no row");
      Load_Frame(k, root.Child(k));
    } catch (const Exception&) {
      Set_Default(k);
      loaded_whole_ = false;
    } catch (const platform::XmlError&) {
      Set_Default(k);
      loaded_whole_ = false;
    }
  }
}

std::string TJ1939FrameSet::Check() const {
  for (int k = 0; k < Frame_Set_Size; ++k) {
    size_t i = size_t(k);
    int message = layout_.First_Message + 2 * k;
    int pgn = StrToIntDef(PGN[i]->Text(), -1);
    if (pgn < 0 || pgn > Max_PGN) return Lang_Text(message);
    int sa = StrToIntDef(SA[i]->Text(), -1);
    if (sa < 0 || sa > Max_Source_Address) return Lang_Text(message + 1);
    if (auto bad = platform::XmlUnsavableChar(Mnemonic[i]->Text())) return Unsavable_Field_Text("Mnemonic " + IntToStr(k + 1), *bad);
  }
  return "";
}

std::string TJ1939FrameSet::Text() const {
  XmlDocument doc;
  Build(doc, layout_.Root, *this);
  return doc.SaveToString();
}

void TJ1939FrameSet::Save(const std::string& Path) const {
  XmlDocument doc;
  Build(doc, layout_.Root, *this);
  doc.Save(Path);
}
