#include "examples/TillLayout.h"

#include <initializer_list>
#include <vector>

namespace tolvane::examples {

namespace {

// Key codes of the keyboard's own numbering used below.
enum : KeyCode {
    kEsc = 1,
    kF1 = 2,
    kF4 = 5,
    kF5 = 6,
    kLShift = 55,
    kDigit1 = 15,
    kDigit0 = 24,
    kBackspace = 27,
    kTab = 28,
    kP = 38,
    kA = 43,
    kS = 44,
    kL = 51,
    kEnter = 54,
    kT = 33,
    kO = 37,
    kV = 59,
    kC = 58,
    kX = 57,
    kPeriod = 64,
    kSlash = 65,
    kSemicolon = 52,
    kDigit5 = 19,
    kLCtrl = 67,
    kLAlt = 69,
    kSpace = 70,
    kDelete = 84,
    kUp = 87,
    kDown = 89,
    kNum0 = 103,
    kNum1 = 100,
    kNumEnter = 107,
    kNumPlus = 106,
    kNumMinus = 105,
    kHalfSecondDelay = 0x96,
};

void Put(KeyboardImage& image, int button, int layer, std::initializer_list<KeyCode> codes) {
    image.StoreKeyRecord(button, layer, std::vector<KeyCode>(codes));
    image.buttons[button].editCount[layer] = static_cast<std::uint8_t>(codes.size());
}

}  // namespace

void BuildTillLayout(KeyboardImage& image) {
    // Layer 1, the sales layer: digits on buttons 1..10, then the till's own keys.
    for (int digit = 0; digit < 10; ++digit) {
        Put(image, digit + 1, 1, {static_cast<KeyCode>(kDigit1 + digit)});
    }
    Put(image, 11, 1, {kDigit0, kDigit0});  // "00"
    Put(image, 12, 1, {kPeriod});
    Put(image, 13, 1, {kEnter});
    Put(image, 14, 1, {kBackspace});
    Put(image, 15, 1, {kEsc});
    for (int key = 0; key < 12; ++key) {
        Put(image, 16 + key, 1, {static_cast<KeyCode>(kF1 + key)});  // PLU keys F1..F12
    }
    Put(image, 28, 1, {kLShift, kT, kO, kT, kA, kL, kLShift, kEnter});  // "TOTAL" then Enter
    Put(image, 29, 1, {kLCtrl, kV});                                    // void
    Put(image, 30, 1, {kLCtrl, kP});                                    // print receipt
    Put(image, 31, 1, {kLCtrl, kLAlt, kDelete});
    Put(image, 32, 1, {kF1, kHalfSecondDelay, kEnter});  // open drawer, wait, confirm
    Put(image, 33, 1, {kUp});
    Put(image, 34, 1, {kDown});
    Put(image, 35, 1, {kTab});
    Put(image, 36, 1, {kSpace});
    Put(image, 37, 1, {kLShift, kS});  // "S": staff sign-on
    Put(image, 38, 1, {kLCtrl, kC});
    Put(image, 39, 1, {kLCtrl, kX});
    Put(image, 79, 1, {kFirstLayerKey + 1});  // to the manager layer
    Put(image, 80, 1, {kSlash});

    // Layer 2, the manager layer: keypad digits, reports, and the way back.
    Put(image, 1, 2, {kNum1});
    Put(image, 10, 2, {kNum0});
    Put(image, 13, 2, {kNumEnter});
    Put(image, 14, 2, {kNumPlus});
    Put(image, 15, 2, {kNumMinus});
    Put(image, 28, 2, {kLAlt, kF4});  // X report
    Put(image, 29, 2, {kLAlt, kF5});  // Z report
    Put(image, 30, 2, {kLShift, kSemicolon, kHalfSecondDelay, kEnter});
    Put(image, 79, 2, {kFirstLayerKey});  // back to the sales layer

    // Card tracks: track 1 "%" ... "?" with Enter, track 2 ";" ... "?" without, track 3 off.
    image.tracks[0] = {1, 1, 0, 0, 0, kLShift, kDigit5, kLShift, kSlash};
    image.tracks[1] = {1, 0, 0, 0, 0, 0, kSemicolon, kLShift, kSlash};
    image.tracks[2] = {0, 1, 0, 0, 0, 0, 0, 0, kEnter};
    image.StoreOptions({1, 1, 1, 1});
}

}  // namespace tolvane::examples
