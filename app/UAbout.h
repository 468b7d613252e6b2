#pragma once
// The About box: logo, description, software code, version, document code
// and a link to the maker's web site. Its texts are fixed, not translated.

#include "base/UFormLook.h"
#include "toolkit/forms/std/GraphicControls.h"

inline const std::string Document_Code = "DC21070";

class TFAbout : public TForm {
public:
  explicit TFAbout(TComponent* AOwner);
  ~TFAbout() override;
  std::string ClassName() const override { return "TFAbout"; }

  TImage* Image2;
  TLabel* Label1;
  TLabel* Label2;
  TLabel* Label6;
  TLabel* Label9;
  TLabel* Label3;
  TLabel* Label10;
  TLabel* Label8;
  TLabel* Label12;
  TLabel* Label4;
  TLbButton* LbButton1;

  void FormShow(TObject* Sender);
  void Label4Click(TObject* Sender);
};

extern TFAbout* FAbout;

// The product logo, drawn rather than stored.
void Draw_Logo(TBitmap& Bitmap, int Size);
