#pragma once
// The look of the analog watch (colours, fonts, sizes, shapes and marks of
// face and hands) and its free-running settings, with the two tables that
// fill a look in one step: the watch's own styles and the component styles.
// The time picker keeps one of each and copies them into its watch.

#include <cstdint>
#include <memory>

#include "grid/foundation/ExtStyleIF.h"
#include "toolkit/graphics/GraphicsObjects.h"
#include "toolkit/graphics/Picture.h"
#include "toolkit/rtl/Classes.h"

enum TWatchShape { wsCircle, wsRect, wsRoundRect };
enum TPointerStyle { psLine, psShortLine, psPointer, psLineArrow };
enum TWatchGradient { wgRadial, wgVertical, wgDiagonalForward, wgDiagonalBackward };
enum TTickMarks { tmAll, tmHours, tmQuartHours, tmNone };
enum THourMarkStyle { hmsLine, hmsQuartDblLine };
enum TAMPMFrame { apRect, apRoundRect };
// The watch's predefined looks. Its first value shares the name of the face
// shape wsCircle's neighbours, so the styles keep their own scope.
enum class TWatchStyle {
  wsClassic, wsTower, wsFluorescent, wsEmerald, wsBlueStar, wsFuchsia, wsBlack, wsBlackWhite, wsGray, wsSuperNova,
  wsSports, wsSmooth
};

class TWatchAppearance : public TPersistent {
public:
  TWatchAppearance();
  ~TWatchAppearance() override;
  std::string ClassName() const override { return "TWatchAppearance"; }
  void Assign(const TPersistent* Source) override;
  // Back to the construction values, without notifications.
  void Reset();

  TFont* AMPMFont() const { return FAMPMFont.get(); }
  void SetAMPMFont(const TFont* Value);
  TColor AMPMBorderColor() const { return FAMPMBorderColor; }
  void SetAMPMBorderColor(TColor Value) { FAMPMBorderColor = Value; }
  TColor AMPMColor() const { return FAMPMColor; }
  void SetAMPMColor(TColor Value) { FAMPMColor = Value; }
  TAMPMFrame AMPMFrame() const { return FAMPMFrame; }
  void SetAMPMFrame(TAMPMFrame Value) { set(FAMPMFrame, Value); }
  TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(TColor Value) { set(FBorderColor, Value); }
  int BorderWidth() const { return FBorderWidth; }
  void SetBorderWidth(int Value) { set(FBorderWidth, Value); }
  TColor BackgroundColor() const { return FBackgroundColor; }
  void SetBackgroundColor(TColor Value) { set(FBackgroundColor, Value); }
  TColor BackgroundColorTo() const { return FBackgroundColorTo; }
  void SetBackgroundColorTo(TColor Value) { set(FBackgroundColorTo, Value); }
  TWatchGradient BackgroundGradient() const { return FBackgroundGradient; }
  void SetBackgroundGradient(TWatchGradient Value) { set(FBackgroundGradient, Value); }
  TColor CenterPointBorderColor() const { return FCenterPointBorderColor; }
  void SetCenterPointBorderColor(TColor Value) { set(FCenterPointBorderColor, Value); }
  TColor CenterPointOuterBorderColor() const { return FCenterPointOuterBorderColor; }
  void SetCenterPointOuterBorderColor(TColor Value) { set(FCenterPointOuterBorderColor, Value); }
  TColor CenterPointColor() const { return FCenterPointColor; }
  void SetCenterPointColor(TColor Value) { set(FCenterPointColor, Value); }
  uint8_t CenterPointSize() const { return FCenterPointSize; }
  void SetCenterPointSize(uint8_t Value) { set(FCenterPointSize, Value); }
  TFont* HourFont() const { return FHourFont.get(); }
  void SetHourFont(const TFont* Value);
  TColor HourColor() const { return FHourColor; }
  void SetHourColor(TColor Value) { set(FHourColor, Value); }
  uint8_t HourMarkLength() const { return FHourMarkLength; }
  void SetHourMarkLength(uint8_t Value) { set(FHourMarkLength, Value); }
  uint8_t HourMarkWidth() const { return FHourMarkWidth; }
  void SetHourMarkWidth(uint8_t Value) { set(FHourMarkWidth, Value); }
  THourMarkStyle HourMarkStyle() const { return FHourMarkStyle; }
  void SetHourMarkStyle(THourMarkStyle Value) { set(FHourMarkStyle, Value); }
  TColor HourPointer() const { return FHourPointer; }
  void SetHourPointer(TColor Value) { set(FHourPointer, Value); }
  TColor HourPointerShadow() const { return FHourPointerShadow; }
  void SetHourPointerShadow(TColor Value) { set(FHourPointerShadow, Value); }
  uint8_t HourPointerSize() const { return FHourPointerSize; }
  void SetHourPointerSize(uint8_t Value) { set(FHourPointerSize, Value); }
  TColor MinuteColor() const { return FMinuteColor; }
  void SetMinuteColor(TColor Value) { set(FMinuteColor, Value); }
  TColor MinutePointer() const { return FMinutePointer; }
  void SetMinutePointer(TColor Value) { set(FMinutePointer, Value); }
  TColor MinutePointerShadow() const { return FMinutePointerShadow; }
  void SetMinutePointerShadow(TColor Value) { set(FMinutePointerShadow, Value); }
  uint8_t MinutePointerSize() const { return FMinutePointerSize; }
  void SetMinutePointerSize(uint8_t Value) { set(FMinutePointerSize, Value); }
  uint8_t MinuteMarkLength() const { return FMinuteMarkLength; }
  void SetMinuteMarkLength(uint8_t Value) { set(FMinuteMarkLength, Value); }
  uint8_t MinuteMarkWidth() const { return FMinuteMarkWidth; }
  void SetMinuteMarkWidth(uint8_t Value) { set(FMinuteMarkWidth, Value); }
  TPicture* Picture() const { return FPicture.get(); }
  void SetPicture(const TPicture* Value);
  TPointerStyle PointerStyle() const { return FPointerStyle; }
  void SetPointerStyle(TPointerStyle Value) { set(FPointerStyle, Value); }
  TColor SecondPointer() const { return FSecondPointer; }
  void SetSecondPointer(TColor Value) { set(FSecondPointer, Value); }
  uint8_t SecondPointerSize() const { return FSecondPointerSize; }
  void SetSecondPointerSize(uint8_t Value) { set(FSecondPointerSize, Value); }
  TWatchShape Shape() const { return FShape; }
  void SetShape(TWatchShape Value) { set(FShape, Value); }
  int Size() const { return FSize; }
  void SetSize(int Value) { set(FSize, Value); }
  TTickMarks TickMarks() const { return FTickMarks; }
  void SetTickMarks(TTickMarks Value) { set(FTickMarks, Value); }

