#pragma once
// How the controls the string grid draws inside cells look: check boxes and
// radio buttons (style, size, custom glyphs), always-visible combo and spin
// buttons, progress bars, comment markers, the faces of fixed cells in their
// normal, hover and pressed states, the fixed-cell drop-down button, and the
// header and footer the grid hands to its drop-down editors. Stored with the
// grid in every window layout.

#include <memory>

#include "controls/ExtDropDownAppearance.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/rtl/Classes.h"

class TComponent;

// The style of check boxes, radio buttons and cell buttons. (The framework's
// TControlStyle is the set of control flags, hence the longer name.)
enum TCellControlStyle { csClassic, csFlat, csWinXP, csBorland, csQGS, csGlyph, csTheme };

// The colours of a fixed cell's face; the grid keeps one set that looks,
// styles and the control look write.
struct TFixedFaceColors {
  TColor From = clNone, To = clNone, MirrorFrom = clNone, MirrorTo = clNone;
  TColor HoverFrom = clNone, HoverTo = clNone, HoverMirrorFrom = clNone, HoverMirrorTo = clNone;
  TColor HoverBorder = clNone;
  TColor DownFrom = clNone, DownTo = clNone, DownMirrorFrom = clNone, DownMirrorTo = clNone;
  TColor DownBorder = clNone;
};

class TControlLook : public TPersistent {
public:
  // AOwner (the grid) owns the drop-down header and footer for streaming;
  // GridFaces are the grid's own fixed-face colours, which the fixed-face
  // setters forward to (none: the look only keeps its values). OnChange
  // repaints the grid.
  explicit TControlLook(TComponent* AOwner = nullptr, TFixedFaceColors* GridFaces = nullptr);
  ~TControlLook() override;
  std::string ClassName() const override { return "TControlLook"; }
  // Copies from another control look; any other source is ignored. The
  // fixed-face colours go into the fields only, without telling the grid.
  void Assign(const TPersistent* Source) override;
  // The values every style starts from.
  void Init();

  void SetGridFaces(TFixedFaceColors* GridFaces) { FGridFaces = GridFaces; }

  TNotifyEvent OnChange;

  TColor Color() const { return F.Color; }
  void SetColor(TColor v) { repaintOnChange(F.Color, v); }
  TColor CommentColor() const { return F.CommentColor; }
  void SetCommentColor(TColor v) { repaintOnChange(F.CommentColor, v); }
  TBitmap* CheckedGlyph() const { return FCheckedGlyph.get(); }
  void SetCheckedGlyph(const TBitmap* v) { copyGlyph(*FCheckedGlyph, v); }
  TBitmap* UnCheckedGlyph() const { return FUnCheckedGlyph.get(); }
  void SetUnCheckedGlyph(const TBitmap* v) { copyGlyph(*FUnCheckedGlyph, v); }
  TBitmap* RadioOnGlyph() const { return FRadioOnGlyph.get(); }
  void SetRadioOnGlyph(const TBitmap* v) { copyGlyph(*FRadioOnGlyph, v); }
  TBitmap* RadioOffGlyph() const { return FRadioOffGlyph.get(); }
  void SetRadioOffGlyph(const TBitmap* v) { copyGlyph(*FRadioOffGlyph, v); }

  // Fixed-cell faces. The normal From and To reach the grid only when set;
  // the mirror colours always; hover and pressed colours when set (their
  // mirror colours always), without a repaint.
  TColor FixedGradientFrom() const { return FFaces.From; }
  void SetFixedGradientFrom(TColor v);
  TColor FixedGradientTo() const { return FFaces.To; }
  void SetFixedGradientTo(TColor v);
  TColor FixedGradientMirrorFrom() const { return FFaces.MirrorFrom; }
  void SetFixedGradientMirrorFrom(TColor v);
  TColor FixedGradientMirrorTo() const { return FFaces.MirrorTo; }
  void SetFixedGradientMirrorTo(TColor v);
  TColor FixedGradientHoverFrom() const { return FFaces.HoverFrom; }
  void SetFixedGradientHoverFrom(TColor v) { copyWhenSet(&TFixedFaceColors::HoverFrom, v); }
  TColor FixedGradientHoverTo() const { return FFaces.HoverTo; }
  void SetFixedGradientHoverTo(TColor v) { copyWhenSet(&TFixedFaceColors::HoverTo, v); }
  TColor FixedGradientHoverMirrorFrom() const { return FFaces.HoverMirrorFrom; }
  void SetFixedGradientHoverMirrorFrom(TColor v) { copyAlways(&TFixedFaceColors::HoverMirrorFrom, v); }
  TColor FixedGradientHoverMirrorTo() const { return FFaces.HoverMirrorTo; }
  void SetFixedGradientHoverMirrorTo(TColor v) { copyAlways(&TFixedFaceColors::HoverMirrorTo, v); }
  TColor FixedGradientHoverBorder() const { return FFaces.HoverBorder; }
  void SetFixedGradientHoverBorder(TColor v) { copyWhenSet(&TFixedFaceColors::HoverBorder, v); }
  TColor FixedGradientDownFrom() const { return FFaces.DownFrom; }
  void SetFixedGradientDownFrom(TColor v) { copyWhenSet(&TFixedFaceColors::DownFrom, v); }
  TColor FixedGradientDownTo() const { return FFaces.DownTo; }
  void SetFixedGradientDownTo(TColor v) { copyWhenSet(&TFixedFaceColors::DownTo, v); }
  TColor FixedGradientDownMirrorFrom() const { return FFaces.DownMirrorFrom; }
  void SetFixedGradientDownMirrorFrom(TColor v) { copyAlways(&TFixedFaceColors::DownMirrorFrom, v); }
  TColor FixedGradientDownMirrorTo() const { return FFaces.DownMirrorTo; }
  void SetFixedGradientDownMirrorTo(TColor v) { copyAlways(&TFixedFaceColors::DownMirrorTo, v); }
  TColor FixedGradientDownBorder() const { return FFaces.DownBorder; }
  void SetFixedGradientDownBorder(TColor v) { copyWhenSet(&TFixedFaceColors::DownBorder, v); }

