#include "app/shell/handler_guard.h"

#include "app/shell/msg_box.h"
#include "app/shell/program.h"

namespace pitchlog {

void ReportHandlerError(const std::string& text) noexcept {
  try {
    MsgBox(ToQ(text), msgbox::Critical);
  } catch (...) {
    // Nothing is left to tell the user with; the program goes on.
  }
}

}  // namespace pitchlog
