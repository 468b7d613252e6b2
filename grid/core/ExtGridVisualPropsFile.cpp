// The grid's look as a text file of "Name=Value" lines: colours, flags,
// sizes, styles and fonts of the grid and its settings objects. One table of
// entries serves writing and reading. A file is read whole and every value is
// converted before the first one is applied, so a bad file changes nothing.

#include <functional>
#include <vector>

#include "grid/core/ExtGrid.h"
#include "grid/data/SortSettings.h"
#include "toolkit/rtl/FileUtils.h"
#include "toolkit/rtl/StringList.h"
#include "toolkit/rtl/SysUtils.h"

namespace {

using G = TExtStringGrid;
using TApply = std::function<void(G&)>;

// One line of the file: how the value is written, and how a value read (null
// when the line is missing) becomes a change of the grid.
struct TVisualEntry {
  std::string Name;
  std::function<std::string(G&)> Write;
  std::function<TApply(const std::string*)> Read;
};

TColor ReadColour(const std::string* v) { return !v || v->empty() ? TColor(0x1FFFFFFF) : StringToColor(*v); }

TVisualEntry Colour(std::string Name, TColor (*Get)(G&), void (*Set)(G&, TColor)) {
  return {std::move(Name), [Get](G& g) { return ColorToString(Get(g)); },
          [Set](const std::string* v) -> TApply {
            const TColor c = ReadColour(v);
            return [Set, c](G& g) { Set(g, c); };
          }};
}

TVisualEntry Flag(std::string Name, bool (*Get)(G&), void (*Set)(G&, bool)) {
  return {std::move(Name), [Get](G& g) { return std::string(Get(g) ? "true" : "false"); },
          [Set](const std::string* v) -> TApply {
            const bool b = v && UpperCase(*v) == "TRUE";
            return [Set, b](G& g) { Set(g, b); };
          }};
}

int ReadInt(const std::string& Name, const std::string* v) {
  if (!v) throw EConvertError("'' is not a valid integer value for " + Name);
  return StrToInt(*v);
}

TVisualEntry Int(std::string Name, int (*Get)(G&), void (*Set)(G&, int)) {
  return {Name, [Get](G& g) { return std::to_string(Get(g)); },
          [Set, Name](const std::string* v) -> TApply {
            const int i = ReadInt(Name, v);
            return [Set, i](G& g) { Set(g, i); };
          }};
}

// An enumeration by its value names; an unknown name leaves the value alone.
TVisualEntry Ident(std::string Name, std::vector<std::string> Names, int (*Get)(G&), void (*Set)(G&, int)) {
  return {std::move(Name),
          [Get, Names](G& g) {
            const int i = Get(g);
            return i >= 0 && i < int(Names.size()) ? Names[size_t(i)] : std::string();
          },
          [Set, Names](const std::string* v) -> TApply {
            const std::string upper = v ? UpperCase(*v) : std::string();
            for (size_t i = 0; i < Names.size(); ++i)
              if (!upper.empty() && UpperCase(Names[i]) == upper) return [Set, i](G& g) { Set(g, int(i)); };
            return nullptr;
          }};
}

const char* const kStyleNames[] = {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};
const TFontStyle kStyles[] = {fsBold, fsItalic, fsUnderline, fsStrikeOut};

std::string StyleText(const TFontStyles& s) {
  std::string out;
  for (size_t i = 0; i < 4; ++i)
    if (s.Contains(kStyles[i])) out += (out.empty() ? "" : ",") + std::string(kStyleNames[i]);
  return out;
}

TFontStyles ReadStyle(const std::string* v) {
  TFontStyles s;
  for (size_t i = 0; i < 4; ++i)
    if (v && v->find(kStyleNames[i]) != std::string::npos) s.Include(kStyles[i]);
  return s;
}

// A font is four lines: colour, style, size and name, applied in that order.
void AddFont(std::vector<TVisualEntry>& T, const std::string& Name, TFont* (*F)(G&)) {
  T.push_back({Name + ".Color", [F](G& g) { return ColorToString(F(g)->Color()); },
               [F](const std::string* v) -> TApply {
                 const TColor c = ReadColour(v);
                 return [F, c](G& g) { F(g)->SetColor(c); };
               }});
  T.push_back({Name + ".Style", [F](G& g) { return StyleText(F(g)->Style()); },
               [F](const std::string* v) -> TApply {
                 const TFontStyles s = ReadStyle(v);
                 return [F, s](G& g) { F(g)->SetStyle(s); };
               }});
  T.push_back({Name + ".Size", [F](G& g) { return std::to_string(F(g)->Size()); },
               [F, Name](const std::string* v) -> TApply {
                 const int size = ReadInt(Name + ".Size", v);
                 return [F, size](G& g) { F(g)->SetSize(size); };
               }});
  T.push_back({Name + ".Name", [F](G& g) { return F(g)->Name(); },
               [F](const std::string* v) -> TApply {
                 const std::string n = v ? *v : std::string();
                 return [F, n](G& g) { F(g)->SetName(n); };
               }});
}

#define QX_COLOUR(name, get, set) \
  Colour(name, [](G& g) { return g.get; }, [](G& g, TColor v) { g.set(v); })
#define QX_FLAG(name, get, set) Flag(name, [](G& g) { return g.get; }, [](G& g, bool v) { g.set(v); })
#define QX_INT(name, get, set) Int(name, [](G& g) { return int(g.get); }, [](G& g, int v) { g.set(v); })

const std::vector<TVisualEntry>& Entries() {
  static const std::vector<TVisualEntry> table = [] {
    std::vector<TVisualEntry> t{
        QX_COLOUR("Color", Color(), SetColor),
        QX_COLOUR("HintColor", HintColor(), SetHintColor),
        QX_COLOUR("SelectionColor", SelectionColor(), SetSelectionColor),
        QX_COLOUR("SelectionColorTo", SelectionColorTo(), SetSelectionColorTo),
        QX_COLOUR("SelectionMirrorColor", SelectionMirrorColor(), SetSelectionMirrorColor),
        QX_COLOUR("SelectionMirrorColorTo", SelectionMirrorColorTo(), SetSelectionMirrorColorTo),
        QX_COLOUR("SelectionTextColor", SelectionTextColor(), SetSelectionTextColor),
        QX_COLOUR("URLColor", URLColor(), SetURLColor),
        QX_FLAG("URLShow", URLShow(), SetURLShow),
        QX_FLAG("URLShowInText", URLShowInText(), SetURLShowInText),
        QX_COLOUR("ScrollColor", ScrollColor(), SetScrollColor),
        QX_COLOUR("ActiveRowColor", ActiveRowColor(), SetActiveRowColor),
        QX_FLAG("ActiveRowShow", ActiveRowShow(), SetActiveRowShow),
        QX_FLAG("ActiveCellShow", ActiveCellShow(), SetActiveCellShow),
    };
    AddFont(t, "Font", [](G& g) { return g.Font(); });
    for (TVisualEntry e : {QX_COLOUR("ActiveCellColor", ActiveCellColor(), SetActiveCellColor),
                           QX_COLOUR("ActiveCellColorTo", ActiveCellColorTo(), SetActiveCellColorTo)})
      t.push_back(std::move(e));
    AddFont(t, "ActiveCellFont", [](G& g) { return g.ActiveCellFont(); });
    AddFont(t, "FixedFont", [](G& g) { return g.FixedFont(); });
    const std::vector<TVisualEntry> rest{
        QX_COLOUR("Balloon.BackgroundColor", Balloon()->BackgroundColor(), Balloon()->SetBackgroundColor),
        QX_COLOUR("Balloon.TextColor", Balloon()->TextColor(), Balloon()->SetTextColor),
        QX_INT("Balloon.Transparency", Balloon()->Transparency(), Balloon()->SetTransparency),
        QX_COLOUR("Bands.PrimaryColor", Bands()->PrimaryColor(), Bands()->SetPrimaryColor),
        QX_COLOUR("Bands.SecondaryColor", Bands()->SecondaryColor(), Bands()->SetSecondaryColor),
        QX_FLAG("Bands.Active", Bands()->Active(), Bands()->SetActive),
        QX_COLOUR("SortSettings.IndexColor", SortSettings()->IndexColor(), SortSettings()->SetIndexColor),
        QX_COLOUR("FloatingFooter.Color", FloatingFooter()->Color(), FloatingFooter()->SetColor),
        QX_INT("ControlLook.CheckSize", ControlLook()->CheckSize(), ControlLook()->SetCheckSize),
        QX_COLOUR("ControlLook.Color", ControlLook()->Color(), ControlLook()->SetColor),
        QX_COLOUR("ControlLook.CommentColor", ControlLook()->CommentColor(), ControlLook()->SetCommentColor),
        Ident("ControlLook.ControlStyle", {"csClassic", "csFlat", "csWinXP", "csBorland", "csQGS", "csGlyph", "csTheme"},
              [](G& g) { return int(g.ControlLook()->ControlStyle()); },
              [](G& g, int v) { g.ControlLook()->SetControlStyle(TCellControlStyle(v)); }),
        QX_COLOUR("ControlLook.FixedGradientFrom", ControlLook()->FixedGradientFrom(),
                  ControlLook()->SetFixedGradientFrom),
        QX_COLOUR("ControlLook.FixedGradientTo", ControlLook()->FixedGradientTo(), ControlLook()->SetFixedGradientTo),
        QX_INT("ControlLook.RadioSize", ControlLook()->RadioSize(), ControlLook()->SetRadioSize),
        QX_FLAG("ControlLook.FlatButton", ControlLook()->FlatButton(), ControlLook()->SetFlatButton),
        QX_COLOUR("ControlLook.ProgressBorderColor", ControlLook()->ProgressBorderColor(),
                  ControlLook()->SetProgressBorderColor),
        QX_FLAG("ControlLook.ProgressXP", ControlLook()->ProgressXP(), ControlLook()->SetProgressXP),
        // A custom look is written empty, which reading ignores.
        Ident("Look", {"glStandard", "glSoft", "glClassic", "glQGS", "glXP", "glListView", "glVista", "glWin7",
                       "glOffice2007"},
              [](G& g) { return int(g.Look()); }, [](G& g, int v) { g.SetLook(TGridLook(v)); }),
        QX_COLOUR("SearchFooter.Color", SearchFooter()->Color(), SearchFooter()->SetColor),
        QX_COLOUR("SearchFooter.ColorTo", SearchFooter()->ColorTo(), SearchFooter()->SetColorTo),
        QX_COLOUR("Grouping.HeaderColor", Grouping()->HeaderColor(), Grouping()->SetHeaderColor),
        QX_COLOUR("Grouping.HeaderColorTo", Grouping()->HeaderColorTo(), Grouping()->SetHeaderColorTo),
        QX_COLOUR("Grouping.HeaderTextColor", Grouping()->HeaderTextColor(), Grouping()->SetHeaderTextColor),
        QX_FLAG("Grouping.HeaderUnderline", Grouping()->HeaderUnderline(), Grouping()->SetHeaderUnderline),
        QX_COLOUR("Grouping.HeaderLineColor", Grouping()->HeaderLineColor(), Grouping()->SetHeaderLineColor),
        QX_INT("Grouping.HeaderLineWidth", Grouping()->HeaderLineWidth(), Grouping()->SetHeaderLineWidth),
        QX_COLOUR("Grouping.SummaryColor", Grouping()->SummaryColor(), Grouping()->SetSummaryColor),
        QX_COLOUR("Grouping.SummaryColorTo", Grouping()->SummaryColorTo(), Grouping()->SetSummaryColorTo),
        QX_COLOUR("Grouping.SummaryTextColor", Grouping()->SummaryTextColor(), Grouping()->SetSummaryTextColor),
        QX_FLAG("Grouping.SummaryLine", Grouping()->SummaryLine(), Grouping()->SetSummaryLine),
        QX_COLOUR("Grouping.SummaryLineColor", Grouping()->SummaryLineColor(), Grouping()->SetSummaryLineColor),
        QX_INT("Grouping.SummaryLineWidth", Grouping()->SummaryLineWidth(), Grouping()->SetSummaryLineWidth),
        QX_COLOUR("GridLineColor", GridLineColor(), SetGridLineColor),
        QX_COLOUR("GridFixedLineColor", GridFixedLineColor(), SetGridFixedLineColor),
        QX_INT("BackGround.Top", BackGround()->Top(), BackGround()->SetTop),
        QX_INT("BackGround.Left", BackGround()->Left(), BackGround()->SetLeft),
        Ident("BackGround.Display", {"bdTile", "bdFixed", "bdGradientHorz", "bdGradientVert"},
              [](G& g) { return int(g.BackGround()->Display()); },
              [](G& g, int v) { g.BackGround()->SetDisplay(TBackGroundDisplay(v)); }),
        Ident("BackGround.Cells", {"bcNormal", "bcFixed", "bcAll"}, [](G& g) { return int(g.BackGround()->Cells()); },
              [](G& g, int v) { g.BackGround()->SetCells(TBackGroundCells(v)); }),
        QX_COLOUR("BackGround.Color", BackGround()->Color(), BackGround()->SetColor),
        QX_COLOUR("BackGround.ColorTo", BackGround()->ColorTo(), BackGround()->SetColorTo),
    };
    t.insert(t.end(), rest.begin(), rest.end());
    return t;
  }();
  return table;
}

#undef QX_COLOUR
#undef QX_FLAG
#undef QX_INT

}  // namespace

