#include <windows.h>

#include "pellimore/win32/CPellimoreApp.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    return pellimore::win32::CPellimoreApp::Run();
}
