// The main window's Open and Save commands: the file dialogs, and what is said when a file
// cannot be read or written. The legend labels go with the data file: they are loaded from
// and saved to the labels file beside it.
#pragma once

#include <QWidget>

#include "gui/model/FileCommandRules.h"
#include "tolvane/app/LanguageState.h"
#include "tolvane/files/DataFileCommands.h"

namespace tolvane::gui {

// Loads a file the user chooses. True when the image took the file, so the captions must be
// refreshed; a load that fails at any point changes nothing.
bool RunOpenCommand(QWidget* mainWindow, KeyboardImage& image, LegendLabels& labels,
                    DataFileCommands& files, const LanguageState& language);

// Loads the file given, telling the user what went wrong as the Open command does. True when
// the image changed.
bool LoadDataFile(QWidget* mainWindow, KeyboardImage& image, LegendLabels& labels,
                  DataFileCommands& files, const LanguageState& language, const QString& file);

// Saves the image to a file the user names; the old file stays as it was when that fails.
// True when the data file and its labels file were written.
bool RunSaveCommand(QWidget* mainWindow, const KeyboardImage& image, const LegendLabels& labels,
                    DataFileCommands& files, const LanguageState& language);

// A data file's name without its folder, in UTF-8, as the window title shows it.
std::string DisplayedFileName(const std::filesystem::path& path);

}  // namespace tolvane::gui
