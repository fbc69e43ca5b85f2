// The entry point: the application object is made here and run.
#include <windows.h>

#include "app/player_app.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    CPlayerApp app;
    return app.Run(instance);
}
