#include "tolvane/app/TextTable.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace tolvane {
namespace {

constexpr auto kZh = InterfaceLanguage::kChinese;
constexpr auto kEn = InterfaceLanguage::kEnglish;

TEST(TextTableTest, EveryEntryExistsInBothLanguagesAndNoTwoEnglishTextsCollide) {
    std::set<std::string_view> english;
    for (int i = 0; i < static_cast<int>(TextId::kCount); ++i) {
        const TextPair& entry = TextEntry(static_cast<TextId>(i));
        EXPECT_FALSE(entry.chinese.empty()) << "entry " << i;
        EXPECT_FALSE(entry.english.empty()) << "entry " << i;
        english.insert(entry.english);
    }
    EXPECT_EQ(english.size(), static_cast<std::size_t>(TextId::kCount));
}

TEST(TextTableTest, MessagesKeepTheirExactWording) {
    EXPECT_EQ(Text(TextId::kPleaseConnectKeyboard, kEn), "Please connecting the keyboard");
    EXPECT_EQ(Text(TextId::kPleaseConnectKeyboard, kZh), "请链接键盘进入编程状态");
    EXPECT_EQ(Text(TextId::kConfirmDeletion, kZh), "是否确认删除？");
    EXPECT_EQ(Text(TextId::kClearAllCaption, kEn), "Clear all settings!!");
    EXPECT_EQ(Text(TextId::kTransferFailed, kZh), "数据传送失败！");
    EXPECT_EQ(Text(TextId::kWriteSuccess, kEn), "Keyboard data is successfully written!!");
    EXPECT_EQ(Text(TextId::kMenuButtonLayerSet, kZh), "层按键设置");
    EXPECT_EQ(Text(TextId::kDriverInstallFailed, kEn),
              "Installation IO_device fails,restart program and try again！！");
    EXPECT_EQ(Text(TextId::kEscNotAllowed, kZh), "磁轨的前后缀不能设置为“Esc”！！");
    EXPECT_EQ(Text(TextId::kPleaseEnterKey, kEn), "Please Enter a Key");
}

TEST(TextTableTest, TransferTextHasTwoBreaksFourSpacesAndAFullWidthMark) {
    for (const InterfaceLanguage language : {kZh, kEn}) {
        const std::string_view text = Text(TextId::kTransferWaitText, language);
        EXPECT_NE(text.find("...\n\n    "), std::string_view::npos) << text;
        EXPECT_TRUE(text.ends_with("！")) << text;
    }
}

TEST(TextTableTest, LayerNamesMenuItemsAndHoverPrefixes) {
    EXPECT_EQ(LayerName(1), "Layer1");
    EXPECT_EQ(LayerName(6), "Layer6");
    EXPECT_EQ(LayerShortName(3), "L3");
    EXPECT_EQ(LayerName(0), "");
    EXPECT_EQ(LayerShortName(7), "");
    EXPECT_EQ(Text(*LayerMenuItem(1), kZh), "第一层");
    EXPECT_EQ(Text(*LayerMenuItem(6), kZh), "第六层");
    EXPECT_EQ(Text(*LayerMenuItem(4), kEn), "Layer4");
    EXPECT_FALSE(LayerMenuItem(0).has_value());
    EXPECT_EQ(HoverPrefix(2, kEn), "Layer2:");
    EXPECT_EQ(HoverPrefix(5, kZh), "第5层：");
    EXPECT_EQ(HoverPrefix(9, kZh), "");
}

TEST(TextTableTest, PlacesAreFilledInOrderAndAPlaceWithoutAValueIsLeftOut) {
    EXPECT_EQ(FillIn("%2 of %1, 100%", {"a", "b"}), "b of a, 100%");
    EXPECT_EQ(FillIn("%1 and %3", {"x"}), "x and ");
    EXPECT_EQ(TextOf({TextId::kTextTooLong, {"61", "12"}}, kZh),
              "这段文字需要61个键，本层只剩12个，未添加任何键！");
    EXPECT_EQ(TextOf({TextId::kCharacterCannotBeTyped, {"é"}}, kEn),
              "The keyboard cannot type “é”; nothing was added.");
}

}  // namespace
}  // namespace tolvane
