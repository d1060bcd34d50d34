// Everything the program asks of the world outside itself.
#pragma once

#include "platform/Clock.h"
#include "platform/Courier.h"
#include "platform/Desktop.h"
#include "platform/Dialogs.h"
#include "platform/FileSystem.h"
#include "platform/Joystick.h"
#include "platform/Log.h"
#include "platform/LogonStart.h"
#include "platform/Process.h"
#include "platform/Prompts.h"
#include "platform/Shell.h"
#include "platform/Sound.h"
#include "platform/TextCodec.h"
#include "platform/Timers.h"
#include "platform/Worker.h"

namespace sorvane {

struct Platform {
  Desktop& desktop;
  Courier& courier;
  Joystick& joystick;
  SoundPlayer& sound;
  PromptPlayer& prompts;
  Shell& shell;
  FileSystem& files;
  Clock& clock;
  Dialogs& dialogs;
  Process& process;
  TimerHost& timers;
  TextCodec& text;
  Log& log;
  LogonStart& logon;
  Worker& worker;
};

}  // namespace sorvane
