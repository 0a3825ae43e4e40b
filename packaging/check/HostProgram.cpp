// A host program built against the installed libvaskor-dev through pkg-config: it compiles
// with the public header alone, links, loads the library and asks for the keyboard.
#include <vaskor/VX30Interface.h>

#include <cstdio>

int main() {
    CVX30Interface keyboard;
    std::printf("keyboard attached: %s\n", keyboard.IsVX30Existed() ? "yes" : "no");
    return 0;
}
