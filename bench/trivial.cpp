// A process that starts and ends: the floor for a second start of Lumaplay. Like any
// program that talks to a window, it is linked to the window manager's DLL, which a
// process loads and connects at start.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    if (commandLine[0] == '\x01')
        ::MessageBeep(0);
    return 0;
}
