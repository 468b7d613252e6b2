#pragma once
// The object a cell of the string grid can carry besides its text (picture,
// icon, check box, radio group, progress bar, comment, button, ...): a plain
// value holder that knows its kind, its placement in the cell and a handful
// of fields whose meaning depends on the kind. The painter reads it, the
// mouse and keyboard hit-test it, the grid's cell-object operations make and
// change it. Also the two small settings objects of node glyphs and of the
// grow-while-typing editor.

#include <cstdint>
#include <memory>
#include <string>
#include <variant>

#include "grid/core/ExtGridTypes.h"
#include "grid/foundation/ExtObj.h"
#include "grid/foundation/ExtUtil.h"
#include "toolkit/forms/std/Button.h"
#include "toolkit/graphics/Colors.h"
#include "toolkit/rtl/Classes.h"
#include "toolkit/rtl/Sets.h"
#include "toolkit/rtl/Types.h"

class TBitmap;
class TIcon;
class TPicture;
class TCanvas;
class TControl;

using TCellTypes = TSet<TCellType>;

enum TStretchMode { noStretch, Stretch, StretchWithAspectRatio, Shrink, ShrinkWithAspectRatio };
enum TNodeType { cnFlat, cn3D, cnGlyph, cnLeaf, cnXP };
enum TBalloonIcon { biNone, biInfo, biWarning, biError };

// The page size and range of a cell scroll bar.
struct TScrollProp {
  int PageSize = 0;
  int Range = 0;
};

// A persistent object a ctInterface cell shows; the grid never frees it.
class TInterfacedPersistent : public TPersistent {
public:
  std::string ClassName() const override { return "TInterfacedPersistent"; }
};

// What a ctInterface cell's object offers the painter and the size queries.
class IInterfacedCell {
public:
  virtual ~IInterfacedCell() = default;
  virtual void Draw(TCanvas* Canvas, const TRect& R, int Col, int Row, bool Selected, TObject* Grid) = 0;
  // The room the object takes in its cell.
  virtual int Width() = 0;
  virtual int Height() = 0;
  // True: drawn under the cell text rather than over it.
  virtual bool DrawBeforeText() = 0;
};

// The value slot of a cell object: a radio group's chosen index, the state
// of expandable and grouping cells.
using TCellVar = std::variant<std::monostate, int, double, std::string>;

class TCellGraphic : public TPersistent {
public:
  TCellGraphic() = default;
  // Frees the objects the graphic owns (OwnsBitmap, OwnsIcon).
  ~TCellGraphic() override;
  TCellGraphic(const TCellGraphic&) = delete;
  TCellGraphic& operator=(const TCellGraphic&) = delete;
  std::string ClassName() const override { return "TCellGraphic"; }

  // Copies kind, placement and numbers from another TCellGraphic. An object
  // the source owns arrives as an owned copy; one the source only refers to
  // arrives as the same reference, not owned. The value slot and the
  // three-state value stay as they are. Any other source raises EConvertError.
  void Assign(const TPersistent* Source) override;

  void SetInterfacedCell(TInterfacedPersistent* AObject);
  void SetBitmap(TBitmap* ABmp, bool Transparent, TCellHAlign hal, TCellVAlign val);
  void SetButton(int bw, int bh, const std::string& caption, TCellHAlign hal, TCellVAlign val);
  void SetBitButton(int bw, int bh, const std::string& caption, TBitmap* Glyph, TCellHAlign hal, TCellVAlign val);
  void SetPicture(TPicture* APicture, bool Transparent, TStretchMode StretchMode, int padding, TCellHAlign hal,
                  TCellVAlign val);
  void SetFilePicture(TFilePicture* APicture, bool Transparent, TStretchMode StretchMode, int padding,
                      TCellHAlign hal, TCellVAlign val);
  void SetCheckBox(bool Value, bool Data, bool Flat, TCellHAlign hal, TCellVAlign val);
  void SetCheckBox(TCheckBoxState Value, bool Flat, TCellHAlign hal, TCellVAlign val);
  void SetRadioButton(bool Value, bool Flat, TCellHAlign hal, TCellVAlign val);
  void SetIcon(TIcon* aicon, TCellHAlign hal, TCellVAlign val);
  void SetDataImage(int idx, TCellHAlign hal, TCellVAlign val);
  void SetImageIdx(int idx, TCellHAlign hal, TCellVAlign val);
  // A new index list for the cell, owned by the graphic; Dir 0 places the
  // images side by side.
  void SetMultiImage(int Col, int Row, int Dir, TCellHAlign hal, TCellVAlign val, TImageChangeEvent Notifier);
  // ctRotated with the angle brought into 0..360 (360 stays 360).
  void SetAngle(int16_t AAngle);

