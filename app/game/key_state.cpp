#include "app/game/key_state.h"

#include <array>
#include <utility>

#include <Qt>

namespace pitchlog {

int VirtualKeyCode(int qt_key) {
  if (qt_key >= Qt::Key_A && qt_key <= Qt::Key_Z) return qt_key;
  if (qt_key >= Qt::Key_0 && qt_key <= Qt::Key_9) return qt_key;
  if (qt_key >= Qt::Key_F1 && qt_key <= Qt::Key_F24) return 112 + (qt_key - Qt::Key_F1);
  static constexpr std::array<std::pair<int, int>, 21> kKeys{{
      {Qt::Key_Backspace, vk::Back},  {Qt::Key_Tab, 9},         {Qt::Key_Return, vk::Return},
      {Qt::Key_Enter, vk::Return},    {Qt::Key_Shift, 16},      {Qt::Key_Control, 17},
      {Qt::Key_Alt, 18},              {Qt::Key_Pause, 19},      {Qt::Key_Escape, vk::Escape},
      {Qt::Key_Space, vk::Space},     {Qt::Key_PageUp, 33},     {Qt::Key_PageDown, 34},
      {Qt::Key_End, 35},              {Qt::Key_Home, 36},       {Qt::Key_Left, vk::Left},
      {Qt::Key_Up, vk::Up},           {Qt::Key_Right, vk::Right}, {Qt::Key_Down, vk::Down},
      {Qt::Key_Insert, 45},           {Qt::Key_Delete, 46},     {Qt::Key_Semicolon, vk::Oem1},
  }};
  for (const auto& [key, code] : kKeys)
    if (key == qt_key) return code;
  return 0;
}

bool KeyState::Press(int code, uint64_t time) {
  if (code == 0) return false;
  const bool repeat = down_.count(code) != 0 || (time != 0 && code == last_released_ && time == last_release_time_);
  down_.insert(code);
  pressed_.insert(code);
  return !repeat;
}

void KeyState::Release(int code, uint64_t time) {
  down_.erase(code);
  last_released_ = code;
  last_release_time_ = time;
}

void KeyState::ReleaseAll() {
  down_.clear();
  pressed_.clear();
}

int16_t KeyState::Poll(int code) {
  const bool down = down_.count(code) != 0;
  const bool pressed = pressed_.erase(code) != 0;
  return static_cast<int16_t>((down ? 0x8000 : 0) | (pressed ? 1 : 0));
}

}  // namespace pitchlog
