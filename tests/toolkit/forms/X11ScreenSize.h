#pragma once
// The size of the X display's default screen, asked of Xlib directly (Xlib's
// names clash with the toolkit's, so it has a file of its own).

// False when no display can be opened.
bool X11ScreenSize(int& Width, int& Height);
