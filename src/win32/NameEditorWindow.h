// The name editor's window (NameEditor): sixteen fields and OK. It has the
// keyboard while it is open; the panel takes no mouse input meanwhile.
#pragma once

#include <windows.h>

#include <vector>

#include "forms/NameEditor.h"
#include "win32/Fonts.h"
#include "win32/Handles.h"

namespace sorvane::win32 {

class WindowEvents;

class NameEditorWindow {
 public:
  NameEditorWindow(WindowEvents& view, NameEditor& form, HWND panel);
  ~NameEditorWindow();
  NameEditorWindow(const NameEditorWindow&) = delete;
  NameEditorWindow& operator=(const NameEditorWindow&) = delete;

  HWND handle() const { return window_.get(); }
  bool Shown() const { return shown_; }
  // Shows or hides the editor as the form says.
  void Update();

  LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  void FieldChanged(int slot, HWND field);
  void SetFieldsFromForm();
  // Places the controls and gives them their fonts, after the editor's dots
  // per inch have changed.
  void Layout();
  // Makes the labels and fields wide enough for their texts in their fonts,
  // then places them.
  void FitTextAndLayout();

  WindowEvents& view_;
  NameEditor& form_;
  HWND panel_;
  OwnedWindow window_;
  std::vector<HWND> fields_;  // in slot order
  HWND ok_ = nullptr;
  bool shown_ = false;
  bool settingFields_ = false;
  // The labels and fields hold their fonts for as long as they live.
  FontCache fonts_{64};
  OwnedBrush labelBrush_;
};

}  // namespace sorvane::win32
