#pragma once
// TMenuItem and TPopupMenu. Popup(x, y) shows the items in a popup window
// and waits, as the classic call does, until an item is chosen or the menu
// is dismissed; the chosen item's OnClick runs after the window is gone.

#include <memory>
#include <string>
#include <vector>

#include "toolkit/rtl/Classes.h"

class TControl;
class TCustomForm;

using TShortCut = uint16_t;
constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;
TShortCut ShortCut(uint16_t Key, bool Shift, bool Ctrl, bool Alt);
// "Ctrl+S", "Shift+F10", "Del"...; "" for 0.
std::string ShortCutToText(TShortCut ShortCut);

class TMenuItem : public TComponent {
public:
  explicit TMenuItem(TComponent* AOwner);
  ~TMenuItem() override;
  std::string ClassName() const override { return "TMenuItem"; }
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& v) { caption_ = v; }
  TShortCut ShortCut() const { return shortCut_; }
  void SetShortCut(TShortCut v) { shortCut_ = v; }
  bool Checked() const { return checked_; }
  void SetChecked(bool v) { checked_ = v; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool v) { enabled_ = v; }
  bool Visible() const { return visible_; }
  void SetVisible(bool v) { visible_ = v; }
  bool RadioItem() const { return radioItem_; }
  void SetRadioItem(bool v) { radioItem_ = v; }
  bool IsLine() const { return caption_ == "-"; }
  int Count() const { return static_cast<int>(items_.size()); }
  TMenuItem* Items(int Index) const { return items_.at(Index); }
  TMenuItem* Parent() const { return parent_; }
  // The item takes ownership of children added to it.
  void Add(TMenuItem* Item);
  void Insert(int Index, TMenuItem* Item);
  void Remove(TMenuItem* Item);
  void Clear();
  int IndexOf(const TMenuItem* Item) const;
  TMenuItem* Find(const std::string& ACaption) const;
  virtual void Click();
  TNotifyEvent OnClick;

private:
  std::string caption_;
  TShortCut shortCut_ = 0;
  bool checked_ = false, enabled_ = true, visible_ = true, radioItem_ = false;
  std::vector<TMenuItem*> items_;
  TMenuItem* parent_ = nullptr;
};

class TPopupMenu : public TComponent {
public:
  explicit TPopupMenu(TComponent* AOwner);
  ~TPopupMenu() override;
  std::string ClassName() const override { return "TPopupMenu"; }
  TMenuItem* Items() const { return items_.get(); }
  TComponent* PopupComponent() const { return popupComponent_; }
  void SetPopupComponent(TComponent* v) { popupComponent_ = v; }
  bool AutoPopup() const { return autoPopup_; }
  void SetAutoPopup(bool v) { autoPopup_ = v; }
  // Shows the menu at a screen point and returns when it is closed.
  virtual void Popup(int X, int Y);
  // The menu window while it is shown (for tests and the window system).
  TCustomForm* Window() const { return window_; }
  // Runs the item whose shortcut matches; true when one did.
  bool IsShortCut(uint16_t Key, bool Shift, bool Ctrl, bool Alt);
  TNotifyEvent OnPopup;
  TNotifyEvent OnClose;

private:
  std::unique_ptr<TMenuItem> items_;
  TComponent* popupComponent_ = nullptr;
  bool autoPopup_ = true;
  TCustomForm* window_ = nullptr;
};

// The menu being shown now (nullptr when none); a test chooses its items.
TPopupMenu* ActivePopupMenu();
// Chooses a visible, enabled item of the shown menu by caption ("&" ignored),
// as a click would; false when there is no such item.
bool ChoosePopupMenuItem(const std::string& Caption);
