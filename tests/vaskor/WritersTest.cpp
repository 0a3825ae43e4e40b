// The host's side: channel handling and the reports the writers put on the wire.
#include <gmock/gmock.h>

#include "tests/vaskor/VaskorFixture.h"

namespace vaskor::testing {
namespace {

using ::testing::ElementsAre;

using WritersTest = VaskorTest;

TEST_F(WritersTest, LightAndSwitchReportsAreExact) {
    CVX30Interface vx30;
    ASSERT_TRUE(vx30.CreatePipe());
    EXPECT_TRUE(vx30.SetNumLight(true));
    EXPECT_TRUE(vx30.SetScrollLight(false));
    EXPECT_TRUE(vx30.SetCapsLight(true));
    EXPECT_TRUE(vx30.GetSwitch());
    EXPECT_THAT(ReportsToKeyboard(),
                ElementsAre(ReportOf({0x00, 0xD0, 0x01, 0x01}), ReportOf({0x00, 0xD0, 0x03, 0x00}),
                            ReportOf({0x00, 0xD0, 0x02, 0x01}), ReportOf({0x00, 0xD1})));
    EXPECT_EQ(keyboard.GetLamps(), (emulator::Lamps{true, true, false}));
}

TEST_F(WritersTest, CardSettingsPassThroughUntouched) {
    // Track 1 enabled with return code, start sentinel "%", end sentinel "?".
    std::array<std::uint8_t, 25> record{0xFA, 0x01, 0x02, 0x01, 0x25};
    record[14] = 0x01;
    record[15] = 0x3F;
    CVX30Interface vx30;
    ASSERT_TRUE(vx30.CreatePipe());
    ASSERT_TRUE(vx30.SetCard(record.data(), record.size()));

    hidio::Report expected{};
    std::copy(record.begin(), record.end(), expected.begin() + 1);
    EXPECT_THAT(ReportsToKeyboard(), ElementsAre(expected));
    EXPECT_EQ(keyboard.CardSettings(1), record);

    std::array<std::uint8_t, 65> tooLong{};
    tooLong.fill(0xAB);
    EXPECT_TRUE(vx30.SetCard(tooLong.data(), 64));
    EXPECT_EQ(ReportsToKeyboard().back()[64], 0xAB);
    EXPECT_FALSE(vx30.SetCard(tooLong.data(), 65));
    EXPECT_FALSE(vx30.SetCard(nullptr, 5));
    EXPECT_EQ(ReportsToKeyboard().size(), 2u);
}

TEST_F(WritersTest, WithoutAChannelEveryWriterFailsAndSendsNothing) {
    const std::uint8_t record[25] = {0xFA, 0x01};
    CVX30Interface vx30;
    for (int round = 0; round < 2; ++round) {
        EXPECT_FALSE(vx30.GetSwitch());
        EXPECT_FALSE(vx30.SetNumLight(true));
        EXPECT_FALSE(vx30.SetCapsLight(true));
        EXPECT_FALSE(vx30.SetScrollLight(true));
        EXPECT_FALSE(vx30.SetCard(record, sizeof record));
        ASSERT_TRUE(vx30.CreatePipe());
        EXPECT_TRUE(vx30.ClosePipe());
    }
    EXPECT_TRUE(ReportsToKeyboard().empty());
    EXPECT_EQ(OpenChannels(), 0u);
}

TEST_F(WritersTest, CreatePipeKeepsAnOpenChannel) {
    CVX30Interface vx30;
    EXPECT_TRUE(vx30.CreatePipe());
    EXPECT_TRUE(vx30.CreatePipe());
    EXPECT_EQ(OpenChannels(), 1u);
}

TEST_F(WritersTest, AnAbsentOrRefusingKeyboardGivesNoChannel) {
    CVX30Interface vx30;
    emulator::Faults refuse;
    refuse.refuseOpens = true;
    keyboard.SetFaults(refuse);
    EXPECT_TRUE(vx30.IsVX30Existed());
    EXPECT_FALSE(vx30.CreatePipe());
    EXPECT_FALSE(vx30.SetNumLight(true));

    keyboard.Unplug();
    EXPECT_FALSE(vx30.IsVX30Existed());
    EXPECT_FALSE(vx30.CreatePipe());
}

TEST_F(WritersTest, AWriteNotCompletedInTimeIsGivenUpAndCancelledWithTheChannel) {
    emulator::Faults slow;
    slow.writeCompletionDelay = std::chrono::seconds(30);
    keyboard.SetFaults(slow);
    CVX30Interface vx30;
    ASSERT_TRUE(vx30.CreatePipe());
    EXPECT_FALSE(vx30.SetNumLight(true));
    const auto start = std::chrono::steady_clock::now();
    vx30.ClosePipe();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
    EXPECT_TRUE(ReportsToKeyboard().empty());
    EXPECT_FALSE(keyboard.GetLamps().num);
}

TEST_F(WritersTest, CopiesShareOneChannelThatIsReleasedOnce) {
    CVX30Interface first;
    CVX30Interface second;
    ASSERT_TRUE(first.CreatePipe());
    ASSERT_TRUE(second.CreatePipe());
    EXPECT_EQ(OpenChannels(), 2u);

    second = first;  // second's own channel goes
    second = second;
    EXPECT_EQ(OpenChannels(), 1u);
    EXPECT_TRUE(second.SetNumLight(true));

    first.ClosePipe();
    EXPECT_FALSE(first.SetNumLight(false));
    EXPECT_EQ(OpenChannels(), 1u);
    {
        CVX30Interface third(second);
        EXPECT_TRUE(third.SetCapsLight(true));
    }
    EXPECT_TRUE(second.SetScrollLight(true));
    second.ClosePipe();
    EXPECT_EQ(OpenChannels(), 0u);
    EXPECT_EQ(keyboard.GetLamps(), (emulator::Lamps{true, true, true}));
}

}  // namespace
}  // namespace vaskor::testing
