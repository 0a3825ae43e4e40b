// What the main window's button panel decides: which layer the selector shows, the hover
// text of a button, the set-up before a button's key dialog opens, and the context menu's
// actions on a button. The window only turns mouse and menu events into these calls and
// refreshes the captions of the buttons a call reports as touched.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tolvane/app/TextTable.h"
#include "tolvane/image/KeyboardImage.h"
#include "tolvane/legend/LegendLabels.h"

namespace tolvane {

// Buttons whose caption must be refreshed after a change, in order.
using TouchedButtons = std::vector<int>;

// The layer a selector entry names ("Layer1".."Layer6"); none for any other text.
std::optional<int> LayerOfSelectorText(std::string_view text);

// Shows the named layer: sets currentLayer. Every button is touched; nothing changes for a
// text that names no layer.
TouchedButtons SelectLayer(KeyboardImage& image, std::string_view selectorText);

// The key information box's text for a button: every layer's text with its prefix and a
// space, or, on a layer-key button, its first layer's text alone. Empty outside 1..84.
std::string HoverText(const KeyboardImage& image, int button, InterfaceLanguage language);

// The button's tool tip: every layer's whole text, from its codes, one layer a line with its
// prefix, so that a caption cut to "LAlt..." is never the end of the story. Empty for a button
// with nothing on any layer, and outside 1..84.
std::string ToolTipText(const KeyboardImage& image, int button, InterfaceLanguage language);
// The window's tool tip: the button's number first ("Button 67"), then its legend label on the
// current layer on a line of its own, then the layers' texts.
std::string ToolTipText(const KeyboardImage& image, const LegendLabels& labels, int button,
                        InterfaceLanguage language);

// "Button 67": how the window names a button where its number matters (its tool tip, the
// key dialog's title, the list of the buttons not on the panel).
std::string ButtonNumberText(int button, InterfaceLanguage language);

// What a screen reader hears for a panel button: its number and the caption it shows
// ("Button 67: Enter"), the number alone when the caption is empty. The description is the
// hover text.
std::string PanelButtonAccessibleName(int button, std::string_view caption,
                                      InterfaceLanguage language);

// A row of the list of the eighteen buttons no key shows: the button and every layer's whole
// text, so that what the panel cannot show can still be read, programmed and cleared.
struct UnshownButtonRow {
    int button = 0;
    std::array<std::string, LayerCount> layerTexts;
};
std::vector<UnshownButtonRow> UnshownButtonRows(const KeyboardImage& image);

// Before the key dialog opens for a button on the current layer.
void PrepareKeyDialogForButton(KeyboardImage& image, int button);

// Context menu: "Delete the current layer data" clears the current layer, or all six of a
// layer-key button; "Delete all layer data" clears all six. Either way the button is no
// longer a layer key. editCount is kept: it counts the edits of the dialog session.
TouchedButtons DeleteCurrentLayer(KeyboardImage& image, int button);
TouchedButtons DeleteAllLayers(KeyboardImage& image, int button);

// The caption of a panel button on the current layer. With showLabels, a button that has a
// legend label there shows the whole label, which the button wraps at its spaces and ends
// with an ellipsis where it does not fit; otherwise, and by default, the caption of the
// display-text rule. The button's texts are derived as for any refresh.
std::string PanelCaption(KeyboardImage& image, const LegendLabels& labels, int button,
                         bool showLabels);

// "Button layer set": the button sends the layer key on all six layers. A code that is no
// layer key changes nothing, so a dismissed choice never loses the button's assignment.
TouchedButtons MakeLayerKey(KeyboardImage& image, int button, KeyCode layerKey);

}  // namespace tolvane
