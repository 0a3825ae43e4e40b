// A host program built against the installed libvaskor-dev through pkg-config: it compiles
// with the public headers alone, links, loads the library and asks for the keyboard.
#include <vaskor/CardSettings.h>
#include <vaskor/VX30Interface.h>

#include <cstdio>

int main() {
    CVX30Interface keyboard;
    std::printf("keyboard attached: %s\n", keyboard.IsVX30Existed() ? "yes" : "no");
    const vaskor::CardSettingsRecord card = vaskor::BuildCardSettings({1, true, true, u"%", u"?"});
    keyboard.SetCard(card.data(), card.size());  // no channel is open: nothing is sent
    return 0;
}
