#pragma once
// Window messages: the numeric constants with their conventional values,
// TMessage, and typed views of it. A view is decoded from a TMessage, handed
// to a handler by reference, and written back (its Result and any field a
// handler may change) with WriteTo, so handlers read named fields instead of
// picking words out of WParam and LParam.

#include <cstdint>
#include <string>

#include "platform/display/VirtualKeys.h"
#include "platform/kernel/KeyState.h"  // MK_ flags
#include "toolkit/rtl/Types.h"

struct HWND__;
using HWND = HWND__*;  // opaque; mapped to its TWinControl by FindControl
using WPARAM = uintptr_t;
using LPARAM = intptr_t;
using LRESULT = intptr_t;
using UINT = uint32_t;

inline HWND ToHWND(uintptr_t v) { return reinterpret_cast<HWND>(v); }
inline uintptr_t FromHWND(HWND h) { return reinterpret_cast<uintptr_t>(h); }

constexpr uint16_t LoWord(uintptr_t v) { return static_cast<uint16_t>(v & 0xFFFF); }
constexpr uint16_t HiWord(uintptr_t v) { return static_cast<uint16_t>((v >> 16) & 0xFFFF); }
constexpr LPARAM MakeLParam(int lo, int hi) {
  return static_cast<LPARAM>(static_cast<uint32_t>((lo & 0xFFFF) | ((hi & 0xFFFF) << 16)));
}
constexpr WPARAM MakeWParam(int lo, int hi) { return static_cast<WPARAM>(static_cast<uint32_t>(MakeLParam(lo, hi))); }

// ---- window messages ----
constexpr UINT WM_NULL = 0x0000;
constexpr UINT WM_CREATE = 0x0001;
constexpr UINT WM_DESTROY = 0x0002;
constexpr UINT WM_MOVE = 0x0003;
constexpr UINT WM_SIZE = 0x0005;
constexpr UINT WM_ACTIVATE = 0x0006;
constexpr UINT WM_SETFOCUS = 0x0007;
constexpr UINT WM_KILLFOCUS = 0x0008;
constexpr UINT WM_ENABLE = 0x000A;
constexpr UINT WM_SETREDRAW = 0x000B;
constexpr UINT WM_SETTEXT = 0x000C;
constexpr UINT WM_GETTEXT = 0x000D;
constexpr UINT WM_GETTEXTLENGTH = 0x000E;
constexpr UINT WM_PAINT = 0x000F;
constexpr UINT WM_CLOSE = 0x0010;
constexpr UINT WM_QUIT = 0x0012;
constexpr UINT WM_ERASEBKGND = 0x0014;
constexpr UINT WM_SYSCOLORCHANGE = 0x0015;
constexpr UINT WM_SHOWWINDOW = 0x0018;
constexpr UINT WM_SETTINGCHANGE = 0x001A;
constexpr UINT WM_WININICHANGE = 0x001A;
constexpr UINT WM_ACTIVATEAPP = 0x001C;
constexpr UINT WM_CANCELMODE = 0x001F;
constexpr UINT WM_SETCURSOR = 0x0020;
constexpr UINT WM_MOUSEACTIVATE = 0x0021;
constexpr UINT WM_GETMINMAXINFO = 0x0024;
constexpr UINT WM_DRAWITEM = 0x002B;
constexpr UINT WM_MEASUREITEM = 0x002C;
constexpr UINT WM_DELETEITEM = 0x002D;
constexpr UINT WM_SETFONT = 0x0030;
constexpr UINT WM_GETFONT = 0x0031;
constexpr UINT WM_WINDOWPOSCHANGING = 0x0046;
constexpr UINT WM_WINDOWPOSCHANGED = 0x0047;
constexpr UINT WM_NOTIFY = 0x004E;
constexpr UINT WM_HELP = 0x0053;
constexpr UINT WM_CONTEXTMENU = 0x007B;
constexpr UINT WM_STYLECHANGING = 0x007C;
constexpr UINT WM_STYLECHANGED = 0x007D;
constexpr UINT WM_GETICON = 0x007F;
constexpr UINT WM_SETICON = 0x0080;
constexpr UINT WM_NCCREATE = 0x0081;
constexpr UINT WM_NCDESTROY = 0x0082;
constexpr UINT WM_NCCALCSIZE = 0x0083;
constexpr UINT WM_NCHITTEST = 0x0084;
constexpr UINT WM_NCPAINT = 0x0085;
constexpr UINT WM_NCACTIVATE = 0x0086;
constexpr UINT WM_GETDLGCODE = 0x0087;
constexpr UINT WM_NCMOUSEMOVE = 0x00A0;
constexpr UINT WM_NCLBUTTONDOWN = 0x00A1;
constexpr UINT WM_NCLBUTTONUP = 0x00A2;
constexpr UINT WM_NCLBUTTONDBLCLK = 0x00A3;
constexpr UINT WM_NCRBUTTONDOWN = 0x00A4;
constexpr UINT WM_NCRBUTTONUP = 0x00A5;
constexpr UINT WM_KEYFIRST = 0x0100;
constexpr UINT WM_KEYDOWN = 0x0100;
constexpr UINT WM_KEYUP = 0x0101;
constexpr UINT WM_CHAR = 0x0102;
constexpr UINT WM_DEADCHAR = 0x0103;
constexpr UINT WM_SYSKEYDOWN = 0x0104;
constexpr UINT WM_SYSKEYUP = 0x0105;
constexpr UINT WM_SYSCHAR = 0x0106;
constexpr UINT WM_KEYLAST = 0x0108;
constexpr UINT WM_INITDIALOG = 0x0110;
constexpr UINT WM_COMMAND = 0x0111;
constexpr UINT WM_SYSCOMMAND = 0x0112;
constexpr UINT WM_TIMER = 0x0113;
constexpr UINT WM_HSCROLL = 0x0114;
constexpr UINT WM_VSCROLL = 0x0115;
constexpr UINT WM_INITMENU = 0x0116;
constexpr UINT WM_INITMENUPOPUP = 0x0117;
constexpr UINT WM_MENUSELECT = 0x011F;
constexpr UINT WM_MENUCHAR = 0x0120;
constexpr UINT WM_ENTERIDLE = 0x0121;
constexpr UINT WM_CTLCOLORMSGBOX = 0x0132;
constexpr UINT WM_CTLCOLOREDIT = 0x0133;
constexpr UINT WM_CTLCOLORLISTBOX = 0x0134;
constexpr UINT WM_CTLCOLORBTN = 0x0135;
constexpr UINT WM_CTLCOLORDLG = 0x0136;
constexpr UINT WM_CTLCOLORSCROLLBAR = 0x0137;
constexpr UINT WM_CTLCOLORSTATIC = 0x0138;
constexpr UINT WM_MOUSEFIRST = 0x0200;
constexpr UINT WM_MOUSEMOVE = 0x0200;
constexpr UINT WM_LBUTTONDOWN = 0x0201;
constexpr UINT WM_LBUTTONUP = 0x0202;
constexpr UINT WM_LBUTTONDBLCLK = 0x0203;
constexpr UINT WM_RBUTTONDOWN = 0x0204;
constexpr UINT WM_RBUTTONUP = 0x0205;
constexpr UINT WM_RBUTTONDBLCLK = 0x0206;
constexpr UINT WM_MBUTTONDOWN = 0x0207;
constexpr UINT WM_MBUTTONUP = 0x0208;
constexpr UINT WM_MBUTTONDBLCLK = 0x0209;
constexpr UINT WM_MOUSEWHEEL = 0x020A;
constexpr UINT WM_MOUSEHWHEEL = 0x020E;
constexpr UINT WM_MOUSELAST = 0x020E;
constexpr UINT WM_PARENTNOTIFY = 0x0210;
constexpr UINT WM_ENTERMENULOOP = 0x0211;
constexpr UINT WM_EXITMENULOOP = 0x0212;
constexpr UINT WM_CAPTURECHANGED = 0x0215;
constexpr UINT WM_MOVING = 0x0216;
constexpr UINT WM_ENTERSIZEMOVE = 0x0231;
constexpr UINT WM_EXITSIZEMOVE = 0x0232;
constexpr UINT WM_DROPFILES = 0x0233;
constexpr UINT WM_MOUSEHOVER = 0x02A1;
constexpr UINT WM_MOUSELEAVE = 0x02A3;
constexpr UINT WM_CUT = 0x0300;
constexpr UINT WM_COPY = 0x0301;
constexpr UINT WM_PASTE = 0x0302;
constexpr UINT WM_CLEAR = 0x0303;
constexpr UINT WM_UNDO = 0x0304;
constexpr UINT WM_PRINT = 0x0317;
constexpr UINT WM_PRINTCLIENT = 0x0318;
constexpr UINT WM_THEMECHANGED = 0x031A;
constexpr UINT WM_USER = 0x0400;
constexpr UINT WM_APP = 0x8000;

