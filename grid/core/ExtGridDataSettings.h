#pragma once
// Settings objects of the grid's data operations: sorting, filtering, the
// filter drop-down and the floating footer. The grid creates and owns them;
// the data operations give them their properties and behaviour.

#include <functional>
#include <memory>
#include <string>

#include "grid/core/ExtGridTypes.h"
#include "grid/data/GridFilter.h"
#include "grid/data/SortSettings.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Colors.h"
#include "toolkit/graphics/GraphicsObjects.h"
#include "toolkit/rtl/Classes.h"

// The look of the filter drop-down list and of the button that opens it in
// the header cells of the filter row.
class TFilterDropDown : public TPersistent {
public:
  TFilterDropDown() = default;
  std::string ClassName() const override { return "TFilterDropDown"; }
  // From another TFilterDropDown: everything but AutoSize.
  void Assign(const TPersistent* Source) override;
  // Sized to its entries instead of Width x Height.
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool v) { FAutoSize = v; }
  int Width() const { return FWidth; }
  void SetWidth(int v) { FWidth = v; }
  int Height() const { return FHeight; }
  void SetHeight(int v) { FHeight = v; }
  TColor Color() const { return FColor; }
  void SetColor(TColor v) { FColor = v; }
  // The list's font; setting copies it in.
  TFont* Font() const { return FFont.get(); }
  void SetFont(const TFont* Value) { FFont->Assign(Value); }
  // The list takes the column's left edge and width.
  bool ColumnWidth() const { return FColumnWidth; }
  void SetColumnWidth(bool v) { FColumnWidth = v; }
  // The button's picture, and the one of a column whose filter is active;
  // empty: the grid's own funnel. Setting copies the picture in (nullptr
  // empties it) and repaints.
  TBitmap* Glyph() const { return FGlyph.get(); }
  void SetGlyph(const TBitmap* Value) { setPicture(*FGlyph, Value); }
  TBitmap* GlyphActive() const { return FGlyphActive.get(); }
  void SetGlyphActive(const TBitmap* Value) { setPicture(*FGlyphActive, Value); }
  TNotifyEvent OnChange;

private:
  void setPicture(TBitmap& Field, const TBitmap* Value) {
    if (Value) Field.Assign(Value);
    else Field.SetSize(0, 0);
    if (OnChange) OnChange(this);
  }
  std::unique_ptr<TBitmap> FGlyph = std::make_unique<TBitmap>();
  std::unique_ptr<TBitmap> FGlyphActive = std::make_unique<TBitmap>();
  std::unique_ptr<TFont> FFont = std::make_unique<TFont>();
  bool FAutoSize = false;
  int FWidth = 150;
  int FHeight = 150;
  TColor FColor = clWindow;
  bool FColumnWidth = false;
};

enum TFooterStyle { fsFixedLastRow, fsColumnPreview, fsCustomPreview, fsCustomPaint };

// The floating footer under the grid. With fsFixedLastRow and Visible the
// grid keeps its last row as the footer row (a fixed footer row it does not
// paint itself; the footer panel does) holding the column calculations.
class TFloatingFooter : public TPersistent {
public:
  TFloatingFooter() = default;
  std::string ClassName() const override { return "TFloatingFooter"; }
  // From another TFloatingFooter: everything but the height and OnCalcFooter.
  void Assign(const TPersistent* Source) override;

  bool Visible() const { return FVisible; }
  void SetVisible(bool v) { set(FVisible, v); }
  TFooterStyle FooterStyle() const { return FFooterStyle; }
  void SetFooterStyle(TFooterStyle v) { set(FFooterStyle, v); }
  TColor Color() const { return FColor; }
  void SetColor(TColor v) { set(FColor, v); }
  TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(TColor v) { set(FBorderColor, v); }
  int Column() const { return FColumn; }
  void SetColumn(int v) { set(FColumn, v); }
  const std::string& CustomTemplate() const { return FCustomTemplate; }
  void SetCustomTemplate(const std::string& v) { set(FCustomTemplate, v); }
  bool CalculateHiddenRows() const { return FCalculateHiddenRows; }
  void SetCalculateHiddenRows(bool v) { FCalculateHiddenRows = v; }
  bool ShowHint() const { return FShowHint; }
  void SetShowHint(bool v) { set(FShowHint, v); }
  int Height() const { return FHeight; }
  void SetHeight(int v) { set(FHeight, v); }
  bool EnableCalculation() const { return FEnableCalculation; }
  void SetEnableCalculation(bool v) { FEnableCalculation = v; }

  std::function<void(TObject* Sender, int ACol, int ARow, std::string& Value)> OnCalcFooter;
  // The grid follows every change of the look (visibility, style, colours).
  TNotifyEvent OnChange;

private:
  template <typename T>
  void set(T& Field, const T& Value) {
    if (Field == Value) return;
    Field = Value;
    if (OnChange) OnChange(this);
  }
  bool FVisible = false;
  TFooterStyle FFooterStyle = fsFixedLastRow;
  TColor FColor = clBtnFace;
  TColor FBorderColor = clNone;
  int FColumn = 0;
  std::string FCustomTemplate;
  bool FCalculateHiddenRows = true;
  bool FShowHint = false;
  int FHeight = 22;
  bool FEnableCalculation = true;
};
