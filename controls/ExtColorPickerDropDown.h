#pragma once
// A drop-down editor whose value is a colour. The edit shows the colour as a
// swatch, optionally followed by its caption or one of its notations; the
// popup chooses it from a list of named colours, a grid of theme colours, a
// honeycomb of cells or a spectrum.

#include <memory>
#include <string>

#include "controls/ExtSelectorDropDown.h"
#include "controls/NotifyingCollection.h"

class TCustomColorSelector;
class TExtColorCubePanel;
class TExtColorSpectrumPanel;

enum TColorSelectionStyle { csList, csDiscrete, csColorCube, csSpectrum };
enum TColorValueText { cvtNone, cvtHex, cvtWebName, cvtRGB, cvtHTML };

class TColorItem : public TCollectionItem {
public:
  using TCollectionItem::TCollectionItem;
  std::string ClassName() const override { return "TColorItem"; }
  void Assign(const TPersistent* Source) override;
  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& Value);
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  const std::string& Hint() const { return FHint; }
  void SetHint(const std::string& Value) { FHint = Value; }
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value) { FEnabled = Value; }

private:
  std::string FCaption;
  TColor FColor = clNone;
  std::string FHint;
  bool FEnabled = true;
};

class TColorItems : public TNotifyingCollection<TColorItem> {
public:
  using TNotifyingCollection::TNotifyingCollection;
  std::string ClassName() const override { return "TColorItems"; }
};

class TExtColorPickerDropDown : public TExtSelectorDropDown {
public:
  explicit TExtColorPickerDropDown(TComponent* AOwner);
  ~TExtColorPickerDropDown() override;
  std::string ClassName() const override { return "TExtColorPickerDropDown"; }

  int Columns() const { return FColumns; }
  void SetColumns(int Value) { FColumns = Value; }
  TColorItems* Colors() const { return FColors.get(); }
  void SetColors(const TColorItems* Value) { FColors->Assign(Value); }
  int ItemIndex() const { return FItemIndex; }
  void SetItemIndex(int Value);
  int ColorBoxHeight() const { return FColorBoxHeight; }
  void SetColorBoxHeight(int Value) { FColorBoxHeight = Value; }
  int ColorBoxWidth() const { return FColorBoxWidth; }
  void SetColorBoxWidth(int Value) { FColorBoxWidth = Value; }
  TColorValueText ColorValueText() const { return FColorValueText; }
  void SetColorValueText(TColorValueText Value) { FColorValueText = Value; }
  TColorSelectionStyle ColorSelectionStyle() const { return FColorSelectionStyle; }
  void SetColorSelectionStyle(TColorSelectionStyle Value);
  bool ShowText() const { return FShowText; }
  void SetShowText(bool Value);
  TColor SelectedColor() const { return FSelectedColor; }
  void SetSelectedColor(TColor Value);
  std::string SelectedColorText() const { return GetSelectedColorText(); }
  TNotifyEvent OnSelect;
  TOnDrawSelectedItem OnDrawSelectedColor;
  TExtCustomItemSelector::TDrawItemEvent OnDrawColor;

  // The sixteen standard colours, appended.
  void AddDefaultColors();
  void DoHideDropDown(bool Cancel) override;
  void DropDownFormDestroyed() override;

  // The popup controls, each built on first need.
  TCustomColorSelector* DiscreteSelector() const { return FColorSelector; }
  TExtColorCubePanel* CubePanel() const { return FCubePanel; }
  TExtColorSpectrumPanel* SpectrumPanel() const { return FSpectrumPanel; }

protected:
  virtual std::string GetSelectedColorText() const;
  void CreateWnd() override;
  void CreateDropDownForm() override;
  void BeforeDropDown() override;
  void PlaceDropDownControl() override;
  void SetDropDownSize() override;
  void DoMouseWheelDown() override;
  void DoMouseWheelUp() override;
  void PaintFocusedEdit() override;
  void WMKeyDown(TWMKey& Message) override;

private:
  void buildStyleControl(TColorSelectionStyle Style);
  void fillList();
  void listSelected();
  void step(TIndexStep Step);
  void wheel(bool Down);
  void buildDiscrete();
  void buildCube();
  void buildSpectrum();
  void handOver(TControl* Control);
  TControl* styleControl(TColorSelectionStyle Style) const;
  void showOnly(TColorSelectionStyle Style);
  void prepareStyle(TColorSelectionStyle Style);
  void sizePanelPopup();
  void discreteSelected();
  void panelSelected(TColor Color);
  void paintSelectedColor();

  TCustomColorSelector* FColorSelector = nullptr;
  TExtColorCubePanel* FCubePanel = nullptr;
  TExtColorSpectrumPanel* FSpectrumPanel = nullptr;
  int FColumns = 1;
  std::unique_ptr<TColorItems> FColors;
  int FItemIndex = -1;
  int FOldItemIndex = -1;
  int FColorBoxHeight = 14;
  int FColorBoxWidth = 14;
  TColorValueText FColorValueText = cvtNone;
  TColorSelectionStyle FColorSelectionStyle = csList;
  bool FShowText = true;
  TColor FSelectedColor = clNone;
  TColor FOldSelectedColor = clNone;
  bool FDesignTime = false;
};