// ---- framework (component) messages ----
constexpr UINT CM_BASE = 0xB000;
constexpr UINT CM_ACTIVATE = CM_BASE + 0;
constexpr UINT CM_DEACTIVATE = CM_BASE + 1;
constexpr UINT CM_GOTFOCUS = CM_BASE + 2;
constexpr UINT CM_LOSTFOCUS = CM_BASE + 3;
constexpr UINT CM_CANCELMODE = CM_BASE + 4;
constexpr UINT CM_DIALOGKEY = CM_BASE + 5;
constexpr UINT CM_DIALOGCHAR = CM_BASE + 6;
constexpr UINT CM_FOCUSCHANGED = CM_BASE + 7;
constexpr UINT CM_PARENTFONTCHANGED = CM_BASE + 8;
constexpr UINT CM_PARENTCOLORCHANGED = CM_BASE + 9;
constexpr UINT CM_HITTEST = CM_BASE + 10;
constexpr UINT CM_VISIBLECHANGED = CM_BASE + 11;
constexpr UINT CM_ENABLEDCHANGED = CM_BASE + 12;
constexpr UINT CM_COLORCHANGED = CM_BASE + 13;
constexpr UINT CM_FONTCHANGED = CM_BASE + 14;
constexpr UINT CM_CURSORCHANGED = CM_BASE + 15;
constexpr UINT CM_CTL3DCHANGED = CM_BASE + 16;
constexpr UINT CM_PARENTCTL3DCHANGED = CM_BASE + 17;
constexpr UINT CM_TEXTCHANGED = CM_BASE + 18;
constexpr UINT CM_MOUSEENTER = CM_BASE + 19;
constexpr UINT CM_MOUSELEAVE = CM_BASE + 20;
constexpr UINT CM_MENUCHANGED = CM_BASE + 21;
constexpr UINT CM_APPKEYDOWN = CM_BASE + 22;
constexpr UINT CM_APPSYSCOMMAND = CM_BASE + 23;
constexpr UINT CM_BUTTONPRESSED = CM_BASE + 24;
constexpr UINT CM_SHOWINGCHANGED = CM_BASE + 25;
constexpr UINT CM_ENTER = CM_BASE + 26;
constexpr UINT CM_EXIT = CM_BASE + 27;
constexpr UINT CM_DESIGNHITTEST = CM_BASE + 28;
constexpr UINT CM_ICONCHANGED = CM_BASE + 29;
constexpr UINT CM_WANTSPECIALKEY = CM_BASE + 30;
constexpr UINT CM_INVOKEHELP = CM_BASE + 31;
constexpr UINT CM_WINDOWHOOK = CM_BASE + 32;
constexpr UINT CM_RELEASE = CM_BASE + 33;
constexpr UINT CM_SHOWHINTCHANGED = CM_BASE + 34;
constexpr UINT CM_PARENTSHOWHINTCHANGED = CM_BASE + 35;
constexpr UINT CM_SYSCOLORCHANGE = CM_BASE + 36;
constexpr UINT CM_WININICHANGE = CM_BASE + 37;
constexpr UINT CM_FONTCHANGE = CM_BASE + 38;
constexpr UINT CM_TIMECHANGE = CM_BASE + 39;
constexpr UINT CM_TABSTOPCHANGED = CM_BASE + 40;
constexpr UINT CM_UIACTIVATE = CM_BASE + 41;
constexpr UINT CM_UIDEACTIVATE = CM_BASE + 42;
constexpr UINT CM_DOCWINDOWACTIVATE = CM_BASE + 43;
constexpr UINT CM_CONTROLLISTCHANGE = CM_BASE + 44;
constexpr UINT CM_GETDATALINK = CM_BASE + 45;
constexpr UINT CM_CHILDKEY = CM_BASE + 46;
constexpr UINT CM_DRAG = CM_BASE + 47;
constexpr UINT CM_HINTSHOW = CM_BASE + 48;
constexpr UINT CM_DIALOGHANDLE = CM_BASE + 49;
constexpr UINT CM_ISTOOLCONTROL = CM_BASE + 50;
constexpr UINT CM_RECREATEWND = CM_BASE + 51;
constexpr UINT CM_INVALIDATE = CM_BASE + 52;
constexpr UINT CM_SYSFONTCHANGED = CM_BASE + 53;
constexpr UINT CM_CONTROLCHANGE = CM_BASE + 54;
constexpr UINT CM_CHANGED = CM_BASE + 55;
constexpr UINT CM_BORDERCHANGED = CM_BASE + 59;
constexpr UINT CM_BIDIMODECHANGED = CM_BASE + 60;
constexpr UINT CM_PARENTBIDIMODECHANGED = CM_BASE + 61;
constexpr UINT CM_HINTSHOWPAUSE = CM_BASE + 65;
constexpr UINT CM_MOUSEWHEEL = CM_BASE + 67;
constexpr UINT CM_ISSHORTCUT = CM_BASE + 68;
constexpr UINT CM_SETACTIVECONTROL = CM_BASE + 71;
constexpr UINT CM_POPUPHWNDDESTROY = CM_BASE + 72;
constexpr UINT CM_CREATEPOPUP = CM_BASE + 73;
constexpr UINT CM_DESTROYHANDLE = CM_BASE + 74;
constexpr UINT CM_MOUSEACTIVATE = CM_BASE + 75;
constexpr UINT CM_CONTROLLISTCHANGING = CM_BASE + 76;
constexpr UINT CM_PARENTVISIBLECHANGED = CM_BASE + 80;
constexpr UINT CM_STYLECHANGED = CM_BASE + 87;

