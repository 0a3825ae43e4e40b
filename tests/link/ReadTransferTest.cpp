#include <gtest/gtest.h>

#include "tests/link/LinkFixture.h"
#include "tests/link/ScriptedKeyboard.h"

namespace tolvane::testing {
namespace {

using hidio::Direction;

// Reads from a keyboard that sends exactly the given replies.
class ScriptedReadTest : public LinkRig {
  protected:
    TransferOutcome ReadFrom(std::vector<hidio::Report> replies) {
        scripted = std::make_shared<ScriptedKeyboard>(bus, std::move(replies));
        bus.Plug(ScriptedKeyboard::Interface(), scripted);
        return RunTransfer(TransferKind::kRead);
    }

    void ExpectAcknowledges(std::size_t count) {
        const std::vector<hidio::Report> received = scripted->Received();
        ASSERT_EQ(received.size(), count + 1);
        EXPECT_EQ(received[0][1], 0xE2);
        EXPECT_EQ(received[0][64], 0xE2);
        for (std::size_t i = 1; i < received.size(); ++i) {
            EXPECT_EQ(received[i][1], 0xF5);
            EXPECT_EQ(received[i][64], 0xF5);
        }
    }

    std::shared_ptr<ScriptedKeyboard> scripted;
};

TEST_F(ScriptedReadTest, OnlyTheEndReplyLeavesTheImageAsItWas) {
    ASSERT_TRUE(image.StoreKeyRecord(3, 1, std::vector<KeyCode>{4, 5}));
    EXPECT_EQ(ReadFrom({ScriptedKeyboard::Reply(0xF6)}), TransferOutcome::kReadSucceeded);
    EXPECT_EQ(image.buttons[3].keyCount[1], 2);
    EXPECT_EQ(image.buttons[3].layerText[1], "F3+F4");
    EXPECT_EQ(image.tracks[0].prefixKey, 0x41);
    ExpectAcknowledges(0);  // the end reply is not acknowledged
}

TEST_F(ScriptedReadTest, AKeyReplyReplacesExactlyThatLayer) {
    ASSERT_TRUE(image.StoreKeyRecord(7, 2, std::vector<KeyCode>(9, 0x10)));
    ASSERT_TRUE(image.StoreKeyRecord(7, 3, std::vector<KeyCode>{0x11}));
    EXPECT_EQ(ReadFrom({ScriptedKeyboard::Reply(0xF0, {2, 7, 3, 0x37, 0x2B, 0x2C}),
                        ScriptedKeyboard::Reply(0xF6)}),
              TransferOutcome::kReadSucceeded);
    const ButtonRecord& record = image.buttons[7];
    EXPECT_EQ(record.keyCount[2], 3);
    EXPECT_EQ(record.keyCodes[2][0], 0x37);
    EXPECT_EQ(record.keyCodes[2][2], 0x2C);
    EXPECT_EQ(record.keyCodes[2][3], 0);
    EXPECT_EQ(record.keyCodes[2][8], 0);
    EXPECT_EQ(record.keyCount[3], 1);
    EXPECT_EQ(record.layerText[2], "LShift+A+S");  // texts derived after the read
    EXPECT_EQ(image.status.reportCount.load(), 1u);
    ExpectAcknowledges(1);
}

TEST_F(ScriptedReadTest, TrackAndOptionsRepliesConvertModes) {
    image.tracks[1].enterAtEnd = 1;
    EXPECT_EQ(
        ReadFrom({ScriptedKeyboard::Reply(
                      0xF9, {1, 0, 2, 0, 0, 0x42, 0x1D, 0, 0, 0, 0x10, 0, 0x34, 0, 0}),
                  ScriptedKeyboard::Reply(0xF4, {0, 1, 1, 1}), ScriptedKeyboard::Reply(0xF6)}),
        TransferOutcome::kReadSucceeded);
    EXPECT_EQ(image.tracks[0].enabled, 1);
    EXPECT_EQ(image.tracks[0].enterAtEnd, 0u);
    EXPECT_EQ(image.tracks[1].enabled, 0);  // mode 0: off, Enter setting kept
    EXPECT_EQ(image.tracks[1].enterAtEnd, 1u);
    EXPECT_EQ(image.tracks[1].prefixShift, 0x42);
    EXPECT_EQ(image.tracks[1].prefixKey, 0x1D);
    EXPECT_EQ(image.tracks[1].suffixKey, 0x34);
    EXPECT_EQ(image.tracks[0].suffixKey, 0x10);
    EXPECT_EQ(image.tracks[2].enterAtEnd, 1u);
    EXPECT_EQ(image.OptionBytes(), (std::array<std::uint8_t, 4>{0, 1, 1, 1}));
    ExpectAcknowledges(2);
}

TEST_F(ScriptedReadTest, RecordsOutsideTheImageAreAcknowledgedButNeverStored) {
    EXPECT_EQ(
        ReadFrom({ScriptedKeyboard::Reply(0xF0, {1, 0, 1, 4}),
                  ScriptedKeyboard::Reply(0xF0, {1, 85, 1, 4}),
                  ScriptedKeyboard::Reply(0xF0, {7, 1, 1, 4}),
                  ScriptedKeyboard::Reply(0xF0, {0, 1, 1, 4}), ScriptedKeyboard::Reply(0xF6)}),
        TransferOutcome::kReadSucceeded);
    for (const ButtonRecord& record : image.buttons) {
        for (std::uint8_t count : record.keyCount) {
            EXPECT_EQ(count, 0);
        }
    }
    EXPECT_EQ(image.status.reportCount.load(), 0u);
    ExpectAcknowledges(4);
}

TEST_F(ScriptedReadTest, UnknownRepliesAreNeitherCountedNorAcknowledged) {
    // This keyboard waits for an acknowledge that never comes, so the read fails.
    EXPECT_EQ(ReadFrom({ScriptedKeyboard::Reply(0x00), ScriptedKeyboard::Reply(0xF6)}),
              TransferOutcome::kFailed);
    EXPECT_EQ(image.status.reportCount.load(), 0u);
    ExpectAcknowledges(0);
}

using EmulatedReadTest = LinkFixture;

emulator::Programming SampleProgramming() {
    emulator::Programming programming;
    for (int button = 1; button <= wire::kButtonCount; ++button) {
        for (int layer = 1; layer <= wire::kLayerCount; ++layer) {
            const auto count = static_cast<std::size_t>((button * layer) % 56);
            programming.keys[button][layer].assign(
                count, static_cast<std::uint8_t>((button + layer) % 108 + 1));
        }
    }
    programming.keys[5][1] = {0x6E};
    programming.tracks[1] = {1, 0x42, 0x10, 0, 0x28};
    programming.options = {0, 1, 1, 0};
    return programming;
}

void ExpectImageHolds(const KeyboardImage& image, const emulator::Programming& programming) {
    for (int button = 1; button <= ButtonCount; ++button) {
        for (int layer = 1; layer <= LayerCount; ++layer) {
            const std::span<const KeyCode> codes = image.buttons[button].Codes(layer);
            EXPECT_EQ(std::vector<std::uint8_t>(codes.begin(), codes.end()),
                      programming.keys[button][layer])
                << button << "/" << layer;
        }
    }
    EXPECT_EQ(image.TrackEntryOf(1).mode, programming.tracks[1].mode);
    EXPECT_EQ(image.tracks[1].prefixShift, 0x42);
    EXPECT_EQ(image.OptionBytes(), programming.options);
}

TEST_F(EmulatedReadTest, AFullReadFillsTheImageAndDerivesTheTexts) {
    const emulator::Programming programming = SampleProgramming();
    keyboard->SetProgramming(programming);
    ASSERT_EQ(RunTransfer(TransferKind::kRead), TransferOutcome::kReadSucceeded);
    ExpectImageHolds(image, programming);
    EXPECT_EQ(image.status.reportCount.load(), 506u);
    EXPECT_EQ(image.buttons[5].layerText[1], "Layer3");
    EXPECT_EQ(image.buttons[2].layerText[3].empty(), programming.keys[2][3].empty());
    EXPECT_EQ(listener.outcomes, std::vector<TransferOutcome>{TransferOutcome::kReadSucceeded});
}

TEST_F(EmulatedReadTest, WhatIsWrittenReadsBackTheSame) {
    const emulator::Programming programming = SampleProgramming();
    keyboard->SetProgramming(programming);
    ASSERT_EQ(RunTransfer(TransferKind::kRead), TransferOutcome::kReadSucceeded);
    keyboard->SetProgramming(emulator::Programming{});
    ASSERT_EQ(RunTransfer(TransferKind::kWrite), TransferOutcome::kWriteSucceeded);
    EXPECT_EQ(keyboard->GetProgramming(), programming);
}

TEST_F(EmulatedReadTest, GarbageAndOutOfRangeRecordsDoNotDisturbTheRead) {
    const emulator::Programming programming = SampleProgramming();
    keyboard->SetProgramming(programming);
    emulator::Faults faults;
    faults.garbageReplies = true;
    faults.outOfRangeRecords = true;
    keyboard->SetFaults(faults);
    ASSERT_EQ(RunTransfer(TransferKind::kRead), TransferOutcome::kReadSucceeded);
    ExpectImageHolds(image, programming);
    EXPECT_EQ(image.buttons[0].keyCount[1], 0);
}

TEST_F(EmulatedReadTest, ASilentKeyboardFailsAfterAboutOneSecondAndClearsTheKeys) {
    ASSERT_TRUE(image.StoreKeyRecord(9, 4, std::vector<KeyCode>{0x6C}));
    image.selection.currentLayer = 4;
    image.RefreshButton(9);
    image.tracks[2].enabled = 0;
    image.StoreOptions({0, 1, 0, 1});
    emulator::Faults faults;
    faults.silent = true;
    keyboard->SetFaults(faults);

    const auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(RunTransfer(TransferKind::kRead), TransferOutcome::kFailed);
    EXPECT_GE(std::chrono::steady_clock::now() - started, std::chrono::seconds(1));

    EXPECT_EQ(image.buttons[9].keyCount[4], 0);
    EXPECT_EQ(image.RefreshButton(9), "");
    EXPECT_EQ(image.tracks[2].enabled, 0);
    EXPECT_EQ(image.OptionBytes(), (std::array<std::uint8_t, 4>{0, 1, 0, 1}));
    EXPECT_EQ(image.status.transferMode.load(), kTransferIdle);
    EXPECT_EQ(image.status.reportCount.load(), 0u);
    EXPECT_FALSE(worker.Started());
}

TEST_F(EmulatedReadTest, AKeyboardThatStopsHalfWayFailsTheRead) {
    keyboard->SetProgramming(SampleProgramming());
    emulator::Faults faults;
    faults.silentAfterRecords = 100;
    keyboard->SetFaults(faults);
    EXPECT_EQ(RunTransfer(TransferKind::kRead), TransferOutcome::kFailed);
    EXPECT_EQ(listener.progress.back(), 100u);  // the last progress the user saw
    for (int button = 1; button <= ButtonCount; ++button) {
        EXPECT_EQ(image.buttons[button].keyCount[1], 0) << button;
    }
}

TEST_F(EmulatedReadTest, ADroppedAcknowledgeStallsTheRead) {
    emulator::Faults faults;
    faults.dropAcknowledges = 1;
    keyboard->SetFaults(faults);
    EXPECT_EQ(RunTransfer(TransferKind::kRead), TransferOutcome::kFailed);
    EXPECT_EQ(ReportsOf(keyboard->Trace(), Direction::kDeviceToHost).size(), 1u);
}

TEST_F(EmulatedReadTest, AnOversizedKeyRecordIsNeitherStoredNorAcknowledged) {
    emulator::Programming programming = SampleProgramming();
    keyboard->SetProgramming(programming);
    emulator::Faults faults;
    faults.oversizedRecordAt = 3;  // button 4, layer 1
    keyboard->SetFaults(faults);
    ASSERT_TRUE(image.StoreKeyRecord(4, 1, std::vector<KeyCode>{0x20}));

    hidio::WireTrace& trace = keyboard->Trace();
    watch.DeviceCheck();
    ASSERT_EQ(StartTransfer(TransferKind::kRead, image, hid, worker, monitor),
              StartResult::kStarted);
    EXPECT_EQ(monitor.RunToEnd(), TransferOutcome::kFailed);

    const std::vector<hidio::TraceEntry> entries = trace.Entries();
    ASSERT_FALSE(entries.empty());
    EXPECT_EQ(entries.back().direction, Direction::kDeviceToHost);  // never acknowledged
    EXPECT_EQ(entries.back().report[5], 60);
    EXPECT_EQ(listener.progress.back(), 3u);
}

TEST_F(EmulatedReadTest, ASlowKeyboardStillCompletes) {
    keyboard->SetProgramming(SampleProgramming());
    emulator::Faults faults;
    faults.replyDelay = std::chrono::milliseconds(1);
    keyboard->SetFaults(faults);
    EXPECT_EQ(RunTransfer(TransferKind::kRead), TransferOutcome::kReadSucceeded);
    ExpectImageHolds(image, SampleProgramming());
}

}  // namespace
}  // namespace tolvane::testing
