#pragma once
// The program's windows, created once at start-up in the order the program
// shows them, the main window first. The application registers here the
// windows of the other layers among those a language change reaches, so that
// they need not know the main window.

void Create_Windows();
