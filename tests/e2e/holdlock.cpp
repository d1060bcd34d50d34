// Holds a file open without sharing, as a backup or sync tool may:
//   holdlock <file> <milliseconds> <ready-file>
// The ready file is created once the lock is held.
#include <windows.h>

int wmain(int count, wchar_t** arguments) {
  if (count < 4) return 2;
  HANDLE file = CreateFileW(arguments[1], GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 1;
  HANDLE ready = CreateFileW(arguments[3], GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (ready != INVALID_HANDLE_VALUE) CloseHandle(ready);
  Sleep(static_cast<DWORD>(_wtoi(arguments[2])));
  CloseHandle(file);
  return 0;
}
