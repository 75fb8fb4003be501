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
  void Press(int code);
  void Release(int code);
  // When the window loses the keyboard no key stays down.
  void ReleaseAll();
  // Non-zero while the key is down or when it went down since the last poll of it; the poll
  // forgets the press.
  int16_t Poll(int code);
  bool IsDown(int code) const { return down_.count(code) != 0; }

 private:
  std::set<int> down_;
  std::set<int> pressed_;
};

}  // namespace pitchlog