void TExtStringGrid::SaveVisualProps(const std::string& FileName) {
  std::string text;
  for (const TVisualEntry& e : Entries()) text += e.Name + "=" + e.Write(*this) + "\r\n";
  try {
    WriteFileAtomic(FileName, text);
  } catch (const Exception&) {
    throw Exception("Cannot Create " + FileName);
  }
}

void TExtStringGrid::LoadVisualProps(const std::string& FileName) {
  TStringList lines;
  try {
    lines.SetText(ReadTextFile(FileName));
  } catch (const Exception&) {
    throw Exception("Cannot open file " + FileName);
  }
  // Names are matched without regard to case; the first line of a name counts.
  std::vector<TApply> changes;
  for (const TVisualEntry& e : Entries()) {
    const int i = lines.IndexOfName(e.Name);
    std::string value;
    if (i >= 0) value = lines.ValueFromIndex(i);
    TApply a = e.Read(i >= 0 ? &value : nullptr);
    if (!a) continue;
    // A look sets colours of its own: it goes first, so the stored colours win.
    if (e.Name == "Look")
      changes.insert(changes.begin(), std::move(a));
    else
      changes.push_back(std::move(a));
  }
  BeginUpdate();
  for (const TApply& a : changes) a(*this);
  EndUpdate();
}
