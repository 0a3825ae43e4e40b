#include <windows.h>

#include "gui/win32/CTolvaneApp.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    return tolvane::gui::win32::CTolvaneApp::Run();
}
