#pragma once
// Settings objects of the string grid's look and behaviour that the grid
// creates and owns: background, balloons, progress cells,
// grouping, the modified-row marker and drag-and-drop. Each keeps its values,
// copies them in Assign (another class raises EConvertError) and tells its
// owner through OnChange where a change must be repainted; the painting and
// drag code read them.

#include <memory>
#include <string>

#include "grid/core/ExtGridTypes.h"
#include "grid/foundation/ExtObj.h"
#include "toolkit/graphics/Bitmap.h"

// ---------------------------------------------------------------------------
// Background picture or gradient behind the cells.
enum TBackGroundDisplay { bdTile, bdFixed, bdGradientHorz, bdGradientVert };
enum TBackGroundCells { bcNormal, bcFixed, bcAll };

class TBackGround : public TPersistent {
public:
  TBackGround() = default;
  std::string ClassName() const override { return "TBackGround"; }
  void Assign(const TPersistent* Source) override;

  int Top() const { return F.Top; }
  void SetTop(int v) { changeTo(F.Top, v); }
  int Left() const { return F.Left; }
  void SetLeft(int v) { changeTo(F.Left, v); }
  TBackGroundDisplay Display() const { return F.Display; }
  void SetDisplay(TBackGroundDisplay v) { changeTo(F.Display, v); }
  TBackGroundCells Cells() const { return F.Cells; }
  void SetCells(TBackGroundCells v) { changeTo(F.Cells, v); }
  TColor Color() const { return F.Color; }
  void SetColor(TColor v) { changeTo(F.Color, v); }
  TColor ColorTo() const { return F.ColorTo; }
  void SetColorTo(TColor v) { changeTo(F.ColorTo, v); }
  TBitmap* Bitmap() { return &FBitmap; }
  void SetBitmap(const TBitmap* v);
  // A gradient over the cells: repainted whole on every resize.
  bool IsGradient() const {
    return (F.Display == bdGradientHorz || F.Display == bdGradientVert) && F.ColorTo != clNone;
  }

  TNotifyEvent OnChange;

private:
  struct TValues {
    int Top = 0, Left = 0;
    TBackGroundDisplay Display = bdTile;
    TBackGroundCells Cells = bcNormal;
    TColor Color = clWindow;
    TColor ColorTo = clBtnFace;
  };
  template <typename T>
  void changeTo(T& field, T v) {
    field = v;
    if (OnChange) OnChange(this);
  }
  TValues F;
  TBitmap FBitmap;
};

// ---------------------------------------------------------------------------
class TBalloonSettings : public TPersistent {
public:
  TBalloonSettings() = default;
  std::string ClassName() const override { return "TBalloonSettings"; }
  void Assign(const TPersistent* Source) override;

  bool Enable() const { return F.Enable; }
  void SetEnable(bool v);
  QUELIX_PLAIN_PROPERTY(TColor, BackgroundColor)
  QUELIX_PLAIN_PROPERTY(TColor, TextColor)
  QUELIX_PLAIN_PROPERTY(uint8_t, Transparency)
  // Milliseconds; -1 keeps the system's delay.
  QUELIX_PLAIN_PROPERTY(int, AutoHideDelay)
  QUELIX_PLAIN_PROPERTY(int, InitialDelay)
  QUELIX_PLAIN_PROPERTY(int, ReshowDelay)

  // Creates or destroys the grid's balloon window.
  TNotifyEvent OnEnableChange;

private:
  struct TValues {
    bool Enable = false;
    TColor BackgroundColor = clNone;
    TColor TextColor = clNone;
    uint8_t Transparency = 0;
    int AutoHideDelay = -1, InitialDelay = -1, ReshowDelay = -1;
  };
  TValues F;
};

// ---------------------------------------------------------------------------
// The look of the level progress bars of ctXPProgress cells: the bar's
// colour follows the level the percentage has reached. A change of value
// repaints the grid through OnChange; setting the current value does not.
enum TProgressStyle { psXP, psClassic };

class TGridProgressAppearance : public TPersistent {
public:
  TGridProgressAppearance() = default;
  std::string ClassName() const override { return "TGridProgressAppearance"; }
  // Copies every value (not OnChange) and tells the owner once.
  void Assign(const TPersistent* Source) override;

