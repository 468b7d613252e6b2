#pragma once
// The visible message box: a modal form with the type's icon, the text
// wrapped to a readable width, and the requested buttons centred below it.

#include <vector>

#include "toolkit/forms/Dialogs.h"
#include "toolkit/forms/Forms.h"

class TButton;
class TLabel;

// The icon of a message type, drawn rather than loaded.
class TMessageIcon : public TGraphicControl {
public:
  TMessageIcon(TComponent* AOwner, TMsgDlgType Type);
  std::string ClassName() const override { return "TMessageIcon"; }
  TMsgDlgType Type() const { return type_; }

protected:
  void Paint() override;

private:
  TMsgDlgType type_;
};

class TMessageBoxForm : public TForm {
public:
  TMessageBoxForm(TComponent* AOwner, const TMessageBoxRequest& Request);
  std::string ClassName() const override { return "TMessageBoxForm"; }
  TLabel* TextLabel() const { return text_; }
  const std::vector<TButton*>& Buttons() const { return buttons_; }
  TMessageIcon* Icon() const { return icon_; }

private:
  void layout(const TMessageBoxRequest& Request);
  TMessageIcon* icon_ = nullptr;
  TLabel* text_ = nullptr;
  std::vector<TButton*> buttons_;
};

// The caption of the button that gives a modal result ("&Yes", "OK", ...).
std::string ModalResultCaption(TModalResult Result);
// Shows the form modally and answers the button chosen (the cancel button's
// result for the close box).
TModalResult ShowMessageBoxForm(const TMessageBoxRequest& Request);
