#include "app/kit/handler_guard.h"

#include "app/kit/msg_box.h"
#include "app/kit/program.h"

namespace pitchlog {

std::string ErrorText(const kelvane::Error& error) {
  QString text = ToQ(error.what()).trimmed();
  if (text.isEmpty()) text = QString::fromLatin1(kelvane::ErrorKindName(error.kind()));
  text[0] = text[0].toUpper();
  if (!text.endsWith(QLatin1Char('.')) && !text.endsWith(QLatin1Char('?')) && !text.endsWith(QLatin1Char('!')))
    text += QLatin1Char('.');
  return ToStd(text);
}

void ReportHandlerError(const std::string& text) noexcept {
  try {
    MsgBox(ToQ(text), msgbox::Critical);
  } catch (...) {
    // Nothing is left to tell the user with; the program goes on.
  }
}

}  // namespace pitchlog
