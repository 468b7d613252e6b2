#include "X11ScreenSize.h"

#include <X11/Xlib.h>

bool X11ScreenSize(int& Width, int& Height) {
  Display* dpy = XOpenDisplay(nullptr);
  if (dpy == nullptr) return false;
  Width = DisplayWidth(dpy, DefaultScreen(dpy));
  Height = DisplayHeight(dpy, DefaultScreen(dpy));
  XCloseDisplay(dpy);
  return true;
}
