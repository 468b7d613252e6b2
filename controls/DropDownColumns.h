#pragma once
// The columns and rows of the table drop-downs. The multi-column drop-down
// and the grid drop-down each have a set of these classes of their own; the
// Unit tag makes them distinct types that share this one definition.

#include <memory>
#include <string>

#include "toolkit/graphics/CanvasTypes.h"
#include "toolkit/graphics/GraphicsObjects.h"
#include "controls/NotifyingCollection.h"
#include "toolkit/rtl/StringList.h"

enum TColumnType { ctText, ctImage };

template <class Unit>
class TDropDownColumnOf : public TCollectionItem {
public:
  explicit TDropDownColumnOf(TCollection* Collection)
      : TCollectionItem(Collection), FFont(std::make_unique<TFont>()) {}
  std::string ClassName() const override { return "TDropDownColumn"; }
  void Assign(const TPersistent* Source) override {
    auto* s = dynamic_cast<const TDropDownColumnOf*>(Source);
    if (s == nullptr) {
      TCollectionItem::Assign(Source);
      return;
    }
    FWidth = s->FWidth;
    FColor = s->FColor;
    FAlignment = s->FAlignment;
    FEllipsis = s->FEllipsis;
    FFont->Assign(s->FFont.get());
    FColumnType = s->FColumnType;
    FHeader = s->FHeader;
    FWordwrap = s->FWordwrap;
    FAutoSize = s->FAutoSize;
  }
  TFont* Font() const { return FFont.get(); }
  void SetFont(const TFont* Value) { FFont->Assign(Value); }

  int Width() const { return FWidth; }
  void SetWidth(int Value) { FWidth = Value; }
  TColor Color() const { return FColor; }
  void SetColor(TColor Value) { FColor = Value; }
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value) { FAlignment = Value; }
  bool Ellipsis() const { return FEllipsis; }
  void SetEllipsis(bool Value) { FEllipsis = Value; }
  TColumnType ColumnType() const { return FColumnType; }
  void SetColumnType(TColumnType Value) { FColumnType = Value; }
  const std::string& Header() const { return FHeader; }
  void SetHeader(const std::string& Value) { FHeader = Value; }
  bool Wordwrap() const { return FWordwrap; }
  void SetWordwrap(bool Value) { FWordwrap = Value; }
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool Value) { FAutoSize = Value; }

private:
  std::unique_ptr<TFont> FFont;
  int FWidth = 80;
  TColor FColor = TColor(0xFFFFFF);
  TAlignment FAlignment = taLeftJustify;
  bool FEllipsis = false;
  TColumnType FColumnType = ctText;
  std::string FHeader;
  bool FWordwrap = false;
  bool FAutoSize = false;
};

template <class Unit>
class TDropDownItemOf : public TCollectionItem {
public:
  explicit TDropDownItemOf(TCollection* Collection)
      : TCollectionItem(Collection), FText(std::make_unique<TStringList>()) {}
  std::string ClassName() const override { return "TDropDownItem"; }
  void Assign(const TPersistent* Source) override {
    auto* s = dynamic_cast<const TDropDownItemOf*>(Source);
    if (s == nullptr) {
      TCollectionItem::Assign(Source);
      return;
    }
    FImageIndex = s->FImageIndex;
    FText->Assign(s->FText.get());
  }
  TStringList* Text() const { return FText.get(); }
  void SetText(const TStrings* Value) { FText->Assign(Value); }
  // Entry Column of the texts, or empty when the item has fewer.
  std::string TextOf(int Column) const {
    return Column >= 0 && Column < FText->Count() ? FText->Strings(Column) : std::string();
  }
  bool HasText(int Column) const { return Column >= 0 && Column < FText->Count(); }

  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value) { FImageIndex = Value; }

private:
  std::unique_ptr<TStringList> FText;
  int FImageIndex = -1;
};

template <class Unit>
class TDropDownItemsOf : public TNotifyingCollection<TDropDownItemOf<Unit>> {
public:
  using TNotifyingCollection<TDropDownItemOf<Unit>>::TNotifyingCollection;
  std::string ClassName() const override { return "TDropDownItems"; }
  // The first item with a text for Column equal to Value (case-sensitive), or -1.
  int IndexInColumn(int Column, const std::string& Value) const {
    for (int i = 0; i < this->Count(); ++i)
      if (this->Items(i)->HasText(Column) && this->Items(i)->TextOf(Column) == Value) return i;
    return -1;
  }
};

template <class Unit>
class TDropDownColumnsOf : public TNotifyingCollection<TDropDownColumnOf<Unit>> {
public:
  using TNotifyingCollection<TDropDownColumnOf<Unit>>::TNotifyingCollection;
  std::string ClassName() const override { return "TDropDownColumns"; }
};