  bool FixedDropDownButton() const { return F.FixedDropDownButton; }
  void SetFixedDropDownButton(bool v) { F.FixedDropDownButton = v; }
  int HintMaxWidth() const { return F.HintMaxWidth; }
  void SetHintMaxWidth(int v) { F.HintMaxWidth = v; }
  int CheckSize() const { return F.CheckSize; }
  void SetCheckSize(int v) { repaintOnChange(F.CheckSize, v); }
  bool CheckAlwaysActive() const { return F.CheckAlwaysActive; }
  void SetCheckAlwaysActive(bool v) { F.CheckAlwaysActive = v; }
  int RadioSize() const { return F.RadioSize; }
  void SetRadioSize(int v) { repaintOnChange(F.RadioSize, v); }
  bool RadioAlwaysActive() const { return F.RadioAlwaysActive; }
  void SetRadioAlwaysActive(bool v) { F.RadioAlwaysActive = v; }
  TCellControlStyle ControlStyle() const { return F.ControlStyle; }
  void SetControlStyle(TCellControlStyle v) { repaintOnChange(F.ControlStyle, v); }
  bool DropDownAlwaysVisible() const { return F.DropDownAlwaysVisible; }
  void SetDropDownAlwaysVisible(bool v) { repaintOnChange(F.DropDownAlwaysVisible, v); }
  int DropDownCount() const { return F.DropDownCount; }
  void SetDropDownCount(int v) { F.DropDownCount = v; }
  THeaderAppearance* DropDownHeader() const { return FDropDownHeader.get(); }
  void SetDropDownHeader(const THeaderAppearance* v) { FDropDownHeader->Assign(v); }
  TFooterAppearance* DropDownFooter() const { return FDropDownFooter.get(); }
  void SetDropDownFooter(const TFooterAppearance* v) { FDropDownFooter->Assign(v); }
  bool SpinButtonsAlwaysVisible() const { return F.SpinButtonsAlwaysVisible; }
  void SetSpinButtonsAlwaysVisible(bool v) { repaintOnChange(F.SpinButtonsAlwaysVisible, v); }
  bool FlatButton() const { return F.FlatButton; }
  void SetFlatButton(bool v) { repaintOnChange(F.FlatButton, v); }
  bool NoDisabledCheckRadioLook() const { return F.NoDisabledCheckRadioLook; }
  void SetNoDisabledCheckRadioLook(bool v) { repaintOnChange(F.NoDisabledCheckRadioLook, v); }
  bool NoDisabledButtonLook() const { return F.NoDisabledButtonLook; }
  void SetNoDisabledButtonLook(bool v) { repaintOnChange(F.NoDisabledButtonLook, v); }
  TColor ProgressBorderColor() const { return F.ProgressBorderColor; }
  void SetProgressBorderColor(TColor v) { F.ProgressBorderColor = v; }
  int ProgressMarginX() const { return F.ProgressMarginX; }
  void SetProgressMarginX(int v) { repaintOnChange(F.ProgressMarginX, v); }
  int ProgressMarginY() const { return F.ProgressMarginY; }
  void SetProgressMarginY(int v) { repaintOnChange(F.ProgressMarginY, v); }
  bool ProgressXP() const { return F.ProgressXP; }
  void SetProgressXP(bool v) { repaintOnChange(F.ProgressXP, v); }

private:
  struct TValues {
    TColor Color = clBlack;
    TColor CommentColor = clRed;
    bool FixedDropDownButton = false;
    int HintMaxWidth = 0;
    int CheckSize = 15;
    bool CheckAlwaysActive = false;
    int RadioSize = 10;
    bool RadioAlwaysActive = false;
    TCellControlStyle ControlStyle = csTheme;
    bool DropDownAlwaysVisible = false;
    int DropDownCount = 8;
    bool SpinButtonsAlwaysVisible = false;
    bool FlatButton = false;
    bool NoDisabledCheckRadioLook = false;
    bool NoDisabledButtonLook = false;
    TColor ProgressBorderColor = TColor(0x808080);
    int ProgressMarginX = 2;
    int ProgressMarginY = 2;
    bool ProgressXP = false;
  };
  template <typename T>
  void repaintOnChange(T& field, T v) {
    field = v;
    repaintGrid();
  }
  void repaintGrid();
  void copyGlyph(TBitmap& Glyph, const TBitmap* Source);
  void copyWhenSet(TColor TFixedFaceColors::*Field, TColor v);
  void copyAlways(TColor TFixedFaceColors::*Field, TColor v);
  // The normal face colours reach the grid as RGB values and repaint it.
  void forwardFace(TColor TFixedFaceColors::*Field, TColor v);

  TFixedFaceColors* FGridFaces;
  TValues F;
  TFixedFaceColors FFaces;
  std::unique_ptr<TBitmap> FCheckedGlyph, FUnCheckedGlyph, FRadioOnGlyph, FRadioOffGlyph;
  std::unique_ptr<THeaderAppearance> FDropDownHeader;
  std::unique_ptr<TFooterAppearance> FDropDownFooter;
};
