#pragma once
// The look every window of the configurator shares: the cream background,
// Verdana 8, a single fixed border, centred on the screen; the title panel
// with the software code and the window's description, the button panel at
// the bottom, and the program's buttons with their colours.

#include <functional>
#include <string>

#include "base/LbButton.h"
#include "base/UGlyphs.h"
#include "toolkit/forms/Forms.h"
#include "toolkit/forms/std/Containers.h"
#include "toolkit/forms/std/Label.h"

inline constexpr TColor Form_Color = 15595512;       // red F8, green F7, blue ED
inline constexpr TColor Button_Down_Color = 0x0080FF;  // orange
inline constexpr TColor Button_Hot_Color = 0x80FFFF;   // light yellow
inline constexpr TColor Button_Light_Color = clGray;
inline constexpr TColor Code_Label_Color = clGray;
inline constexpr TColor Link_Color = 0xC05000;

// Border, icons, position, colour and font of a dialog (or the main window
// when SystemMenu is false).
void Set_Form_Look(TCustomForm* Form, bool SystemMenu = true);

// A plain coloured band along one edge of the form (or of a panel band below).
TPanel* Make_Band(TCustomForm* Form, TAlign Align, int Height, TColor Color);

struct TTitlePanel {
  TPanel* P_Title = nullptr;
  TLabel* L_SW_Code = nullptr;
  TLabel* L_SW_Desc = nullptr;
};
// A panel across the top in the window's colour: the code in large grey
// letters, the description in bold under it.
TTitlePanel Make_Title_Panel(TCustomForm* Form);

struct TButtonPanel {
  TPanel* P_Button = nullptr;
  TLbButton* Btn_OK = nullptr;
  TLbButton* Btn_Cancel = nullptr;
};
// A panel across the bottom with OK and Cancel kept to its right edge.
TButtonPanel Make_Button_Panel(TCustomForm* Form);

// A dialog button of the program: look bsEncarta, grey light edge, orange
// when pressed, yellow when hot, one glyph cell.
TLbButton* Make_Button(TCustomForm* Owner, TWinControl* Parent, int Left, int Top, int Width, int Height,
                       TAppGlyph Glyph);

TLabel* Make_Label(TCustomForm* Owner, TWinControl* Parent, int Left, int Top, const std::string& Caption = "");

// Where a dialog puts its Set_Lang so that a language change reaches it. The
// main window sets it while it lives; with none set, dialogs keep the texts
// they were made with.
using TLanguageWindowRegistry = std::function<void(std::function<void()> Set_Lang)>;
void Set_Language_Window_Registry(TLanguageWindowRegistry Registry);

// A dialog of the program: its look, the title panel and the button panel
// with OK and Cancel, its texts from the string table.
class TShellDialog : public TForm {
public:
  TShellDialog(TComponent* AOwner, int ClientWidth, int ClientHeight);
  std::string ClassName() const override { return "TShellDialog"; }

  TPanel* P_Title;
  TLabel* L_SW_Code;
  TLabel* L_SW_Desc;
  TPanel* P_Button;
  TLbButton* Btn_OK;
  TLbButton* Btn_Cancel;

  // Takes the window's texts from the string table.
  virtual void Set_Lang() = 0;

protected:
  // Every show starts with the focus on the first field (or the table), never
  // on a button of the button panel nor where the last showing left it; a
  // dialog's own show handler may still choose another control.
  void DoShow() override;
  // The creation work every dialog shares: the code label, the texts, and
  // (unless Relabel is false: the window keeps its start-up texts) a place
  // among the windows a language change reaches.
  void Prepare_Dialog(bool Relabel = true);
  // The top of the area between the two panels.
  int Content_Top() const { return P_Title->Height(); }
  int Content_Bottom() const { return ClientHeight() - P_Button->Height(); }
};
