#include "platform/display/x11/X11Keys.h"

#include <X11/XF86keysym.h>
#include <X11/keysym.h>

#include "platform/display/VirtualKeys.h"

namespace platform {

X11Key KeysymToVirtualKey(unsigned long sym) {
  if (sym >= XK_a && sym <= XK_z) return {static_cast<uint16_t>('A' + (sym - XK_a)), false};
  if (sym >= XK_A && sym <= XK_Z) return {static_cast<uint16_t>('A' + (sym - XK_A)), false};
  if (sym >= XK_0 && sym <= XK_9) return {static_cast<uint16_t>('0' + (sym - XK_0)), false};
  if (sym >= XK_F1 && sym <= XK_F24) return {static_cast<uint16_t>(VK_F1 + (sym - XK_F1)), false};
  if (sym >= XK_KP_0 && sym <= XK_KP_9) return {static_cast<uint16_t>(VK_NUMPAD0 + (sym - XK_KP_0)), false};
  static const struct {
    unsigned long sym;
    uint16_t vk;
    bool extended;
  } table[] = {
      {XK_Return, VK_RETURN, false},     {XK_KP_Enter, VK_RETURN, true},    {XK_Escape, VK_ESCAPE, false},
      {XK_Tab, VK_TAB, false},           {XK_ISO_Left_Tab, VK_TAB, false},  {XK_BackSpace, VK_BACK, false},
      {XK_space, VK_SPACE, false},       {XK_Insert, VK_INSERT, true},      {XK_Delete, VK_DELETE, true},
      {XK_Home, VK_HOME, true},          {XK_End, VK_END, true},            {XK_Page_Up, VK_PRIOR, true},
      {XK_Page_Down, VK_NEXT, true},     {XK_Left, VK_LEFT, true},          {XK_Up, VK_UP, true},
      {XK_Right, VK_RIGHT, true},        {XK_Down, VK_DOWN, true},          {XK_KP_Insert, VK_INSERT, false},
      {XK_KP_Delete, VK_DELETE, false},  {XK_KP_Home, VK_HOME, false},      {XK_KP_End, VK_END, false},
      {XK_KP_Page_Up, VK_PRIOR, false},  {XK_KP_Page_Down, VK_NEXT, false}, {XK_KP_Left, VK_LEFT, false},
      {XK_KP_Up, VK_UP, false},          {XK_KP_Right, VK_RIGHT, false},    {XK_KP_Down, VK_DOWN, false},
      {XK_KP_Begin, VK_CLEAR, false},    {XK_KP_Multiply, VK_MULTIPLY, false}, {XK_KP_Add, VK_ADD, false},
      {XK_KP_Subtract, VK_SUBTRACT, false}, {XK_KP_Decimal, VK_DECIMAL, false}, {XK_KP_Separator, VK_SEPARATOR, false},
      {XK_KP_Divide, VK_DIVIDE, true},   {XK_Shift_L, VK_SHIFT, false},     {XK_Shift_R, VK_SHIFT, false},
      {XK_Control_L, VK_CONTROL, false}, {XK_Control_R, VK_CONTROL, true},  {XK_Alt_L, VK_MENU, false},
      {XK_Alt_R, VK_MENU, true},         {XK_ISO_Level3_Shift, VK_MENU, true}, {XK_Meta_L, VK_MENU, false},
      {XK_Super_L, VK_LWIN, true},       {XK_Super_R, VK_RWIN, true},       {XK_Menu, VK_APPS, true},
      {XK_Caps_Lock, VK_CAPITAL, false}, {XK_Num_Lock, VK_NUMLOCK, true},   {XK_Scroll_Lock, VK_SCROLL, false},
      {XK_Pause, VK_PAUSE, false},       {XK_Print, VK_SNAPSHOT, true},     {XK_semicolon, VK_OEM_1, false},
      {XK_equal, VK_OEM_PLUS, false},    {XK_comma, VK_OEM_COMMA, false},   {XK_minus, VK_OEM_MINUS, false},
      {XK_period, VK_OEM_PERIOD, false}, {XK_slash, VK_OEM_2, false},       {XK_grave, VK_OEM_3, false},
      {XK_bracketleft, VK_OEM_4, false}, {XK_backslash, VK_OEM_5, false},   {XK_bracketright, VK_OEM_6, false},
      {XK_apostrophe, VK_OEM_7, false},  {XK_less, VK_OEM_102, false},      {XK_Help, VK_HELP, false},
  };
  for (const auto& e : table)
    if (e.sym == sym) return {e.vk, e.extended};
  return {0, false};
}

}  // namespace platform