  TColor CompleteColor() const { return F.CompleteColor; }
  void SetCompleteColor(TColor v) { changeTo(F.CompleteColor, v); }
  TColor CompleteFontColor() const { return F.CompleteFontColor; }
  void SetCompleteFontColor(TColor v) { changeTo(F.CompleteFontColor, v); }
  TColor UnCompleteColor() const { return F.UnCompleteColor; }
  void SetUnCompleteColor(TColor v) { changeTo(F.UnCompleteColor, v); }
  TColor UnCompleteFontColor() const { return F.UnCompleteFontColor; }
  void SetUnCompleteFontColor(TColor v) { changeTo(F.UnCompleteFontColor, v); }
  TColor Level0Color() const { return F.Level0Color; }
  void SetLevel0Color(TColor v) { changeTo(F.Level0Color, v); }
  TColor Level0ColorTo() const { return F.Level0ColorTo; }
  void SetLevel0ColorTo(TColor v) { changeTo(F.Level0ColorTo, v); }
  TColor Level1Color() const { return F.Level1Color; }
  void SetLevel1Color(TColor v) { changeTo(F.Level1Color, v); }
  TColor Level1ColorTo() const { return F.Level1ColorTo; }
  void SetLevel1ColorTo(TColor v) { changeTo(F.Level1ColorTo, v); }
  TColor Level2Color() const { return F.Level2Color; }
  void SetLevel2Color(TColor v) { changeTo(F.Level2Color, v); }
  TColor Level2ColorTo() const { return F.Level2ColorTo; }
  void SetLevel2ColorTo(TColor v) { changeTo(F.Level2ColorTo, v); }
  TColor Level3Color() const { return F.Level3Color; }
  void SetLevel3Color(TColor v) { changeTo(F.Level3Color, v); }
  TColor Level3ColorTo() const { return F.Level3ColorTo; }
  void SetLevel3ColorTo(TColor v) { changeTo(F.Level3ColorTo, v); }
  int Level1Perc() const { return F.Level1Perc; }
  void SetLevel1Perc(int v) { changeTo(F.Level1Perc, v); }
  int Level2Perc() const { return F.Level2Perc; }
  void SetLevel2Perc(int v) { changeTo(F.Level2Perc, v); }
  TColor BorderColor() const { return F.BorderColor; }
  void SetBorderColor(TColor v) { changeTo(F.BorderColor, v); }
  bool ShowBorder() const { return F.ShowBorder; }
  void SetShowBorder(bool v) { changeTo(F.ShowBorder, v); }
  bool Stacked() const { return F.Stacked; }
  void SetStacked(bool v) { changeTo(F.Stacked, v); }
  bool ShowPercentage() const { return F.ShowPercentage; }
  void SetShowPercentage(bool v) { changeTo(F.ShowPercentage, v); }
  bool CompletionSmooth() const { return F.CompletionSmooth; }
  void SetCompletionSmooth(bool v) { changeTo(F.CompletionSmooth, v); }
  bool ShowGradient() const { return F.ShowGradient; }
  void SetShowGradient(bool v) { changeTo(F.ShowGradient, v); }
  int Steps() const { return F.Steps; }
  void SetSteps(int v) { changeTo(F.Steps, v); }
  TProgressStyle Style() const { return F.Style; }
  void SetStyle(TProgressStyle v) { changeTo(F.Style, v); }

  TNotifyEvent OnChange;

private:
  struct TValues {
    TColor CompleteColor = clRed;
    TColor CompleteFontColor = clBlue;
    TColor UnCompleteColor = clNone;
    TColor UnCompleteFontColor = clWindowText;
    TColor Level0Color = TColor(0x00FF00);
    TColor Level0ColorTo = TColor(0xE1FFE1);
    TColor Level1Color = TColor(0x00FFFF);
    TColor Level1ColorTo = TColor(0xCAFFFF);
    TColor Level2Color = TColor(0x53A9FF);
    TColor Level2ColorTo = TColor(0xA8D3FF);
    TColor Level3Color = TColor(0x0000FF);
    TColor Level3ColorTo = TColor(0xCACAFF);
    int Level1Perc = 70;
    int Level2Perc = 90;
    TColor BorderColor = clBlack;
    bool ShowBorder = false;
    bool Stacked = false;
    bool ShowPercentage = true;
    bool CompletionSmooth = true;
    bool ShowGradient = true;
    int Steps = 11;
    TProgressStyle Style = psXP;
  };
  template <typename T>
  void changeTo(T& field, T v) {
    if (field == v) return;
    field = v;
    if (OnChange) OnChange(this);
  }
  TValues F;
};

