// The window tests' main: the common controls and the drawing library for the whole run.
#include <gtest/gtest.h>

#include "gui/win32/Artwork.h"
#include "gui/win32/CTolvaneApp.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    tolvane::gui::win32::CTolvaneApp::Initialise();
    const tolvane::gui::win32::ArtworkSession artwork;
    return RUN_ALL_TESTS();
}