// ---- reflected notifications: a parent hands its child's message back to it ----
constexpr UINT CN_BASE = 0xBC00;
constexpr UINT CN_CHARTOITEM = CN_BASE + 0x002F;
constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;
constexpr UINT CN_COMPAREITEM = CN_BASE + 0x0039;
constexpr UINT CN_CTLCOLORBTN = CN_BASE + WM_CTLCOLORBTN;
constexpr UINT CN_CTLCOLORDLG = CN_BASE + WM_CTLCOLORDLG;
constexpr UINT CN_CTLCOLOREDIT = CN_BASE + WM_CTLCOLOREDIT;
constexpr UINT CN_CTLCOLORLISTBOX = CN_BASE + WM_CTLCOLORLISTBOX;
constexpr UINT CN_CTLCOLORMSGBOX = CN_BASE + WM_CTLCOLORMSGBOX;
constexpr UINT CN_CTLCOLORSCROLLBAR = CN_BASE + WM_CTLCOLORSCROLLBAR;
constexpr UINT CN_CTLCOLORSTATIC = CN_BASE + WM_CTLCOLORSTATIC;
constexpr UINT CN_DELETEITEM = CN_BASE + WM_DELETEITEM;
constexpr UINT CN_DRAWITEM = CN_BASE + WM_DRAWITEM;
constexpr UINT CN_HSCROLL = CN_BASE + WM_HSCROLL;
constexpr UINT CN_MEASUREITEM = CN_BASE + WM_MEASUREITEM;
constexpr UINT CN_PARENTNOTIFY = CN_BASE + WM_PARENTNOTIFY;
constexpr UINT CN_VKEYTOITEM = CN_BASE + 0x002E;
constexpr UINT CN_VSCROLL = CN_BASE + WM_VSCROLL;
constexpr UINT CN_KEYDOWN = CN_BASE + WM_KEYDOWN;
constexpr UINT CN_KEYUP = CN_BASE + WM_KEYUP;
constexpr UINT CN_CHAR = CN_BASE + WM_CHAR;
constexpr UINT CN_SYSKEYDOWN = CN_BASE + WM_SYSKEYDOWN;
constexpr UINT CN_SYSCHAR = CN_BASE + WM_SYSCHAR;
constexpr UINT CN_NOTIFY = CN_BASE + WM_NOTIFY;

// ---- edit controls ----
constexpr UINT EM_GETSEL = 0x00B0;
constexpr UINT EM_SETSEL = 0x00B1;
constexpr UINT EM_GETRECT = 0x00B2;
constexpr UINT EM_SETRECT = 0x00B3;
constexpr UINT EM_SETRECTNP = 0x00B4;
constexpr UINT EM_SCROLL = 0x00B5;
constexpr UINT EM_LINESCROLL = 0x00B6;
constexpr UINT EM_SCROLLCARET = 0x00B7;
constexpr UINT EM_GETMODIFY = 0x00B8;
constexpr UINT EM_SETMODIFY = 0x00B9;
constexpr UINT EM_GETLINECOUNT = 0x00BA;
constexpr UINT EM_LINEINDEX = 0x00BB;
constexpr UINT EM_LINELENGTH = 0x00C1;
constexpr UINT EM_REPLACESEL = 0x00C2;
constexpr UINT EM_GETLINE = 0x00C4;
constexpr UINT EM_LIMITTEXT = 0x00C5;
constexpr UINT EM_SETLIMITTEXT = 0x00C5;
constexpr UINT EM_CANUNDO = 0x00C6;
constexpr UINT EM_UNDO = 0x00C7;
constexpr UINT EM_LINEFROMCHAR = 0x00C9;
constexpr UINT EM_SETTABSTOPS = 0x00CB;
constexpr UINT EM_SETPASSWORDCHAR = 0x00CC;
constexpr UINT EM_EMPTYUNDOBUFFER = 0x00CD;
constexpr UINT EM_GETFIRSTVISIBLELINE = 0x00CE;
constexpr UINT EM_SETREADONLY = 0x00CF;
constexpr UINT EM_GETPASSWORDCHAR = 0x00D2;
constexpr UINT EM_SETMARGINS = 0x00D3;
constexpr UINT EM_GETMARGINS = 0x00D4;
constexpr UINT EM_GETLIMITTEXT = 0x00D5;
constexpr UINT EM_POSFROMCHAR = 0x00D6;
constexpr UINT EM_CHARFROMPOS = 0x00D7;
// rich edit
constexpr UINT EM_EXGETSEL = WM_USER + 52;
constexpr UINT EM_EXLIMITTEXT = WM_USER + 53;
constexpr UINT EM_EXLINEFROMCHAR = WM_USER + 54;
constexpr UINT EM_EXSETSEL = WM_USER + 55;
constexpr UINT EM_GETCHARFORMAT = WM_USER + 58;
constexpr UINT EM_GETEVENTMASK = WM_USER + 59;
constexpr UINT EM_GETPARAFORMAT = WM_USER + 61;
constexpr UINT EM_SETBKGNDCOLOR = WM_USER + 67;
constexpr UINT EM_SETCHARFORMAT = WM_USER + 68;
constexpr UINT EM_SETEVENTMASK = WM_USER + 69;
constexpr UINT EM_SETPARAFORMAT = WM_USER + 71;
constexpr UINT EM_STREAMIN = WM_USER + 73;
constexpr UINT EM_STREAMOUT = WM_USER + 74;
constexpr UINT EM_GETTEXTRANGE = WM_USER + 75;
constexpr UINT EM_FINDTEXT = WM_USER + 56;
constexpr UINT EC_LEFTMARGIN = 0x0001;
constexpr UINT EC_RIGHTMARGIN = 0x0002;

constexpr uint16_t EN_SETFOCUS = 0x0100;
constexpr uint16_t EN_KILLFOCUS = 0x0200;
constexpr uint16_t EN_CHANGE = 0x0300;
constexpr uint16_t EN_UPDATE = 0x0400;
constexpr uint16_t EN_ERRSPACE = 0x0500;
constexpr uint16_t EN_MAXTEXT = 0x0501;
constexpr uint16_t EN_HSCROLL = 0x0601;
constexpr uint16_t EN_VSCROLL = 0x0602;

constexpr uint32_t ES_LEFT = 0x0000;
constexpr uint32_t ES_CENTER = 0x0001;
constexpr uint32_t ES_RIGHT = 0x0002;
constexpr uint32_t ES_MULTILINE = 0x0004;
constexpr uint32_t ES_UPPERCASE = 0x0008;
constexpr uint32_t ES_LOWERCASE = 0x0010;
constexpr uint32_t ES_PASSWORD = 0x0020;
constexpr uint32_t ES_AUTOVSCROLL = 0x0040;
constexpr uint32_t ES_AUTOHSCROLL = 0x0080;
constexpr uint32_t ES_NOHIDESEL = 0x0100;
constexpr uint32_t ES_OEMCONVERT = 0x0400;
constexpr uint32_t ES_READONLY = 0x0800;
constexpr uint32_t ES_WANTRETURN = 0x1000;
constexpr uint32_t ES_NUMBER = 0x2000;

