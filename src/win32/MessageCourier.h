// Sends the letters to JoyToKey from a thread of its own: each once, in order,
// waiting as long as JoyToKey takes, so that the panel's thread never waits
// and a slow JoyToKey never gets a copy of anything.
#pragma once

#include <windows.h>

#include "platform/Courier.h"
#include "platform/Log.h"
#include "win32/Handles.h"

namespace sorvane::win32 {

class MessageCourier : public Courier {
 public:
  explicit MessageCourier(Log& log) : log_(log) {}
  ~MessageCourier();
  MessageCourier(const MessageCourier&) = delete;
  MessageCourier& operator=(const MessageCourier&) = delete;

  void Hand(const Letter& letter) override;
  int Undelivered() override;
  bool WaitDelivered(int milliseconds) override;
  int PostWaiting() override;

 private:
  // Shared with the thread, which may outlive the courier while a hung
  // window holds it in a send at the end of the program.
  struct Shared {
    SRWLOCK lock = SRWLOCK_INIT;
    CONDITION_VARIABLE changed = CONDITION_VARIABLE_INIT;
    LetterQueue letters;
    bool underWay = false;
    bool stop = false;
    Log* log = nullptr;
  };
  static DWORD WINAPI Run(void* shared);

  Log& log_;
  Shared* shared_ = nullptr;
  OwnedThread thread_;
};

}  // namespace sorvane::win32
