// UTF-8 source: the Chinese texts are written as they are shown.
#include "tolvane/app/TextTable.h"

#include <array>

namespace tolvane {

namespace {

constexpr std::size_t kTextCount = static_cast<std::size_t>(TextId::kCount);

// Chinese first, English second, in the order of TextId.
constexpr std::array<TextPair, kTextCount> kTexts = {{
    {"请链接键盘进入编程状态", "Please connecting the keyboard"},
    {"是否确认删除？", "To confirm the deletion!"},
    {"清除所有设置！！", "Clear all settings!!"},
    {"正在传送...", "Data is being transmitted..."},
    {"数据正在传送请稍后...\n\n    注意：数据传送过程中不要进行其他操作！",
     "Please wait data is being transmitted...\n\n    Note: Do not perform other operations "
     "when the data is transfering！"},
    {"数据传送失败！", "Data transmission failure!!"},
    {"键盘数据读取成功！", "Keyboard data reading success!!"},
    {"键盘数据写入成功！", "Keyboard data is successfully written!!"},
    {"删除本层", "Delete the current layer data"},
    {"全部删除", "Delete all layer data"},
    {"层按键设置", "Button layer set"},
    {"第一层", "Layer1"},
    {"第二层", "Layer2"},
    {"第三层", "Layer3"},
    {"第四层", "Layer4"},
    {"第五层", "Layer5"},
    {"第六层", "Layer6"},

    {"选择层", "Layer Selecting"},
    {"温馨提示!", "Tips!"},
    {"安装IO_device失败,请您不用担心，重新启动程序即可！！",
     "Installation IO_device fails,restart program and try again！！"},
    {"设置错误，请选择一个符号", "Setting Error!"},
    {"请输入键值！", "Please Enter a Key"},
    {"磁轨的前后缀不能设置为“Esc”！！", "Do not set it with a Esc !"},

    {"无法打开数据文件！", "The data file cannot be opened."},
    {"无法保存数据文件，原文件未被改动！",
     "The data file cannot be saved; the file already there is unchanged."},
    {"常用组合键已满（最多20组），请先删除一组！",
     "The user key list is full (20 groups): delete a group first."},
    {"一组常用组合键最多19个键！", "A user key group holds at most 19 keys."},
    {"无法保存常用组合键！", "The user key list cannot be saved."},
    {"无法保存语言设置，本次运行仍使用所选语言！",
     "The language choice cannot be saved; it applies until the program ends."},

    {"已找到键盘，但当前用户无权打开它。\n请安装程序附带的 udev 规则 "
     "70-tolvane.rules，然后重新插拔键盘：\n"
     "  sudo cp 70-tolvane.rules /etc/udev/rules.d/\n  sudo udevadm control --reload",
     "The keyboard is attached, but this user may not open it.\nInstall the udev rule "
     "70-tolvane.rules that comes with the program, then plug the keyboard in again:\n"
     "  sudo cp 70-tolvane.rules /etc/udev/rules.d/\n  sudo udevadm control --reload"},
    {"虚拟键盘(&V)", "Virtual Keyboard(&V)"},
    {"插入键盘", "Plug In"},
    {"拔出键盘", "Pull Out"},

    {"全部层", "All layers"},
    {"注释", "Notes"},
    {"按键", "Button"},
    {"层", "Layer"},
    {"键值", "Keys"},
    {"无键帽的按键", "Buttons without a key"},
    {"磁卡", "Card reader"},
    {"磁轨", "Track"},
    {"启用", "On"},
    {"前缀", "Prefix"},
    {"后缀", "Suffix"},
    {"回车", "Enter"},
    {"键盘设置", "Keyboard options"},
    {"国家代码", "Country code"},
    {"按键重复", "Key repeat"},
    {"按键声音", "Key click"},
    {"按键声音范围", "Key click for"},
    {"全部按键", "All keys"},
    {"已编程按键", "Programmed keys only"},
    {"是", "Yes"},
    {"否", "No"},
    {"无", "None"},
    {"打印键帽标签...", "Print Legends..."},
    {"导出键帽标签(PDF)...", "Export Legends (PDF)..."},
    {"无法导出键帽标签！", "The legends cannot be exported."},
    {"其他设置", "Other settings"},
    {"删除", "Delete"},
    {"全部删除", "Delete all"},
    {"添加到常用组合键", "Add to the user key list"},
    {"添加到特殊按键", "Add to the special key list"},
    {"一层最多55个键，本次输入未添加！", "A layer holds at most 55 keys; nothing was added."},
    {"请输入一个 0 至 1 之间的整数。", "请输入一个 0 至 1 之间的整数。"},
    {"无法读取常用组合键文件，列表为空！", "The user key list cannot be read; it is shown empty."},

    {"键帽标签...", "Legend label..."},
    {"键帽标签", "Legend Label"},
    {"%2上第%1号按键的键帽标签（最多40个字符；留空则打印按键输入的内容）：",
     "Label of button %1 on %2 (at most 40 characters; leave it empty to print what the key "
     "types):"},
    {"键帽标签最多40个字符！", "A legend label holds at most 40 characters."},
    {"键帽标签不能包含控制字符！", "A legend label cannot hold control characters."},
    {"标签文件中有些行无法读取，这些行的标签未载入：",
     "Some lines of the labels file cannot be read; their labels were not loaded:"},
    {"无法读取标签文件，未载入任何标签！",
     "The labels file cannot be read; no labels were loaded."},
    {"数据文件已保存，但无法保存其标签文件，原标签文件未被改动！",
     "The data file was saved, but its labels file cannot be; the labels file already there is "
     "unchanged."},
    {"查看(&V)", "View(&V)"},
    {"按键显示键帽标签", "Legend Labels on the Buttons"},
    {"键帽标签页", "Legend Sheets"},
    {"层", "Layers"},
    {"%1（空）", "%1 (empty)"},
    {"纸张", "Paper"},
    {"键距（毫米）", "Key pitch (mm)"},
    {"打印键帽标签", "Print labels"},
    {"预览", "Preview"},
    {"第%1页，共%2页", "Page %1 of %2"},
    {"上一页", "Previous page"},
    {"下一页", "Next page"},
    {"导出...", "Export..."},
    {"打印...", "Print..."},
    {"确定", "OK"},
    {"按键 %1 的键帽标签", "Legend label of button %1"},

    {"编辑(&E)", "Edit(&E)"},
    {"撤销", "Undo"},
    {"重做", "Redo"},
    {"撤销 %1", "Undo %1"},
    {"重做 %1", "Redo %1"},
    {"编程按键 %1", "Program button %1"},
    {"磁卡设置", "Card Reader Setting"},
    {"发声设置", "Keyboard Setting"},
    {"清除全部设置", "Clear all settings"},
    {"新建", "New"},
    {"打开 %1", "Open %1"},
    {"读键盘", "Read Keyboard"},
    {"移动按键 %1 到 %2", "Move button %1 to %2"},
    {"复制按键 %1 到 %2", "Copy button %1 to %2"},
    {"交换按键 %1 和 %2", "Swap buttons %1 and %2"},
    {"复制按键", "Copy button"},
    {"复制本层", "Copy this layer"},
    {"粘贴", "Paste"},
    {"当前编程有改动，既未保存也未写入键盘。\n是否先保存到文件？",
     "The programming has changes that are neither saved nor written to the keyboard.\n"
     "Save them to a file first?"},
    {"保存", "Save"},
    {"不保存", "Discard"},
    {"取消", "Cancel"},

    {"文字：", "Text:"},
    {"输入文字，回车键添加文字和一个回车键", "Enter adds the text and an Enter key"},
    {"输入一个数字或符号", "Type a digit or a symbol"},
    {"添加文字", "Add Text"},
    {"从电脑键盘取键", "Take keys from my keyboard"},
    {"筛选", "Filter"},
    {"键盘无法输入“%1”，未添加任何键！", "The keyboard cannot type “%1”; nothing was added."},
    {"这段文字需要%1个键，本层只剩%2个，未添加任何键！",
     "The text needs %1 keys, %2 are left; nothing was added."},
    {"“%1”不能作为磁轨的前后缀，请选择一个数字或符号！",
     "“%1” cannot be a card prefix or suffix: choose a digit or a symbol."},
    {"磁轨的前后缀只能是一个字符！", "A card prefix or suffix is one character."},
    {"按下的键（%1）在本键盘上没有键码，未添加！",
     "The key pressed (%1) has no code on this keyboard; nothing was added."},
    {"查找...\tCtrl+F", "Find...\tCtrl+F"},
    {"查找", "Find"},
    {"键名或文字：", "Key name or text:"},
    {"找到%1处", "%1 found"},
    {"未找到", "Nothing found"},
    {"（不在面板上）", "(not on the panel)"},

    {"文件“%1”有以下问题：\n\n%2\n\n是否载入能读出的内容？文件中没有的设置保持现有值。",
     "The file \"%1\" has problems:\n\n%2\n\nLoad what could be read? What the file does not "
     "give keeps its present value."},
    {"第%1行：%2", "Line %1: %2"},
    {"……另有%1处问题", "... and %1 more"},
    {"载入", "Load"},
    {"文件“%1”中没有键盘数据，未载入任何内容！",
     "The file \"%1\" holds no keyboard data; nothing was loaded."},
    {"面板外的按键...", "Buttons not on the panel..."},
    {"面板外的按键", "Buttons not on the panel"},
    {"双击一行编程该按键，右击打开按键菜单。",
     "Double-click a row to program the button; right-click for its menu."},
    {"关闭", "Close"},
    {"按键 %1", "Button %1"},
    {"显示按键编号", "Button Numbers"},
    {"%1 - 按键 %2，%3", "%1 - Button %2, %3"},
    {"按键 %1：%2", "Button %1: %2"},
    {"无法打开用户手册：没有找到打开PDF文件的程序。\n\n%1",
     "The user manual could not be opened: no program for PDF files was found.\n\n%1"},
}};

constexpr std::array<std::string_view, 6> kLayerNames = {"Layer1", "Layer2", "Layer3",
                                                         "Layer4", "Layer5", "Layer6"};
constexpr std::array<std::string_view, 6> kLayerShortNames = {"L1", "L2", "L3", "L4", "L5", "L6"};

bool IsLayer(int layer) {
    return layer >= 1 && layer <= 6;
}

std::size_t LayerIndex(int layer) {
    return static_cast<std::size_t>(layer - 1);
}

}  // namespace

const TextPair& TextEntry(TextId id) {
    const auto index = static_cast<std::size_t>(id);
    static constexpr TextPair kMissing{};
    return index < kTexts.size() ? kTexts[index] : kMissing;
}

std::string_view Text(TextId id, InterfaceLanguage language) {
    const TextPair& entry = TextEntry(id);
    return language == InterfaceLanguage::kEnglish ? entry.english : entry.chinese;
}

std::optional<TextId> LayerMenuItem(int layer) {
    if (!IsLayer(layer)) {
        return std::nullopt;
    }
    return static_cast<TextId>(static_cast<int>(TextId::kMenuLayer1) + layer - 1);
}

std::string_view LayerName(int layer) {
    return IsLayer(layer) ? kLayerNames[LayerIndex(layer)] : std::string_view{};
}

std::string_view LayerShortName(int layer) {
    return IsLayer(layer) ? kLayerShortNames[LayerIndex(layer)] : std::string_view{};
}

std::string FillIn(std::string_view pattern, const std::vector<std::string>& arguments) {
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const bool placeholder = pattern[i] == '%' && i + 1 < pattern.size() &&
                                 pattern[i + 1] >= '1' && pattern[i + 1] <= '9';
        if (!placeholder) {
            text += pattern[i];
            continue;
        }
        const auto index = static_cast<std::size_t>(pattern[i + 1] - '1');
        if (index < arguments.size()) {
            text += arguments[index];
        }
        ++i;
    }
    return text;
}

std::string TextOf(const FilledText& message, InterfaceLanguage language) {
    return FillIn(Text(message.text, language), message.values);
}

std::string HoverPrefix(int layer, InterfaceLanguage language) {
    if (!IsLayer(layer)) {
        return {};
    }
    const std::string digit = std::to_string(layer);
    if (language == InterfaceLanguage::kEnglish) {
        return "Layer" + digit + ":";
    }
    return "第" + digit + "层：";
}

}  // namespace tolvane