// ---- combo boxes ----
constexpr UINT CB_GETEDITSEL = 0x0140;
constexpr UINT CB_LIMITTEXT = 0x0141;
constexpr UINT CB_SETEDITSEL = 0x0142;
constexpr UINT CB_ADDSTRING = 0x0143;
constexpr UINT CB_DELETESTRING = 0x0144;
constexpr UINT CB_DIR = 0x0145;
constexpr UINT CB_GETCOUNT = 0x0146;
constexpr UINT CB_GETCURSEL = 0x0147;
constexpr UINT CB_GETLBTEXT = 0x0148;
constexpr UINT CB_GETLBTEXTLEN = 0x0149;
constexpr UINT CB_INSERTSTRING = 0x014A;
constexpr UINT CB_RESETCONTENT = 0x014B;
constexpr UINT CB_FINDSTRING = 0x014C;
constexpr UINT CB_SELECTSTRING = 0x014D;
constexpr UINT CB_SETCURSEL = 0x014E;
constexpr UINT CB_SHOWDROPDOWN = 0x014F;
constexpr UINT CB_GETITEMDATA = 0x0150;
constexpr UINT CB_SETITEMDATA = 0x0151;
constexpr UINT CB_GETDROPPEDCONTROLRECT = 0x0152;
constexpr UINT CB_SETITEMHEIGHT = 0x0153;
constexpr UINT CB_GETITEMHEIGHT = 0x0154;
constexpr UINT CB_SETEXTENDEDUI = 0x0155;
constexpr UINT CB_GETEXTENDEDUI = 0x0156;
constexpr UINT CB_GETDROPPEDSTATE = 0x0157;
constexpr UINT CB_FINDSTRINGEXACT = 0x0158;
constexpr UINT CB_GETTOPINDEX = 0x015B;
constexpr UINT CB_SETTOPINDEX = 0x015C;
constexpr UINT CB_GETHORIZONTALEXTENT = 0x015D;
constexpr UINT CB_SETHORIZONTALEXTENT = 0x015E;
constexpr UINT CB_GETDROPPEDWIDTH = 0x015F;
constexpr UINT CB_SETDROPPEDWIDTH = 0x0160;
constexpr int CB_OKAY = 0;
constexpr int CB_ERR = -1;

constexpr int CBN_ERRSPACE = -1;
constexpr uint16_t CBN_SELCHANGE = 1;
constexpr uint16_t CBN_DBLCLK = 2;
constexpr uint16_t CBN_SETFOCUS = 3;
constexpr uint16_t CBN_KILLFOCUS = 4;
constexpr uint16_t CBN_EDITCHANGE = 5;
constexpr uint16_t CBN_EDITUPDATE = 6;
constexpr uint16_t CBN_DROPDOWN = 7;
constexpr uint16_t CBN_CLOSEUP = 8;
constexpr uint16_t CBN_SELENDOK = 9;
constexpr uint16_t CBN_SELENDCANCEL = 10;

// ---- list boxes ----
constexpr UINT LB_ADDSTRING = 0x0180;
constexpr UINT LB_INSERTSTRING = 0x0181;
constexpr UINT LB_DELETESTRING = 0x0182;
constexpr UINT LB_SELITEMRANGEEX = 0x0183;
constexpr UINT LB_RESETCONTENT = 0x0184;
constexpr UINT LB_SETSEL = 0x0185;
constexpr UINT LB_SETCURSEL = 0x0186;
constexpr UINT LB_GETSEL = 0x0187;
constexpr UINT LB_GETCURSEL = 0x0188;
constexpr UINT LB_GETTEXT = 0x0189;
constexpr UINT LB_GETTEXTLEN = 0x018A;
constexpr UINT LB_GETCOUNT = 0x018B;
constexpr UINT LB_SELECTSTRING = 0x018C;
constexpr UINT LB_DIR = 0x018D;
constexpr UINT LB_GETTOPINDEX = 0x018E;
constexpr UINT LB_FINDSTRING = 0x018F;
constexpr UINT LB_GETSELCOUNT = 0x0190;
constexpr UINT LB_GETSELITEMS = 0x0191;
constexpr UINT LB_SETTABSTOPS = 0x0192;
constexpr UINT LB_GETHORIZONTALEXTENT = 0x0193;
constexpr UINT LB_SETHORIZONTALEXTENT = 0x0194;
constexpr UINT LB_SETCOLUMNWIDTH = 0x0195;
constexpr UINT LB_SETTOPINDEX = 0x0197;
constexpr UINT LB_GETITEMRECT = 0x0198;
constexpr UINT LB_GETITEMDATA = 0x0199;
constexpr UINT LB_SETITEMDATA = 0x019A;
constexpr UINT LB_SELITEMRANGE = 0x019B;
constexpr UINT LB_SETANCHORINDEX = 0x019C;
constexpr UINT LB_GETANCHORINDEX = 0x019D;
constexpr UINT LB_SETCARETINDEX = 0x019E;
constexpr UINT LB_GETCARETINDEX = 0x019F;
constexpr UINT LB_SETITEMHEIGHT = 0x01A0;
constexpr UINT LB_GETITEMHEIGHT = 0x01A1;
constexpr UINT LB_FINDSTRINGEXACT = 0x01A2;
constexpr UINT LB_SETCOUNT = 0x01A7;
constexpr UINT LB_ITEMFROMPOINT = 0x01A9;
constexpr int LB_OKAY = 0;
constexpr int LB_ERR = -1;
constexpr uint16_t LBN_SELCHANGE = 1;
constexpr uint16_t LBN_DBLCLK = 2;
constexpr uint16_t LBN_SELCANCEL = 3;
constexpr uint16_t LBN_SETFOCUS = 4;
constexpr uint16_t LBN_KILLFOCUS = 5;

// ---- buttons ----
constexpr UINT BM_GETCHECK = 0x00F0;
constexpr UINT BM_SETCHECK = 0x00F1;
constexpr UINT BM_GETSTATE = 0x00F2;
constexpr UINT BM_SETSTATE = 0x00F3;
constexpr UINT BM_SETSTYLE = 0x00F4;
constexpr UINT BM_CLICK = 0x00F5;
constexpr UINT BM_GETIMAGE = 0x00F6;
constexpr UINT BM_SETIMAGE = 0x00F7;
constexpr int BST_UNCHECKED = 0;
constexpr int BST_CHECKED = 1;
constexpr int BST_INDETERMINATE = 2;
constexpr int BST_PUSHED = 4;
constexpr int BST_FOCUS = 8;
constexpr uint16_t BN_CLICKED = 0;
constexpr uint16_t BN_DOUBLECLICKED = 5;
constexpr uint16_t BN_DBLCLK = 5;

// ---- scroll bars ----
constexpr int SB_HORZ = 0;
constexpr int SB_VERT = 1;
constexpr int SB_CTL = 2;
constexpr int SB_BOTH = 3;
constexpr uint16_t SB_LINEUP = 0;
constexpr uint16_t SB_LINELEFT = 0;
constexpr uint16_t SB_LINEDOWN = 1;
constexpr uint16_t SB_LINERIGHT = 1;
constexpr uint16_t SB_PAGEUP = 2;
constexpr uint16_t SB_PAGELEFT = 2;
constexpr uint16_t SB_PAGEDOWN = 3;
constexpr uint16_t SB_PAGERIGHT = 3;
constexpr uint16_t SB_THUMBPOSITION = 4;
constexpr uint16_t SB_THUMBTRACK = 5;
constexpr uint16_t SB_TOP = 6;
constexpr uint16_t SB_LEFT = 6;
constexpr uint16_t SB_BOTTOM = 7;
constexpr uint16_t SB_RIGHT = 7;
constexpr uint16_t SB_ENDSCROLL = 8;
constexpr UINT SBM_SETPOS = 0x00E0;
constexpr UINT SBM_GETPOS = 0x00E1;
constexpr UINT SBM_SETRANGE = 0x00E2;
constexpr UINT SBM_GETRANGE = 0x00E3;
constexpr UINT SBM_SETSCROLLINFO = 0x00E9;
constexpr UINT SBM_GETSCROLLINFO = 0x00EA;
constexpr UINT SIF_RANGE = 0x0001;
constexpr UINT SIF_PAGE = 0x0002;
constexpr UINT SIF_POS = 0x0004;
constexpr UINT SIF_DISABLENOSCROLL = 0x0008;
constexpr UINT SIF_TRACKPOS = 0x0010;
constexpr UINT SIF_ALL = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;
constexpr UINT ESB_ENABLE_BOTH = 0;
constexpr UINT ESB_DISABLE_BOTH = 3;

