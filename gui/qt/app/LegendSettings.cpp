#include "gui/qt/app/LegendSettings.h"

#include <QSettings>

#include "gui/model/RememberedOptions.h"

namespace tolvane::gui {

namespace {

// Values as the store gives them back (text, in the settings file); none for a value that is
// missing or is no number or truth value.
std::optional<double> StoredNumber(const QSettings& settings, const char* name) {
    bool ok = false;
    const double value = settings.value(name).toDouble(&ok);
    return ok ? std::optional(value) : std::nullopt;
}

std::optional<bool> StoredFlag(const QSettings& settings, const char* name) {
    const QString value = settings.value(name).toString();
    if (value == QStringLiteral("true")) {
        return true;
    }
    if (value == QStringLiteral("false")) {
        return false;
    }
    return std::nullopt;
}

}  // namespace

bool ReadViewOption(const char* name) {
    QSettings settings;
    settings.beginGroup(kRememberedOptionsSection);
    return StoredFlag(settings, name).value_or(false);
}

void RememberViewOption(const char* name, bool on) {
    QSettings settings;
    settings.beginGroup(kRememberedOptionsSection);
    settings.setValue(name, on);
}

RememberedLegendChoices ReadLegendChoices() {
    QSettings settings;
    settings.beginGroup(kRememberedOptionsSection);
    RememberedLegendChoices choices;
    choices.paper = settings.value(kLegendPaperOption).toString().toStdString();
    choices.keyPitchMm = StoredNumber(settings, kLegendKeyPitchOption);
    choices.useLabels = StoredFlag(settings, kLegendUseLabelsOption);
    return choices;
}

void RememberLegendChoices(const RememberedLegendChoices& choices) {
    QSettings settings;
    settings.beginGroup(kRememberedOptionsSection);
    settings.setValue(kLegendPaperOption, QString::fromStdString(choices.paper));
    if (choices.keyPitchMm) {
        settings.setValue(kLegendKeyPitchOption, *choices.keyPitchMm);
    }
    if (choices.useLabels) {
        settings.setValue(kLegendUseLabelsOption, *choices.useLabels);
    }
}

}  // namespace tolvane::gui
