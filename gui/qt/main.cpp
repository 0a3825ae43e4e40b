#include "gui/qt/app/CTolvaneApp.h"

int main(int argc, char** argv) {
    return tolvane::gui::CTolvaneApp::Run(argc, argv);
}
