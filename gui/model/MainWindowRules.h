// UTF-8 source: the settings organisation is a Chinese name.
// Small decisions of the main window that every front end shares: which picture shows the
// connection, which message ends a transfer, where the user manual is.
#pragma once

#include <filesystem>
#include <optional>
#include <span>

#include "tolvane/app/TextTable.h"
#include "tolvane/link/DeviceWatch.h"
#include "tolvane/link/TransferMonitor.h"

namespace tolvane::gui {

// The per-user settings live under this organisation and the program's name.
inline constexpr const char* kSettingsOrganisation = "应用程序向导生成的本地应用程序";
inline constexpr const char* kApplicationName = "Tolvane";

inline constexpr const char* kManualFileName = "MZR-40 User Manual.pdf";

// The connection picture's bitmap number for the search result in this language.
int ConnectionPictureId(ConnectionPicture picture, InterfaceLanguage language);

// The message that tells how a transfer ended.
TextId TransferOutcomeText(TransferOutcome outcome);

// The user manual in the first of the folders that holds it; none when none does.
std::optional<std::filesystem::path> FindUserManual(std::span<const std::filesystem::path> folders);

}  // namespace tolvane::gui