struct TScrollInfo {
  UINT cbSize = sizeof(TScrollInfo);
  UINT fMask = 0;
  int nMin = 0;
  int nMax = 0;
  UINT nPage = 0;
  int nPos = 0;
  int nTrackPos = 0;
};
using SCROLLINFO = TScrollInfo;

// ---- date-time picker and month calendar ----
constexpr UINT DTM_FIRST = 0x1000;
constexpr UINT DTM_GETSYSTEMTIME = DTM_FIRST + 1;
constexpr UINT DTM_SETSYSTEMTIME = DTM_FIRST + 2;
constexpr UINT DTM_GETRANGE = DTM_FIRST + 3;
constexpr UINT DTM_SETRANGE = DTM_FIRST + 4;
constexpr UINT DTM_SETFORMAT = DTM_FIRST + 5;
constexpr UINT DTM_SETMCCOLOR = DTM_FIRST + 6;
constexpr UINT DTM_GETMCCOLOR = DTM_FIRST + 7;
constexpr UINT DTM_GETMONTHCAL = DTM_FIRST + 8;
constexpr UINT DTM_SETMCFONT = DTM_FIRST + 9;
constexpr UINT DTM_GETMCFONT = DTM_FIRST + 10;
constexpr UINT MCM_FIRST = 0x1000;
constexpr UINT MCM_GETCURSEL = MCM_FIRST + 1;
constexpr UINT MCM_SETCURSEL = MCM_FIRST + 2;
constexpr UINT MCM_GETMAXSELCOUNT = MCM_FIRST + 3;
constexpr UINT MCM_SETMAXSELCOUNT = MCM_FIRST + 4;
constexpr UINT MCM_GETSELRANGE = MCM_FIRST + 5;
constexpr UINT MCM_SETSELRANGE = MCM_FIRST + 6;
constexpr UINT MCM_GETMONTHRANGE = MCM_FIRST + 7;
constexpr UINT MCM_SETDAYSTATE = MCM_FIRST + 8;
constexpr UINT MCM_GETMINREQRECT = MCM_FIRST + 9;
constexpr UINT MCM_SETCOLOR = MCM_FIRST + 10;
constexpr UINT MCM_GETCOLOR = MCM_FIRST + 11;
constexpr UINT MCM_SETTODAY = MCM_FIRST + 12;
constexpr UINT MCM_GETTODAY = MCM_FIRST + 13;
constexpr UINT MCM_HITTEST = MCM_FIRST + 14;
constexpr UINT MCM_SETFIRSTDAYOFWEEK = MCM_FIRST + 15;
constexpr UINT MCM_GETFIRSTDAYOFWEEK = MCM_FIRST + 16;
constexpr UINT MCM_GETRANGE = MCM_FIRST + 17;
constexpr UINT MCM_SETRANGE = MCM_FIRST + 18;

// ---- notification codes (WM_NOTIFY) ----
constexpr int NM_FIRST = 0;
constexpr int NM_CLICK = NM_FIRST - 2;
constexpr int NM_DBLCLK = NM_FIRST - 3;
constexpr int NM_RETURN = NM_FIRST - 4;
constexpr int NM_RCLICK = NM_FIRST - 5;
constexpr int NM_SETFOCUS = NM_FIRST - 7;
constexpr int NM_KILLFOCUS = NM_FIRST - 8;
constexpr int NM_CUSTOMDRAW = NM_FIRST - 12;
constexpr int DTN_FIRST = -760;
constexpr int DTN_DATETIMECHANGE = DTN_FIRST + 1;
constexpr int DTN_DROPDOWN = DTN_FIRST + 6;
constexpr int DTN_CLOSEUP = DTN_FIRST + 7;
constexpr int MCN_FIRST = -750;
constexpr int MCN_SELCHANGE = MCN_FIRST + 1;
constexpr int MCN_GETDAYSTATE = MCN_FIRST + 3;
constexpr int MCN_SELECT = MCN_FIRST + 4;

struct NMHDR {
  HWND hwndFrom = nullptr;
  uintptr_t idFrom = 0;
  int code = 0;
};
using TNMHdr = NMHDR;

// ---- mouse-key flags, dialog codes, hit tests ----
constexpr int WHEEL_DELTA = 120;

constexpr LRESULT DLGC_WANTARROWS = 0x0001;
constexpr LRESULT DLGC_WANTTAB = 0x0002;
constexpr LRESULT DLGC_WANTALLKEYS = 0x0004;
constexpr LRESULT DLGC_WANTMESSAGE = 0x0004;
constexpr LRESULT DLGC_HASSETSEL = 0x0008;
constexpr LRESULT DLGC_DEFPUSHBUTTON = 0x0010;
constexpr LRESULT DLGC_UNDEFPUSHBUTTON = 0x0020;
constexpr LRESULT DLGC_RADIOBUTTON = 0x0040;
constexpr LRESULT DLGC_WANTCHARS = 0x0080;
constexpr LRESULT DLGC_STATIC = 0x0100;
constexpr LRESULT DLGC_BUTTON = 0x2000;

constexpr LRESULT HTERROR = -2;
constexpr LRESULT HTTRANSPARENT = -1;
constexpr LRESULT HTNOWHERE = 0;
constexpr LRESULT HTCLIENT = 1;
constexpr LRESULT HTCAPTION = 2;
constexpr LRESULT HTSYSMENU = 3;
constexpr LRESULT HTGROWBOX = 4;
constexpr LRESULT HTSIZE = 4;
constexpr LRESULT HTMENU = 5;
constexpr LRESULT HTHSCROLL = 6;
constexpr LRESULT HTVSCROLL = 7;
constexpr LRESULT HTMINBUTTON = 8;
constexpr LRESULT HTMAXBUTTON = 9;
constexpr LRESULT HTLEFT = 10;
constexpr LRESULT HTRIGHT = 11;
constexpr LRESULT HTTOP = 12;
constexpr LRESULT HTTOPLEFT = 13;
constexpr LRESULT HTTOPRIGHT = 14;
constexpr LRESULT HTBOTTOM = 15;
constexpr LRESULT HTBOTTOMLEFT = 16;
constexpr LRESULT HTBOTTOMRIGHT = 17;
constexpr LRESULT HTBORDER = 18;
constexpr LRESULT HTCLOSE = 20;
constexpr LRESULT HTHELP = 21;

// ---- show commands, window styles ----
constexpr int SW_HIDE = 0;
constexpr int SW_SHOWNORMAL = 1;
constexpr int SW_NORMAL = 1;
constexpr int SW_SHOWMINIMIZED = 2;
constexpr int SW_SHOWMAXIMIZED = 3;
constexpr int SW_MAXIMIZE = 3;
constexpr int SW_SHOWNOACTIVATE = 4;
constexpr int SW_SHOW = 5;
constexpr int SW_MINIMIZE = 6;
constexpr int SW_SHOWMINNOACTIVE = 7;
constexpr int SW_SHOWNA = 8;
constexpr int SW_RESTORE = 9;
constexpr int SW_SHOWDEFAULT = 10;

