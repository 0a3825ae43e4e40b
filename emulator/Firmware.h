// The keyboard's firmware: the protocol model behind the vendor interface, whatever wire
// carries its reports to a host.
#pragma once

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

#include "emulator/EmulatedKeyboard.h"
#include "hidio/Hidio.h"

namespace emulator {

// The wire between the firmware and a host.
class FirmwareTransport {
  public:
    virtual ~FirmwareTransport() = default;

    // Presents the keyboard's two interfaces to the host; the host's reports to the vendor
    // interface go to firmware->OnOutput from then on. False when the host cannot be reached.
    virtual bool Attach(const std::shared_ptr<Firmware>& firmware) = 0;

    // Takes both interfaces away: handles the host keeps open fail from now on.
    virtual void Detach() = 0;

    // One input report on the vendor interface; lost when the host has no handle open.
    virtual void SendInput(const hidio::Report& report) = 0;

    // The keyboard is gone for good: the transport's own threads have ended when this
    // returns. Never called from one of them.
    virtual void Close() {}
};

class Firmware : public std::enable_shared_from_this<Firmware> {
  public:
    Firmware(std::shared_ptr<FirmwareTransport> transport, std::string stateFile);

    // False when the transport could not present the keyboard; it stays unplugged then.
    bool Plug();
    void Unplug();
    void Shutdown();  // pulled out for good: nothing is sent or stored after this

    // A report from the host reached the vendor interface.
    void OnOutput(const hidio::Report& report);
    hidio::OpenStatus AcceptOpen() const;
    std::chrono::milliseconds WriteCompletionDelay() const;

    // One of the library's answers: the code, then the data as far as it fits.
    static hidio::Report Answer(std::uint8_t code, const std::vector<std::uint8_t>& data);

    // Sends one report to the host now or, with a reply delay, from the reply thread.
    void Reply(const hidio::Report& report);

    // Plugs the keyboard in after delay, from the plug timer's thread.
    void PlugAfter(std::chrono::milliseconds delay);

    const std::string stateFile;
    // Both as the state file gave them; set before the keyboard is first plugged in.
    std::string serialNumber;
    PlugSchedule schedule;
    hidio::WireTrace trace;

    mutable std::mutex mutex;
    mutable std::condition_variable plugChanged;
    Programming programming;
    Lamps lamps;
    std::array<std::array<std::uint8_t, wire::kCardSettingsSize>, wire::kTrackCount> cards{};
    std::uint8_t switchPosition = 0;
    Faults faults;
    bool plugged = false;
    bool shutDown = false;
    std::size_t reportsHandled = 0;  // both ways, for the unplug fault
    std::size_t reportsReceived = 0;
    std::string stateError;  // see EmulatedKeyboard::StateFileError

  private:
    // What a report makes the keyboard do once its lock is released.
    struct Effects {
        std::vector<hidio::Report> replies;
        bool unplug = false;
        bool save = false;
    };

    void Handle(const hidio::Report& report, Effects& effects);
    void StartRead(Effects& effects);
    void SendNextRecord(Effects& effects);
    void StoreKeyRecord(const hidio::Report& report);
    void StoreTrackRecord(const hidio::Report& report);
    bool CountReportAndCheckUnplug();
    void Apply(Effects& effects);
    void SendNow(const hidio::Report& report);
    void SaveState();
    void ReplyLoop(std::stop_token stop);
    void PlugTimerLoop(std::stop_token stop);

    const std::shared_ptr<FirmwareTransport> transport_;
    std::mutex plugMutex_;

    // The read the host asked for: records still to send, each after an acknowledge.
    std::vector<hidio::Report> outbox_;
    std::size_t nextRecord_ = 0;
    int recordsSent_ = 0;
    bool reading_ = false;

    std::mutex replyMutex_;
    std::condition_variable_any replyQueued_;
    std::deque<std::pair<std::chrono::steady_clock::time_point, hidio::Report>> delayed_;
    std::jthread replyThread_;

    std::mutex timerMutex_;
    std::condition_variable_any timerChanged_;
    std::optional<std::chrono::steady_clock::time_point> plugDue_;
    std::jthread timerThread_;
};

}  // namespace emulator
