#pragma once
// TCustomMaskEdit/TMaskEdit: an edit whose text follows an edit mask.
// EditText is the full picture with literals and blanks; Text is what the
// mask keeps (literals only with ";1"). Leaving a modified edit validates it.

#include "toolkit/forms/models/EditMask.h"
#include "toolkit/forms/std/Edit.h"

class TCustomMaskEdit : public TCustomEdit {
public:
  explicit TCustomMaskEdit(TComponent* AOwner);
  std::string ClassName() const override { return "TCustomMaskEdit"; }

  const std::string& EditMask() const { return maskText_; }
  void SetEditMask(const std::string& v);
  bool IsMasked() const { return mask_.IsMasked(); }
  std::string EditText() const { return Model().Text(); }
  void SetEditText(const std::string& v);
  // Raises EDBEditError (and puts the caret on the bad position) when a
  // modified text misses a required character.
  virtual void ValidateEdit();
  virtual void ValidateError(int Position);

protected:
  TTextEditModel& Model() const { return const_cast<TCustomMaskEdit*>(this)->TCustomEdit::Model(); }
  std::string GetText() const override;
  void RealSetText(const std::string& v) override;
  bool EditKey(uint16_t Key, TShiftState Shift) override;
  void EditChar(char Key) override;
  void InsertUserText(const std::string& s) override;
  void DeleteUserText(bool forward, bool word) override;
  void DoExit() override;

private:
  // Writes an edited picture back with the selection the mask engine chose.
  void apply(const std::string& editText, int selStart, int selLength);
  std::string maskText_;
  TEditMask mask_;
};

class TMaskEdit : public TCustomMaskEdit {
public:
  explicit TMaskEdit(TComponent* AOwner) : TCustomMaskEdit(AOwner) {}
  std::string ClassName() const override { return "TMaskEdit"; }
};