// ---------------------------------------------------------------------------
class TGrouping : public TPersistent {
public:
  TGrouping() = default;
  std::string ClassName() const override { return "TGrouping"; }
  void Assign(const TPersistent* Source) override;

  QUELIX_PLAIN_PROPERTY(bool, MergeHeader)
  QUELIX_PLAIN_PROPERTY(bool, MergeSummary)
  QUELIX_PLAIN_PROPERTY(bool, Summary)
  QUELIX_PLAIN_PROPERTY(TColor, HeaderColor)
  QUELIX_PLAIN_PROPERTY(TColor, HeaderColorTo)
  QUELIX_PLAIN_PROPERTY(TColor, HeaderTextColor)
  QUELIX_PLAIN_PROPERTY(TColor, SummaryColor)
  QUELIX_PLAIN_PROPERTY(TColor, SummaryColorTo)
  QUELIX_PLAIN_PROPERTY(TColor, SummaryTextColor)
  QUELIX_PLAIN_PROPERTY(bool, HeaderUnderline)
  QUELIX_PLAIN_PROPERTY(TColor, HeaderLineColor)
  QUELIX_PLAIN_PROPERTY(int, HeaderLineWidth)
  QUELIX_PLAIN_PROPERTY(bool, SummaryLine)
  QUELIX_PLAIN_PROPERTY(TColor, SummaryLineColor)
  QUELIX_PLAIN_PROPERTY(int, SummaryLineWidth)
  QUELIX_PLAIN_PROPERTY(bool, ShowGroupCount)
  QUELIX_PLAIN_PROPERTY(std::string, GroupCountFormat)
  QUELIX_PLAIN_PROPERTY(bool, AutoCheckGroup)
  QUELIX_PLAIN_PROPERTY(bool, AutoSelectGroup)

private:
  struct TValues {
    bool MergeHeader = false, MergeSummary = false, Summary = false;
    TColor HeaderColor = clNone, HeaderColorTo = clNone, HeaderTextColor = clNone;
    TColor SummaryColor = clNone, SummaryColorTo = clNone, SummaryTextColor = clNone;
    bool HeaderUnderline = false;
    TColor HeaderLineColor = clBlue;
    int HeaderLineWidth = 2;
    bool SummaryLine = false;
    TColor SummaryLineColor = clBlue;
    int SummaryLineWidth = 2;
    bool ShowGroupCount = false;
    std::string GroupCountFormat;
    bool AutoCheckGroup = false, AutoSelectGroup = false;
  };
  TValues F;
};

// ---------------------------------------------------------------------------
class TShowModified : public TPersistent {
public:
  TShowModified() = default;
  std::string ClassName() const override { return "TShowModified"; }
  void Assign(const TPersistent* Source) override;

  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool v) {
    FEnabled = v;
    if (OnChange) OnChange(this);
  }
  // The bar's colour on modified rows.
  TColor Color() const { return FColor; }
  void SetColor(TColor v) {
    FColor = v;
    if (OnChange) OnChange(this);
  }
  // Repaints column 0.
  TNotifyEvent OnChange;

private:
  bool FEnabled = false;
  TColor FColor = clYellow;
};

// ---------------------------------------------------------------------------
class TDragDropSettings : public TPersistent {
public:
  TDragDropSettings() = default;
  std::string ClassName() const override { return "TDragDropSettings"; }
  // Copies every setting as a plain value; no target is registered.
  void Assign(const TPersistent* Source) override;

