#include "controls/ExtSelectorDropDown.h"

#include "controls/ExtDropDownForm.h"

TExtSelectorDropDown::TExtSelectorDropDown(TComponent* AOwner)
    : TExtCustomDropDown(AOwner), FPopup(this), FItemAppearance(std::make_unique<TItemAppearance>(this)) {}

TExtSelectorDropDown::~TExtSelectorDropDown() = default;

void TExtSelectorDropDown::SetComponentStyle(TQGSStyle AStyle) {
  TExtCustomDropDown::SetComponentStyle(AStyle);
  SetItemAppearanceStyle(FItemAppearance.get(), AStyle);
}

void TExtSelectorDropDown::SetSelectionColorStyle(TSelectionColorStyle Value) {
  TExtCustomDropDown::SetSelectionColorStyle(Value);
  if (ItemSelector() != nullptr) ItemSelector()->ItemAppearance()->SetColorStyle(Value);
}

void TExtSelectorDropDown::DropDownFormDestroyed() {
  TExtCustomDropDown::DropDownFormDestroyed();
  // The list went with the popup form.
  if (!ComponentState().Contains(csDestroying)) FPopup.SetList(nullptr);
}

TExtCustomItemSelector* TExtSelectorDropDown::BuildList(TSelectorType Type) {
  if (FDropDownForm == nullptr) return nullptr;
  TExtCustomItemSelector* list = ItemSelector();
  if (list == nullptr) {
    list = new TExtCustomItemSelector(this);
    list->SetParent(FDropDownForm);
    list->SetSelectorType(Type);
    list->SetLeft(0);
    list->SetTop(0);
    list->SetHeight(150);
    FPopup.SetList(list);
  }
  list->SetColor(DropDownColor());
  list->UpdateSelectorPanel();
  SetControl(list);
  return list;
}

void TExtSelectorDropDown::ApplyListSettings(int Columns) {
  TExtCustomItemSelector* list = ItemSelector();
  if (list == nullptr) return;
  list->SetColumns(Columns);
  list->SetImages(Images());
  list->SetItemLayout(FLayout);
  list->SetColor(DropDownColor());
  list->ItemAppearance()->Assign(FItemAppearance.get());
}
