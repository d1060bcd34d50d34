// The argument notice's window (ArgumentNotice): shown without taking the
// keyboard, it goes by itself.
#pragma once

#include <windows.h>

#include "forms/ArgumentNotice.h"
#include "win32/Fonts.h"
#include "win32/Handles.h"

namespace sorvane::win32 {

class WindowEvents;

class NoticeWindow {
 public:
  NoticeWindow(WindowEvents& view, ArgumentNotice& form, FontCache& fonts);
  ~NoticeWindow();
  NoticeWindow(const NoticeWindow&) = delete;
  NoticeWindow& operator=(const NoticeWindow&) = delete;

  // Shows or hides the notice as the form says.
  void Update();

  LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  WindowEvents& view_;
  ArgumentNotice& form_;
  FontCache& fonts_;
  OwnedWindow window_;
  bool shown_ = false;
};

}  // namespace sorvane::win32