constexpr uint32_t WS_OVERLAPPED = 0x00000000;
constexpr uint32_t WS_POPUP = 0x80000000;
constexpr uint32_t WS_CHILD = 0x40000000;
constexpr uint32_t WS_MINIMIZE = 0x20000000;
constexpr uint32_t WS_VISIBLE = 0x10000000;
constexpr uint32_t WS_DISABLED = 0x08000000;
constexpr uint32_t WS_CLIPSIBLINGS = 0x04000000;
constexpr uint32_t WS_CLIPCHILDREN = 0x02000000;
constexpr uint32_t WS_MAXIMIZE = 0x01000000;
constexpr uint32_t WS_CAPTION = 0x00C00000;
constexpr uint32_t WS_BORDER = 0x00800000;
constexpr uint32_t WS_DLGFRAME = 0x00400000;
constexpr uint32_t WS_VSCROLL = 0x00200000;
constexpr uint32_t WS_HSCROLL = 0x00100000;
constexpr uint32_t WS_SYSMENU = 0x00080000;
constexpr uint32_t WS_THICKFRAME = 0x00040000;
constexpr uint32_t WS_GROUP = 0x00020000;
constexpr uint32_t WS_TABSTOP = 0x00010000;
constexpr uint32_t WS_MINIMIZEBOX = 0x00020000;
constexpr uint32_t WS_MAXIMIZEBOX = 0x00010000;
constexpr uint32_t WS_OVERLAPPEDWINDOW =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
constexpr uint32_t WS_POPUPWINDOW = WS_POPUP | WS_BORDER | WS_SYSMENU;

constexpr uint32_t WS_EX_DLGMODALFRAME = 0x00000001;
constexpr uint32_t WS_EX_NOPARENTNOTIFY = 0x00000004;
constexpr uint32_t WS_EX_TOPMOST = 0x00000008;
constexpr uint32_t WS_EX_ACCEPTFILES = 0x00000010;
constexpr uint32_t WS_EX_TRANSPARENT = 0x00000020;
constexpr uint32_t WS_EX_MDICHILD = 0x00000040;
constexpr uint32_t WS_EX_TOOLWINDOW = 0x00000080;
constexpr uint32_t WS_EX_WINDOWEDGE = 0x00000100;
constexpr uint32_t WS_EX_CLIENTEDGE = 0x00000200;
constexpr uint32_t WS_EX_CONTEXTHELP = 0x00000400;
constexpr uint32_t WS_EX_RIGHT = 0x00001000;
constexpr uint32_t WS_EX_RTLREADING = 0x00002000;
constexpr uint32_t WS_EX_LEFTSCROLLBAR = 0x00004000;
constexpr uint32_t WS_EX_CONTROLPARENT = 0x00010000;
constexpr uint32_t WS_EX_STATICEDGE = 0x00020000;
constexpr uint32_t WS_EX_APPWINDOW = 0x00040000;
constexpr uint32_t WS_EX_LAYERED = 0x00080000;
constexpr uint32_t WS_EX_LAYOUTRTL = 0x00400000;
constexpr uint32_t WS_EX_NOACTIVATE = 0x08000000;

constexpr UINT SWP_NOSIZE = 0x0001;
constexpr UINT SWP_NOMOVE = 0x0002;
constexpr UINT SWP_NOZORDER = 0x0004;
constexpr UINT SWP_NOREDRAW = 0x0008;
constexpr UINT SWP_NOACTIVATE = 0x0010;
constexpr UINT SWP_FRAMECHANGED = 0x0020;
constexpr UINT SWP_SHOWWINDOW = 0x0040;
constexpr UINT SWP_HIDEWINDOW = 0x0080;

constexpr UINT RDW_INVALIDATE = 0x0001;
constexpr UINT RDW_INTERNALPAINT = 0x0002;
constexpr UINT RDW_ERASE = 0x0004;
constexpr UINT RDW_VALIDATE = 0x0008;
constexpr UINT RDW_NOERASE = 0x0020;
constexpr UINT RDW_NOCHILDREN = 0x0040;
constexpr UINT RDW_ALLCHILDREN = 0x0080;
constexpr UINT RDW_UPDATENOW = 0x0100;
constexpr UINT RDW_ERASENOW = 0x0200;
constexpr UINT RDW_FRAME = 0x0400;
constexpr UINT RDW_NOFRAME = 0x0800;

constexpr WPARAM SC_SIZE = 0xF000;
constexpr WPARAM SC_MOVE = 0xF010;
constexpr WPARAM SC_MINIMIZE = 0xF020;
constexpr WPARAM SC_MAXIMIZE = 0xF030;
constexpr WPARAM SC_CLOSE = 0xF060;
constexpr WPARAM SC_KEYMENU = 0xF100;
constexpr WPARAM SC_RESTORE = 0xF120;

constexpr WPARAM SIZE_RESTORED = 0;
constexpr WPARAM SIZE_MINIMIZED = 1;
constexpr WPARAM SIZE_MAXIMIZED = 2;
constexpr int WA_INACTIVE = 0;
constexpr int WA_ACTIVE = 1;
constexpr int WA_CLICKACTIVE = 2;
constexpr LRESULT MA_ACTIVATE = 1;
constexpr LRESULT MA_ACTIVATEANDEAT = 2;
constexpr LRESULT MA_NOACTIVATE = 3;
constexpr LRESULT MA_NOACTIVATEANDEAT = 4;

// Key data (LParam of key messages): bit 24 extended key (right-hand
// modifiers, keypad Enter, the navigation block), bit 29 Alt, bit 30 repeat, bit 31 up.
constexpr uint16_t KF_EXTENDED = 0x0100;
constexpr uint16_t KF_ALTDOWN = 0x2000;
constexpr uint16_t KF_REPEAT = 0x4000;
constexpr uint16_t KF_UP = 0x8000;

// ---- message boxes ----
constexpr UINT MB_OK = 0x0000;
constexpr UINT MB_OKCANCEL = 0x0001;
constexpr UINT MB_ABORTRETRYIGNORE = 0x0002;
constexpr UINT MB_YESNOCANCEL = 0x0003;
constexpr UINT MB_YESNO = 0x0004;
constexpr UINT MB_RETRYCANCEL = 0x0005;
constexpr UINT MB_ICONHAND = 0x0010;
constexpr UINT MB_ICONERROR = 0x0010;
constexpr UINT MB_ICONSTOP = 0x0010;
constexpr UINT MB_ICONQUESTION = 0x0020;
constexpr UINT MB_ICONEXCLAMATION = 0x0030;
constexpr UINT MB_ICONWARNING = 0x0030;
constexpr UINT MB_ICONASTERISK = 0x0040;
constexpr UINT MB_ICONINFORMATION = 0x0040;
constexpr UINT MB_DEFBUTTON1 = 0x0000;
constexpr UINT MB_DEFBUTTON2 = 0x0100;
constexpr UINT MB_DEFBUTTON3 = 0x0200;
constexpr UINT MB_APPLMODAL = 0x0000;
constexpr UINT MB_SYSTEMMODAL = 0x1000;
constexpr UINT MB_TASKMODAL = 0x2000;
constexpr UINT MB_SETFOREGROUND = 0x10000;
constexpr UINT MB_TOPMOST = 0x40000;
constexpr UINT MB_TYPEMASK = 0x000F;
constexpr UINT MB_ICONMASK = 0x00F0;
constexpr UINT MB_DEFMASK = 0x0F00;

constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDABORT = 3;
constexpr int IDRETRY = 4;
constexpr int IDIGNORE = 5;
constexpr int IDYES = 6;
constexpr int IDNO = 7;
constexpr int IDCLOSE = 8;
constexpr int IDHELP = 9;

// ---- hooks and queue peeking ----
constexpr int WH_KEYBOARD = 2;
constexpr int WH_GETMESSAGE = 3;
constexpr int WH_CALLWNDPROC = 4;
constexpr int WH_MOUSE = 7;
constexpr int WH_CALLWNDPROCRET = 12;
constexpr int HC_ACTION = 0;
constexpr UINT PM_NOREMOVE = 0x0000;
constexpr UINT PM_REMOVE = 0x0001;

// ---- the message and its typed views ----
struct TMessage {
  UINT Msg = 0;
  WPARAM WParam = 0;
  LPARAM LParam = 0;
  LRESULT Result = 0;

  uint16_t WParamLo() const { return LoWord(WParam); }
  uint16_t WParamHi() const { return HiWord(WParam); }
  uint16_t LParamLo() const { return LoWord(static_cast<uintptr_t>(LParam)); }
  uint16_t LParamHi() const { return HiWord(static_cast<uintptr_t>(LParam)); }
};

// A queued message as PeekMessage returns it.
struct TMsg {
  HWND hwnd = nullptr;
  UINT message = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
  uint32_t time = 0;
  TPoint pt;
};
using MSG = TMsg;

// Base of the views: the message number and the result a handler sets.
struct TMessageView {
  UINT Msg = 0;
  LRESULT Result = 0;
  TMessage* Source = nullptr;  // the message this view was read from
  explicit TMessageView(const TMessage& m)
      : Msg(m.Msg), Result(m.Result), Source(const_cast<TMessage*>(&m)) {}
  void WriteTo(TMessage& m) const { m.Result = Result; }
};
using TWMNoParams = TMessageView;

// Key messages; a handler may clear CharCode to swallow the key.
// WM_CHAR carries a code point, so CharCode is wider than a key code needs.
struct TWMKey : TMessageView {
  uint32_t CharCode = 0;
  int32_t KeyData = 0;
  explicit TWMKey(const TMessage& m)
      : TMessageView(m), CharCode(static_cast<uint32_t>(m.WParam)), KeyData(static_cast<int32_t>(m.LParam)) {}
  void WriteTo(TMessage& m) const {
    m.Result = Result;
    m.WParam = CharCode;
  }
};
using TWMKeyDown = TWMKey;
using TWMKeyUp = TWMKey;
using TWMChar = TWMKey;
using TWMSysKeyDown = TWMKey;
using TWMSysChar = TWMKey;
using TCMDialogKey = TWMKey;
using TCMDialogChar = TWMKey;
using TCMWantSpecialKey = TWMKey;
using TCMChildKey = TWMKey;

// Mouse messages: client coordinates, MK_ flags in Keys.
struct TWMMouse : TMessageView {
  WPARAM Keys = 0;
  int16_t XPos = 0;
  int16_t YPos = 0;
  explicit TWMMouse(const TMessage& m)
      : TMessageView(m), Keys(m.WParam),
        XPos(static_cast<int16_t>(m.LParamLo())), YPos(static_cast<int16_t>(m.LParamHi())) {}
  TPoint Pos() const { return {XPos, YPos}; }
  using TMessageView::WriteTo;
};
using TWMLButtonDown = TWMMouse;
using TWMLButtonUp = TWMMouse;
using TWMLButtonDblClk = TWMMouse;
using TWMRButtonDown = TWMMouse;
using TWMRButtonUp = TWMMouse;
using TWMMButtonDown = TWMMouse;
using TWMMouseMove = TWMMouse;
using TWMNCHitTest = TWMMouse;  // screen coordinates
using TCMHitTest = TWMMouse;    // client coordinates; Result HTCLIENT when the control is hit

// WM_MOUSEWHEEL: MK_ flags low, signed delta high; screen coordinates.
struct TWMMouseWheel : TMessageView {
  uint16_t Keys = 0;
  int16_t WheelDelta = 0;
  int16_t XPos = 0;
  int16_t YPos = 0;
  explicit TWMMouseWheel(const TMessage& m)
      : TMessageView(m), Keys(m.WParamLo()), WheelDelta(static_cast<int16_t>(m.WParamHi())),
        XPos(static_cast<int16_t>(m.LParamLo())), YPos(static_cast<int16_t>(m.LParamHi())) {}
  TPoint Pos() const { return {XPos, YPos}; }
  using TMessageView::WriteTo;
};
using TCMMouseWheel = TWMMouseWheel;

// WM_SETFOCUS / WM_KILLFOCUS: the window losing (gaining) the focus.
struct TWMSetFocus : TMessageView {
  HWND FocusedWnd = nullptr;
  explicit TWMSetFocus(const TMessage& m) : TMessageView(m), FocusedWnd(ToHWND(m.WParam)) {}
  using TMessageView::WriteTo;
};
using TWMKillFocus = TWMSetFocus;

struct TWMTimer : TMessageView {
  uintptr_t TimerID = 0;
  explicit TWMTimer(const TMessage& m) : TMessageView(m), TimerID(m.WParam) {}
  using TMessageView::WriteTo;
};

struct TWMSize : TMessageView {
  WPARAM SizeType = 0;
  uint16_t Width = 0;
  uint16_t Height = 0;
  explicit TWMSize(const TMessage& m)
      : TMessageView(m), SizeType(m.WParam), Width(m.LParamLo()), Height(m.LParamHi()) {}
  using TMessageView::WriteTo;
};

struct TWMMove : TMessageView {
  int16_t XPos = 0;
  int16_t YPos = 0;
  explicit TWMMove(const TMessage& m)
      : TMessageView(m), XPos(static_cast<int16_t>(m.LParamLo())), YPos(static_cast<int16_t>(m.LParamHi())) {}
  using TMessageView::WriteTo;
};

// WM_HSCROLL / WM_VSCROLL: SB_ code low, thumb position high, bar window in LParam.
struct TWMScroll : TMessageView {
  uint16_t ScrollCode = 0;
  int16_t Pos = 0;
  HWND ScrollBar = nullptr;
  explicit TWMScroll(const TMessage& m)
      : TMessageView(m), ScrollCode(m.WParamLo()), Pos(static_cast<int16_t>(m.WParamHi())),
        ScrollBar(ToHWND(static_cast<uintptr_t>(m.LParam))) {}
  using TMessageView::WriteTo;
};
using TWMHScroll = TWMScroll;
using TWMVScroll = TWMScroll;

class TCanvas;
// WM_PAINT / WM_ERASEBKGND / WM_PRINTCLIENT: a canvas to draw on when the
// caller supplies one (PaintTo, printing); null means the control's own surface.
struct TWMPaint : TMessageView {
  TCanvas* Canvas = nullptr;
  TCanvas* DC = nullptr;  // the same canvas, under its device-context name
  explicit TWMPaint(const TMessage& m)
      : TMessageView(m), Canvas(reinterpret_cast<TCanvas*>(m.WParam)), DC(Canvas) {}
  using TMessageView::WriteTo;
};
using TWMEraseBkgnd = TWMPaint;
using TWMNCPaint = TWMPaint;

