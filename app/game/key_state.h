// The keyboard as the game polls it: the state of each key kept from the window's own key
// events, read by virtual key code.
#pragma once

#include <cstdint>
#include <set>

namespace pitchlog {

namespace vk {
enum : int {
  Back = 8,
  Return = 13,
  Escape = 27,
  Space = 32,
  Left = 37,
  Up = 38,
  Right = 39,
  Down = 40,
  Key1 = 49,
  Key2 = 50,
  A = 65,
  C = 67,
  Q = 81,
  X = 88,
  Z = 90,
  Oem1 = 186,  // the ";" key of an English keyboard
};
}  // namespace vk

// The virtual key code of a Qt key; 0 for keys that have none here. Letters are upper case and
// keypad digits count as digits.
int VirtualKeyCode(int qt_key);

class KeyState {
 public:
  // A key goes down at an event time stamp in ms (0: unknown). False when it is a held key's
  // repeat: the key is still down, or the press carries the time stamp of its last release, as
  // the pairs that X11 sends for a held key do, which Qt marks as repeats only at times.
  bool Press(int code, uint64_t time = 0);
  void Release(int code, uint64_t time = 0);
  // When the window loses the keyboard no key stays down.
  void ReleaseAll();
  // Non-zero while the key is down or when it went down since the last poll of it; the poll
  // forgets the press.
  int16_t Poll(int code);
  bool IsDown(int code) const { return down_.count(code) != 0; }

 private:
  std::set<int> down_;
  std::set<int> pressed_;
  int last_released_ = 0;
  uint64_t last_release_time_ = 0;
};

}  // namespace pitchlog
