#include "tests/app/support/opened_urls.h"

#include <QDesktopServices>

namespace app_testing {

namespace {
constexpr const char* kSchemes[] = {"http", "https", "file"};
}

OpenedUrls::OpenedUrls() {
  for (const char* scheme : kSchemes) QDesktopServices::setUrlHandler(QLatin1String(scheme), this, "Open");
}

OpenedUrls::~OpenedUrls() {
  for (const char* scheme : kSchemes) QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
}

}  // namespace app_testing