struct TWMCommand : TMessageView {
  uint16_t ItemID = 0;
  uint16_t NotifyCode = 0;
  HWND Ctl = nullptr;
  explicit TWMCommand(const TMessage& m)
      : TMessageView(m), ItemID(m.WParamLo()), NotifyCode(m.WParamHi()),
        Ctl(ToHWND(static_cast<uintptr_t>(m.LParam))) {}
  using TMessageView::WriteTo;
};

struct TWMNotify : TMessageView {
  uintptr_t IDCtrl = 0;
  NMHDR* NMHdr = nullptr;
  explicit TWMNotify(const TMessage& m)
      : TMessageView(m), IDCtrl(m.WParam), NMHdr(reinterpret_cast<NMHDR*>(m.LParam)) {}
  using TMessageView::WriteTo;
};

struct TWMSetCursor : TMessageView {
  HWND CursorWnd = nullptr;
  int16_t HitTest = 0;
  uint16_t MouseMsg = 0;
  explicit TWMSetCursor(const TMessage& m)
      : TMessageView(m), CursorWnd(ToHWND(m.WParam)),
        HitTest(static_cast<int16_t>(m.LParamLo())), MouseMsg(m.LParamHi()) {}
  using TMessageView::WriteTo;
};

// WM_GETDLGCODE: LParam points at the key message being asked about, if any.
struct TWMGetDlgCode : TMessageView {
  TMsg* MsgInfo = nullptr;
  explicit TWMGetDlgCode(const TMessage& m) : TMessageView(m), MsgInfo(reinterpret_cast<TMsg*>(m.LParam)) {}
  using TMessageView::WriteTo;
};

struct THintInfo;
struct TCMHintShow : TMessageView {
  THintInfo* HintInfo = nullptr;
  explicit TCMHintShow(const TMessage& m) : TMessageView(m), HintInfo(reinterpret_cast<THintInfo*>(m.LParam)) {}
  using TMessageView::WriteTo;
};

struct TWMContextMenu : TMessageView {
  HWND hWnd = nullptr;
  int16_t XPos = 0;  // screen; -1,-1 when raised from the keyboard
  int16_t YPos = 0;
  explicit TWMContextMenu(const TMessage& m)
      : TMessageView(m), hWnd(ToHWND(m.WParam)),
        XPos(static_cast<int16_t>(m.LParamLo())), YPos(static_cast<int16_t>(m.LParamHi())) {}
  TPoint Pos() const { return {XPos, YPos}; }
  using TMessageView::WriteTo;
};

struct TWindowPos {
  HWND hwnd = nullptr;
  HWND hwndInsertAfter = nullptr;
  int x = 0;
  int y = 0;
  int cx = 0;
  int cy = 0;
  UINT flags = 0;
};
struct TWMWindowPosMsg : TMessageView {
  TWindowPos* WindowPos = nullptr;
  explicit TWMWindowPosMsg(const TMessage& m)
      : TMessageView(m), WindowPos(reinterpret_cast<TWindowPos*>(m.LParam)) {}
  using TMessageView::WriteTo;
};
using TWMWindowPosChanging = TWMWindowPosMsg;
using TWMWindowPosChanged = TWMWindowPosMsg;

// WM_NCCALCSIZE: Rect[0] comes in as the window rectangle (parent
// coordinates) and goes out as the client rectangle.
struct TNCCalcSizeParams {
  TRect rgrc[3];
  TWindowPos* lppos = nullptr;
};
struct TWMNCCalcSize : TMessageView {
  bool CalcValidRects = false;
  TNCCalcSizeParams* CalcSize_Params = nullptr;
  explicit TWMNCCalcSize(const TMessage& m)
      : TMessageView(m), CalcValidRects(m.WParam != 0),
        CalcSize_Params(reinterpret_cast<TNCCalcSizeParams*>(m.LParam)) {}
  using TMessageView::WriteTo;
};

struct TWMActivate : TMessageView {
  uint16_t Active = 0;  // WA_ code
  bool Minimized = false;
  HWND ActiveWindow = nullptr;  // the window on the other side of the change
  explicit TWMActivate(const TMessage& m)
      : TMessageView(m), Active(m.WParamLo()), Minimized(m.WParamHi() != 0),
        ActiveWindow(ToHWND(static_cast<uintptr_t>(m.LParam))) {}
  using TMessageView::WriteTo;
};

struct TWMMouseActivate : TMessageView {
  HWND TopLevel = nullptr;
  int16_t HitTestCode = 0;
  uint16_t MouseMsg = 0;
  explicit TWMMouseActivate(const TMessage& m)
      : TMessageView(m), TopLevel(ToHWND(m.WParam)),
        HitTestCode(static_cast<int16_t>(m.LParamLo())), MouseMsg(m.LParamHi()) {}
  using TMessageView::WriteTo;
};

struct TWMSysCommand : TMessageView {
  WPARAM CmdType = 0;
  int16_t XPos = 0;
  int16_t YPos = 0;
  explicit TWMSysCommand(const TMessage& m)
      : TMessageView(m), CmdType(m.WParam),
        XPos(static_cast<int16_t>(m.LParamLo())), YPos(static_cast<int16_t>(m.LParamHi())) {}
  using TMessageView::WriteTo;
};

struct TWMShowWindow : TMessageView {
  bool Show = false;
  LPARAM Status = 0;
  explicit TWMShowWindow(const TMessage& m) : TMessageView(m), Show(m.WParam != 0), Status(m.LParam) {}
  using TMessageView::WriteTo;
};

struct TWMCaptureChanged : TMessageView {
  HWND NewCapture = nullptr;  // the window taking the capture, if any
  explicit TWMCaptureChanged(const TMessage& m)
      : TMessageView(m), NewCapture(ToHWND(static_cast<uintptr_t>(m.LParam))) {}
  using TMessageView::WriteTo;
};

class TControl;
class TWinControl;
// CM_ messages whose LParam names a control (CM_CANCELMODE, CM_FOCUSCHANGED,
// CM_CONTROLCHANGE, CM_CONTROLLISTCHANGE, CM_MOUSEENTER/LEAVE).
struct TCMControlMsg : TMessageView {
  WPARAM Param = 0;
  TControl* Control = nullptr;
  explicit TCMControlMsg(const TMessage& m)
      : TMessageView(m), Param(m.WParam), Control(reinterpret_cast<TControl*>(m.LParam)) {}
  using TMessageView::WriteTo;
};
using TCMCancelMode = TCMControlMsg;
using TCMMouseEnter = TCMControlMsg;
using TCMMouseLeave = TCMControlMsg;
using TCMControlChange = TCMControlMsg;
using TCMControlListChange = TCMControlMsg;

struct TCMFocusChanged : TMessageView {
  TWinControl* Sender = nullptr;
  explicit TCMFocusChanged(const TMessage& m)
      : TMessageView(m), Sender(reinterpret_cast<TWinControl*>(m.LParam)) {}
  using TMessageView::WriteTo;
};

// Runs a handler on a typed view and writes the view back into the message.
template <typename View, typename F>
void HandleAs(TMessage& m, F&& handler) {
  View v(m);
  handler(v);
  v.WriteTo(m);
}

// Named messages: the same name gives the same number, from 0xC000 upwards.
UINT RegisterWindowMessage(const std::string& name);
