// UTF-8 source: the settings organisation is a Chinese name.
#include "gui/qt/app/CTolvaneApp.h"

#include <QApplication>
#include <cstdio>
#include <memory>

#include "gui/kit/DialogFont.h"
#include "gui/model/VirtualKeyboardRig.h"
#include "gui/qt/app/CTolvaneDlg.h"
#include "tolvane/app/FileLocations.h"
#include "tolvane/files/Backups.h"

#ifndef TOLVANE_DOC_DIR
#define TOLVANE_DOC_DIR ""
#endif

// The artwork is compiled into a static library, whose resources are registered by hand.
static void RegisterArtwork() {
    Q_INIT_RESOURCE(tolvane);
}

namespace tolvane::gui {

void CTolvaneApp::Initialise() {
    RegisterArtwork();
    QCoreApplication::setOrganizationName(QString::fromUtf8(kSettingsOrganisation));
    QCoreApplication::setApplicationName(kApplicationName);
    QGuiApplication::setDesktopFileName(kDesktopEntryName);
    InstallFontSubstitutes();
    QApplication::setFont(DialogFont());
}

int CTolvaneApp::Run(int argc, char** argv) {
    QApplication application(argc, argv);
    Initialise();

    std::vector<std::string> arguments;
    for (const QString& argument : QCoreApplication::arguments().mid(1)) {
        arguments.push_back(argument.toStdString());
    }
    const CommandLine line = ParseCommandLine(arguments);
    if (line.help || !line.error.empty()) {
        if (!line.error.empty()) {
            std::fprintf(stderr, "tolvane: %s\n", line.error.c_str());
        }
        std::fputs(kCommandLineUsage, line.help ? stdout : stderr);
        return line.help ? 0 : 2;
    }

    std::unique_ptr<VirtualKeyboardRig> virtualKeyboard;
    if (line.virtualKeyboard) {
        virtualKeyboard = std::make_unique<VirtualKeyboardRig>(line.stateFile);
    }
    ProgramSetup setup;
    setup.programFolder = QCoreApplication::applicationDirPath().toStdU16String();
    setup.userConfigFolder = UserConfigFolder();
    setup.backupFolder = BackupFolder();
    if (std::string_view(TOLVANE_DOC_DIR).size() > 0) {
        setup.documentationFolders.emplace_back(TOLVANE_DOC_DIR);
    }
    setup.virtualKeyboard = virtualKeyboard.get();

    // One image for the whole program, on the heap: it is over a megabyte.
    auto image = std::make_unique<KeyboardImage>();
    LanguageState language;
    {
        CTolvaneDlg window(*image, language, std::move(setup));
        if (!line.dataFile.empty()) {
            // Shown first, so that a message about the file has its window behind it.
            window.show();
            window.OpenDataFile(QString::fromStdString(line.dataFile));
        }
        window.exec();
    }
    return 0;
}

}  // namespace tolvane::gui
