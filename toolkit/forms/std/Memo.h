#pragma once
// TCustomMemo/TMemo: the multi-line edit with Lines, WantReturns, WantTabs,
// WordWrap and ScrollBars.

#include <memory>

#include "toolkit/forms/std/Edit.h"
#include "toolkit/rtl/StringList.h"

class TCustomMemo;

// Lines of a memo, read from and written to the memo's text.
class TMemoStrings : public TStrings {
public:
  explicit TMemoStrings(TCustomMemo* Memo) : memo_(Memo) {}
  std::string ClassName() const override { return "TMemoStrings"; }
  int Count() const override;
  std::string Get(int Index) const override;
  void Put(int Index, const std::string& S) override;
  void Clear() override;
  void Delete(int Index) override;
  void Insert(int Index, const std::string& S) override;
  void SetText(const std::string& Value) override;

private:
  std::vector<std::string> lines() const;
  void store(const std::vector<std::string>& lines);
  TCustomMemo* memo_;
};

class TCustomMemo : public TCustomEdit {
public:
  explicit TCustomMemo(TComponent* AOwner);
  std::string ClassName() const override { return "TCustomMemo"; }
  TStrings* Lines() { return lines_.get(); }
  void SetLines(const TStrings* v) { lines_->Assign(v); }
  using TCustomEdit::WantReturns;
  using TCustomEdit::SetWantReturns;
  using TCustomEdit::WantTabs;
  using TCustomEdit::SetWantTabs;
  using TCustomEdit::WordWrap;
  using TCustomEdit::SetWordWrap;
  using TCustomEdit::ScrollBars;
  using TCustomEdit::SetScrollBars;
  // Caret as (column, line), both 0-based.
  TPoint CaretPos();
  void SetCaretPos(TPoint p);

protected:
  // A descendant with its own idea of loading and saving lines (the rich edit).
  void ReplaceLines(std::unique_ptr<TMemoStrings> Lines) { lines_ = std::move(Lines); }

private:
  std::unique_ptr<TMemoStrings> lines_;
};

class TMemo : public TCustomMemo {
public:
  explicit TMemo(TComponent* AOwner) : TCustomMemo(AOwner) {}
  std::string ClassName() const override { return "TMemo"; }
};
