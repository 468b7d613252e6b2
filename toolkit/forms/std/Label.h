#pragma once
// TLabel: a windowless caption with an accelerator that focuses another
// control; TLinkLabel: text with <a href="..."> links that fire OnLinkClick.

#include <vector>

#include "toolkit/forms/Controls.h"
#include "toolkit/graphics/CanvasTypes.h"

class TCustomLabel : public TGraphicControl {
public:
  explicit TCustomLabel(TComponent* AOwner);
  std::string ClassName() const override { return "TCustomLabel"; }
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment v) { alignment_ = v; AdjustBounds(); Invalidate(); }
  TTextLayout Layout() const { return layout_; }
  void SetLayout(TTextLayout v) { layout_ = v; Invalidate(); }
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool v) { autoSize_ = v; AdjustBounds(); }
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool v) { wordWrap_ = v; AdjustBounds(); Invalidate(); }
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool v) { transparent_ = v; Invalidate(); }
  bool ShowAccelChar() const { return showAccelChar_; }
  void SetShowAccelChar(bool v) { showAccelChar_ = v; AdjustBounds(); Invalidate(); }
  TWinControl* FocusControl() const { return focusControl_; }
  void SetFocusControl(TWinControl* v) { focusControl_ = v; }
  void Dispatch(TMessage& Message) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

protected:
  virtual std::string DisplayText() const { return Caption(); }
  virtual void AdjustBounds();
  uint32_t DrawFlags() const;
  void Paint() override;

private:
  TAlignment alignment_ = taLeftJustify;
  TTextLayout layout_ = tlTop;
  bool autoSize_ = true;
  bool wordWrap_ = false;
  bool transparent_ = false;
  bool showAccelChar_ = true;
  TWinControl* focusControl_ = nullptr;
};

class TLabel : public TCustomLabel {
public:
  explicit TLabel(TComponent* AOwner) : TCustomLabel(AOwner) {}
  std::string ClassName() const override { return "TLabel"; }
};

enum TSysLinkType { sltURL, sltID };
using TSysLinkEvent = std::function<void(TObject* Sender, const std::string& Link, TSysLinkType LinkType)>;

class TLinkLabel : public TCustomLabel {
public:
  explicit TLinkLabel(TComponent* AOwner);
  std::string ClassName() const override { return "TLinkLabel"; }
  TSysLinkEvent OnLinkClick;
  // A link as shown: the characters of the displayed text it covers.
  struct TLink { int Start = 0; int Length = 0; std::string Href; std::string Id; };
  const std::vector<TLink>& Links();
  // The link under a client point, -1 for none.
  int LinkAt(TPoint p);

protected:
  std::string DisplayText() const override;
  void Paint() override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;

private:
  void parse() const;
  mutable std::vector<TLink> links_;
  mutable std::string shown_;
  mutable std::string parsedFrom_;
  mutable bool parsed_ = false;
};
