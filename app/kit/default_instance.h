// Each window has one default instance, created (and its Form_Load run) on first use and
// destroyed on unload.
#pragma once

#include <QPointer>

#include "app/kit/handler_guard.h"

namespace pitchlog {

template <typename T>
class DefaultInstance {
 public:
  static T& Get() {
    if (!instance_) {
      // Top-level windows have no parent; Unload hands the window back to Qt to delete.
      instance_ = new T;
      if constexpr (requires(T& w) { w.Form_Load(); }) {
        T* window = instance_;
        RunHandler([window] { window->Form_Load(); });
      }
    }
    return *instance_;
  }

  static bool IsLoaded() { return !instance_.isNull(); }

  // Deleted once control is back in the event loop, so a window may unload itself from one of
  // its own handlers.
  static void Unload() {
    if (T* window = instance_) {
      instance_ = nullptr;
      window->hide();
      window->deleteLater();
    }
  }

 private:
  static inline QPointer<T> instance_;
};

}  // namespace pitchlog
