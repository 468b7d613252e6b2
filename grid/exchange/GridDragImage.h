#pragma once
// The picture that follows the pointer while cells of the grid are dragged:
// a borderless form that stays on top and never takes the activation from
// the form the drag started in.

#include "toolkit/forms/Forms.h"

class TNoActiveForm : public TForm {
public:
  explicit TNoActiveForm(TComponent* AOwner);
  std::string ClassName() const override { return "TNoActiveForm"; }

protected:
  void WndProc(TMessage& Message) override;
};
