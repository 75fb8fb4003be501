// Every event handler runs inside RunHandler: an error raised in it is shown in a critical box
// and the program goes on, so a failing engine call never ends the program with results unsaved.
#pragma once

#include <exception>
#include <string>
#include <utility>

#include "platform/component/error.h"

namespace pitchlog {

void ReportHandlerError(const std::string& text) noexcept;
// An error as the user reads it: its message as a sentence, without the kind's internal name.
std::string ErrorText(const kelvane::Error& error);

// True when the handler ran to its end.
template <typename F>
bool RunHandler(F&& handler) noexcept {
  try {
    std::forward<F>(handler)();
    return true;
  } catch (const kelvane::Error& e) {
    ReportHandlerError(ErrorText(e));
  } catch (const std::exception& e) {
    ReportHandlerError(e.what());
  }
  return false;
}

// A slot that runs the window's handler inside RunHandler; signal arguments pass through.
template <typename W, typename... Args>
auto Handler(W* window, void (W::*handler)(Args...)) {
  return [window, handler](Args... args) { RunHandler([&] { (window->*handler)(args...); }); };
}

}  // namespace pitchlog