  QUELIX_PLAIN_PROPERTY(bool, OleAcceptText)
  QUELIX_PLAIN_PROPERTY(bool, OleAcceptFiles)
  QUELIX_PLAIN_PROPERTY(bool, OleAcceptURLs)
  QUELIX_PLAIN_PROPERTY(bool, OleDropSource)
  QUELIX_PLAIN_PROPERTY(bool, OleEntireRows)
  QUELIX_PLAIN_PROPERTY(bool, OleAppendRows)
  QUELIX_PLAIN_PROPERTY(bool, OleInsertRows)
  QUELIX_PLAIN_PROPERTY(bool, OleRemoveRows)
  QUELIX_PLAIN_PROPERTY(bool, OleCopyAlways)
  QUELIX_PLAIN_PROPERTY(bool, OleColumnDragDrop)
  QUELIX_PLAIN_PROPERTY(bool, OleColumnReorder)
  QUELIX_PLAIN_PROPERTY(bool, OleColumnsOnly)
  QUELIX_PLAIN_PROPERTY(bool, ShowCells)
  // The grid registers or revokes its drop target (OnDropTargetChange).
  bool OleDropTarget() const { return F.OleDropTarget; }
  void SetOleDropTarget(bool v) {
    F.OleDropTarget = v;
    if (OnDropTargetChange) OnDropTargetChange(v);
  }
  // Also switches rich text on for every drag of the program.
  bool OleDropRTF() const { return F.OleDropRTF; }
  void SetOleDropRTF(bool v);

  std::function<void(bool)> OnDropTargetChange;

private:
  struct TValues {
    bool OleAcceptText = true, OleAcceptFiles = true, OleAcceptURLs = true;
    bool OleDropTarget = false, OleDropSource = false, OleDropRTF = false;
    bool OleEntireRows = false, OleAppendRows = false, OleInsertRows = false, OleRemoveRows = false;
    bool OleCopyAlways = false, OleColumnDragDrop = false, OleColumnReorder = false, OleColumnsOnly = false;
    bool ShowCells = true;
  };
  TValues F;
};

// How long a drag waits near an edge before it scrolls, and how often then (ms).
class TDragScrollDelays : public TPersistent {
public:
  std::string ClassName() const override { return "TDragScrollDelays"; }
  void Assign(const TPersistent* Source) override;

  QUELIX_PLAIN_PROPERTY(int, InitialDelay)
  QUELIX_PLAIN_PROPERTY(int, RepeatDelay)

private:
  struct TValues {
    int InitialDelay = 1000, RepeatDelay = 250;
  };
  TValues F;
};

// How near each edge (pixels) a drag scrolls toward it.
class TDragScrollMargins : public TPersistent {
public:
  std::string ClassName() const override { return "TDragScrollMargins"; }
  void Assign(const TPersistent* Source) override;

  QUELIX_PLAIN_PROPERTY(int, TopMargin)
  QUELIX_PLAIN_PROPERTY(int, BottomMargin)
  QUELIX_PLAIN_PROPERTY(int, LeftMargin)
  QUELIX_PLAIN_PROPERTY(int, RightMargin)

private:
  struct TValues {
    int TopMargin = 50, BottomMargin = 50, LeftMargin = 50, RightMargin = 50;
  };
  TValues F;
};

// Auto-scroll while dragging near the grid's edges.
class TDragScrollOptions : public TPersistent {
public:
  std::string ClassName() const override { return "TDragScrollOptions"; }
  void Assign(const TPersistent* Source) override;

  bool Active() const { return FActive; }
  void SetActive(bool v) { FActive = v; }
  TDragScrollDelays* Delays() { return &FDelays; }
  const TDragScrollDelays* Delays() const { return &FDelays; }
  void SetDelays(const TDragScrollDelays* Value) { FDelays.Assign(Value); }
  TDragScrollMargins* Margins() { return &FMargins; }
  const TDragScrollMargins* Margins() const { return &FMargins; }
  void SetMargins(const TDragScrollMargins* Value) { FMargins.Assign(Value); }

private:
  bool FActive = false;
  TDragScrollDelays FDelays;
  TDragScrollMargins FMargins;
};
