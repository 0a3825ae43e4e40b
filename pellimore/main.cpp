#include "pellimore/CPellimoreApp.h"

int main(int argc, char** argv) {
    return pellimore::CPellimoreApp::Run(argc, argv);
}
