#pragma once
// The main window: the software code and description, the open project, one
// button per step of the commissioning work and the single click handler
// that serves them all; the update-check timer and its link. Its creation
// handler runs the start-up work.

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "base/UFormLook.h"
#include "toolkit/forms/Forms.h"
#include "toolkit/forms/Timer.h"
#include "toolkit/forms/std/Containers.h"
#include "toolkit/forms/std/Label.h"

class TFTessimatoreFirmWare : public TForm {
public:
  explicit TFTessimatoreFirmWare(TComponent* AOwner);
  ~TFTessimatoreFirmWare() override;
  std::string ClassName() const override { return "TFTessimatoreFirmWare"; }

  TLabel* L_SW_Code;
  TLabel* L_SW_Desc;
  TLabel* L_Begin;
  TShape* Shape2;
  TLabel* L_Name_Conf;
  TLabel* L_Name_Conf_L2;
  std::array<TLabel*, 8> L_Step;  // L_Step_1 ... L_Step_8
  TLbButton* Btn_Info;
  TLbButton* Btn_Opz;
  TLbButton* Btn_Close;
  TLbButton* Btn_New;
  TLbButton* Btn_Open;
  TLbButton* Btn_Prm_Gen;
  TLbButton* Btn_Receive_J1939;
  TLbButton* Btn_Transmit_J1939;
  TLbButton* Btn_GSD_File;
  TLbButton* Btn_CreateBin;
  // Steps of the sibling products: they stay in the window, hidden.
  TLbButton* Btn_Define_Receive_J1939;
  TLbButton* Btn_Define_Transmit_J1939;
  TLbButton* Btn_Modbus_Write_Request;
  TLbButton* Btn_Modbus_Read_Request;
  TLbButton* Btn_Define_Receive_SDO;
  TLbButton* Btn_Define_Transmit_SDO;
  TLbButton* Btn_Define_Receive_TPDO;
  TLbButton* Btn_Define_Transmit_RPDO;
  TLbButton* Btn_CANopen_EDSFile;
  TLbButton* Btn_Set_SDO_Client;
  TLbButton* Btn_Set_NodeGuard;
  TLbButton* Btn_Receive_CAN;
  TLbButton* Btn_Transmit_CAN;
  TLabel* L_Quelix;
  TShape* Shape1;
  TLinkLabel* LL_Update;
  TTimer* Timer_Update;

  // ---- handlers ----
  void FormCreate(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);
  void FormDblClick(TObject*) {}
  void Btn_Click(TObject* Sender);
  void Timer_UpdateTimer(TObject* Sender);
  void LL_UpdateLinkClick(TObject* Sender, const std::string& Link, TSysLinkType LinkType);
  void L_QuelixClick(TObject* Sender);

  // ---- operations ----
  void Set_Lang();
  void Set_Files();
  // Writes the settings file; a failure is shown, the program goes on.
  void Save_Setting();
  void Open_Project();
  void Create_New_Project();
  // Re-applies the texts of every window after the string table was reloaded.
  void Change_Language();
  // The update timer runs only while internet access and the update check
  // are both on; turning on a running timer keeps its schedule.
  void Switch_Update_Timer();
  // The project labels: the open project, or how to open one.
  void Set_Project_Labels();

  // ---- the steps that need a project (UMainSteps.cpp) ----
  // Each is called by Btn_Click once a project is open. The editor windows
  // and the output steps are wired in there as they arrive.
  void Show_ParGen();
  void Show_Receive_J1939();
  void Show_Transmit_J1939();
  // The editors of other products, whose step buttons this build hides.
  void Show_Other_Product_Step(TObject* Sender);
  void Check_Create_GSD();
  void Update_Device();
  // The EDS File step (its button is hidden in this build).
  void Create_EDS();

  // Windows created after this one add their Set_Lang here, in creation order;
  // Change_Language calls them after the main window's own.
  void Add_Language_Window(std::function<void()> Set_Lang);

private:
  void Create_Controls();
  void Place_Controls();
  TLbButton* Step_Button(int Left, int Top, TAppGlyph Glyph, bool Visible);
  std::vector<std::function<void()>> Language_Windows;
};

extern TFTessimatoreFirmWare* FTessimatoreFirmWare;

// The folder the program works in (beside its executable). Tests point it
// at a temporary folder before the main window is created.
std::string Program_Folder();
void Set_Program_Folder(const std::string& Folder);