  // The drawn size of a picture kind in a cell area of cw x rh pixels; (0, 0)
  // for any other kind. HasText is not used.
  TPoint GetPictureSize(int cw, int rh, bool HasText) const;

  // Which objects the graphic frees with itself, by kind.
  bool OwnsBitmap() const;
  bool OwnsIcon() const;
  // Frees the owned objects and forgets every object reference.
  void ReleaseObjects();

  TCellType CellType = ctNone;
  // The kind's main object: bitmap, picture, file picture, glyph, string
  // list, index list or interfaced object (see OwnsBitmap).
  TObject* CellBitmap = nullptr;
  TObject* CellIcon = nullptr;
  // The colours of the kinds that keep colours rather than objects (progress
  // bars, pies, range indicators, shapes, ratings): kept apart from the
  // object references, so a colour is never taken for an object.
  TColor CellBitmapColor = clNone;
  TColor CellIconColor = clNone;
  TCellVAlign CellVAlign = vaTop;
  TCellHAlign CellHAlign = haLeft;
  int CellIndex = 0;
  bool CellTransparent = false;
  bool CellCreated = false;
  bool CellBoolean = false;
  int CellAngle = 0;
  // The painter records the top-left offset of a drawn cell button here: (dy shl 16) or dx.
  double CellValue = 0;
  int CellErrFrom = 0;
  int CellErrLen = 0;
  std::string CellText;
  TCellVar CellVar;
  TCheckBoxState CellCheckBoxState = cbUnchecked;

  // Typed views of the object fields; nullptr when the object is of another class.
  TBitmap* Bitmap() const;
  TIcon* Icon() const;
  TPicture* Picture() const;
  TFilePicture* FilePicture() const;
  TStrings* Strings() const;
  TIntList* IntList() const;

private:
  static TObject* copyOf(const TObject* Source);
  void setAligns(TCellHAlign hal, TCellVAlign val) {
    CellHAlign = hal;
    CellVAlign = val;
  }
};

// Look of the node (outline) glyphs.
class TCellNode : public TPersistent {
public:
  // AOwner is repainted when a setting that shows changes; it is not owned.
  explicit TCellNode(TControl* AOwner = nullptr);
  ~TCellNode() override;
  std::string ClassName() const override { return "TCellNode"; }
  // From a TCellNode only; anything else is ignored. No repaint.
  void Assign(const TPersistent* Source) override;

  TColor Color() const { return FColor; }
  void SetColor(TColor v) { FColor = v; }
  TNodeType NodeType() const { return FNodeType; }
  void SetNodeType(TNodeType v) { setRepainting(FNodeType, v); }
  TColor NodeColor() const { return FNodeColor; }
  void SetNodeColor(TColor v) { FNodeColor = v; }
  TBitmap* ExpandGlyph() const { return FExpandGlyph.get(); }
  void SetExpandGlyph(const TBitmap* v);
  bool ExpandOne() const { return FExpandOne; }
  void SetExpandOne(bool v) { FExpandOne = v; }
  TBitmap* ContractGlyph() const { return FContractGlyph.get(); }
  void SetContractGlyph(const TBitmap* v);
  bool ShowTree() const { return FShowTree; }
  void SetShowTree(bool v) { setRepainting(FShowTree, v); }
  bool ShowTreeFull() const { return FShowTreeFull; }
  void SetShowTreeFull(bool v) { setRepainting(FShowTreeFull, v); }
  int NodeIndent() const { return FNodeIndent; }
  void SetNodeIndent(int v) { setRepainting(FNodeIndent, v); }
  TColor TreeColor() const { return FTreeColor; }
  void SetTreeColor(TColor v) { setRepainting(FTreeColor, v); }

private:
  template <typename T>
  void setRepainting(T& Field, T Value) {
    if (Field == Value) return;
    Field = Value;
    repaintOwner();
  }
  void repaintOwner();

  TControl* FOwner;
  TColor FColor = clSilver;
  TNodeType FNodeType = cnXP;
  TColor FNodeColor = clBlack;
  std::unique_ptr<TBitmap> FExpandGlyph;
  bool FExpandOne = false;
  std::unique_ptr<TBitmap> FContractGlyph;
  bool FShowTree = true;
  bool FShowTreeFull = true;
  int FNodeIndent = 12;
  TColor FTreeColor = clGray;
};

// The in-place editor's grow-while-typing switches: with Width the edited
// column is auto-sized while its text changes, with Height (and word wrap)
// the current row.
class TSizeWhileTyping : public TPersistent {
public:
  std::string ClassName() const override { return "TSizeWhileTyping"; }
  bool Height = false;
  bool Width = false;
};
