// PopupMenu1: the panel's one menu. Its check marks are settings that the
// handlers read directly.
#pragma once

#include <array>
#include <string>

namespace sorvane {

enum class MenuId {
  Halvoon,
  Btn1,
  SubBtn2,
  SubBtn4,
  SubBtn6,
  SubBtn8,
  Btn2,
  Btn3,
  Btn4,
  Btn5,
  Btn6,
  Btn7,
  Btn8,
  ScanTime,
  Time05,
  Time10,
  Time20,
  Time30,
  Time40,
  Time50,
  PanelSize,
  PanelScale1,
  PanelScale2,
  PanelScale3,
  PanelScale4,
  SingleDsp,
  BtnNameEdit,
  BtnNameDispOn,
  Sound,
  Oikake,
  JoyStickID2,
  Version,
  SwitchSettings,
  Exit1,
  Web,
  Help,
  kCount,
  kNone = kCount,
};

constexpr int kMenuItemCount = static_cast<int>(MenuId::kCount);

struct MenuItem {
  MenuId id;
  MenuId parent;  // kNone: the top level
  const char* name;
  std::string caption;
  std::string hint;
  bool checked = false;
  bool radio = false;  // ticked with a bullet: one of a group
};

// The project's web page: the caption of the Web item and what it opens.
extern const char* const kWebAddress;

class PopupMenu {
 public:
  PopupMenu();

  const MenuItem& Item(MenuId id) const { return items_[Index(id)]; }
  MenuItem& Item(MenuId id) { return items_[Index(id)]; }
  bool Checked(MenuId id) const { return Item(id).checked; }
  void SetChecked(MenuId id, bool checked) { Item(id).checked = checked; }
  const std::array<MenuItem, kMenuItemCount>& Items() const { return items_; }
  bool HasChildren(MenuId id) const;

  static MenuId ButtonCountItem(int count);  // Btn1..Btn8, kNone otherwise
  static MenuId SubCountItem(int count);     // SubBtn2..SubBtn8, kNone otherwise
  static MenuId PanelScaleItem(int scale);   // PanelScale1..PanelScale4, kNone otherwise

 private:
  static int Index(MenuId id) { return static_cast<int>(id); }
  std::array<MenuItem, kMenuItemCount> items_;
};

}  // namespace sorvane