  TNotifyEvent OnChange;

private:
  template <class T>
  void set(T& Field, T Value) {
    if (Field == Value) return;
    Field = Value;
    changed();
  }
  void changed() {
    if (OnChange) OnChange(this);
  }
  std::unique_ptr<TFont> FAMPMFont, FHourFont;
  std::unique_ptr<TPicture> FPicture;
  TColor FAMPMBorderColor, FAMPMColor;
  TAMPMFrame FAMPMFrame;
  TColor FBorderColor;
  int FBorderWidth;
  TColor FBackgroundColor, FBackgroundColorTo;
  TWatchGradient FBackgroundGradient;
  TColor FCenterPointBorderColor, FCenterPointOuterBorderColor, FCenterPointColor;
  uint8_t FCenterPointSize;
  TColor FHourColor;
  uint8_t FHourMarkLength, FHourMarkWidth;
  THourMarkStyle FHourMarkStyle;
  TColor FHourPointer, FHourPointerShadow;
  uint8_t FHourPointerSize;
  TColor FMinuteColor, FMinutePointer, FMinutePointerShadow;
  uint8_t FMinutePointerSize, FMinuteMarkLength, FMinuteMarkWidth;
  TPointerStyle FPointerStyle;
  TColor FSecondPointer;
  uint8_t FSecondPointerSize;
  TWatchShape FShape;
  int FSize;
  TTickMarks FTickMarks;
};

class TWatchSettings : public TPersistent {
public:
  std::string ClassName() const override { return "TWatchSettings"; }
  void Assign(const TPersistent* Source) override;
  bool Auto() const { return FAuto; }
  void SetAuto(bool Value);
  int TimeOffset() const { return FTimeOffset; }
  void SetTimeOffset(int Value);
  bool Second() const { return FSecond; }
  void SetSecond(bool Value);
  TNotifyEvent OnChange;

private:
  void changed() {
    if (OnChange) OnChange(this);
  }
  bool FAuto = false;
  int FTimeOffset = 0;
  bool FSecond = true;
};

// The component style's colours on a watch look (the watch's and the time
// picker's). tsCustom only blackens the fonts and the centre point's outer ring.
void ApplyWatchComponentStyle(TWatchAppearance& Appearance, TQGSStyle AStyle);

// What a watch style decides besides the look: AM/PM box and numbers (each
// only when the style sets it) and, for the classic style, the animation.
struct TWatchStyleSwitches {
  int ShowAMPM = -1, ShowNumbers = -1;  // -1 kept, else 0 or 1
  bool ClassicAnimation = false;
};
// Resets the look and writes the style's values; Extent is the smaller of
// the watch's width and height (some lengths follow it).
TWatchStyleSwitches ApplyWatchStyle(TWatchAppearance& Appearance, TWatchStyle Style, int Extent);
