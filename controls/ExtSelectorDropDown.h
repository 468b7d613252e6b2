#pragma once
// The base of the drop-downs whose popup is an item selector list (detail
// list, image picker): it owns the cells' appearance and the popup list,
// gives them the component and selection colour styles, and builds the list
// in the popup.

#include <memory>

#include "controls/ExtDropDown.h"
#include "controls/ExtItemSelector.h"
#include "controls/SelectorPopup.h"

class TExtSelectorDropDown : public TExtCustomDropDown {
public:
  explicit TExtSelectorDropDown(TComponent* AOwner);
  ~TExtSelectorDropDown() override;

  // Stored only: the list takes it each time it is filled.
  TItemLayout Layout() const { return FLayout; }
  void SetLayout(TItemLayout Value) { FLayout = Value; }
  TItemAppearance* ItemAppearance() const { return FItemAppearance.get(); }
  void SetItemAppearance(const TItemAppearance* Value) { FItemAppearance->Assign(Value); }
  void SetComponentStyle(TQGSStyle AStyle) override;

  // The popup's list (built with the popup).
  TExtCustomItemSelector* ItemSelector() const { return FPopup.List(); }
  void DropDownFormDestroyed() override;

protected:
  void SetSelectionColorStyle(TSelectionColorStyle Value) override;
  // Builds the list once (of Type, at the popup's top left, 150 high), then
  // colours it and hands it to the popup as its control; nullptr without a popup.
  TExtCustomItemSelector* BuildList(TSelectorType Type);
  // The list takes the drop-down's columns, images, layout, colour and cell appearance.
  void ApplyListSettings(int Columns);

  TSelectorPopup FPopup;
  std::unique_ptr<TItemAppearance> FItemAppearance;
  TItemLayout FLayout = ilCaptionRight;
};
