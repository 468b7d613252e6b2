#pragma once
// The document behind the rich edit: text with a character format per byte
// and a paragraph format per paragraph. A paragraph ends with "\r", which
// counts as one position, so positions match what rich-edit messages report.
// RTF is read and written by RichTextRtf.cpp; layout lives in RichLayout.h.

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

struct TRichCharFormat {
  std::string FontName = "Arial";
  int Size = 10;             // points
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;
  bool StrikeOut = false;
  int32_t Color = 0;         // a TColor (0x00BBGGRR)
  int Offset = 0;            // twips above (+, superscript) or below (-, subscript) the baseline
  bool operator==(const TRichCharFormat&) const = default;
};

enum TRichAlignment { raLeft, raRight, raCenter };

struct TRichParaFormat {
  TRichAlignment Alignment = raLeft;
  bool operator==(const TRichParaFormat&) const = default;
};

// A stretch of one paragraph in one format.
struct TRichRun {
  int Start = 0;
  int Length = 0;
  TRichCharFormat Format;
};

class TRichText {
public:
  TRichText() { paras_.emplace_back(); }

  // Text with "\r" between paragraphs; PlainText() uses "\r\n" instead.
  const std::string& Text() const { return text_; }
  std::string PlainText() const;
  int Length() const { return static_cast<int>(text_.size()); }
  void Clear();
  // Replaces everything with plain text in the default format.
  void SetPlainText(const std::string& s);

  const TRichCharFormat& DefaultFormat() const { return default_; }
  void SetDefaultFormat(const TRichCharFormat& f) { default_ = f; }

  // Editing. Inserted "\r\n", "\n" and "\r" become paragraph breaks; a new
  // paragraph takes the format of the one it was split from.
  void Insert(int pos, const std::string& s, const TRichCharFormat& format);
  void Delete(int pos, int length);

  // Character formats: the one at a position (of the character before it
  // at a paragraph end) and applying a change to a range.
  TRichCharFormat FormatAt(int pos) const;
  template <typename Fn> void ModifyFormat(int start, int length, Fn&& change) {
    for (int i = std::max(0, start); i < start + length && i < Length(); ++i) {
      TRichCharFormat f = formats_[formatOf_[i]];
      change(f);
      formatOf_[i] = Intern(f);
    }
  }

  // Paragraphs.
  int ParagraphCount() const { return static_cast<int>(paras_.size()); }
  int ParagraphFromChar(int pos) const;
  int ParagraphStart(int index) const;
  int ParagraphLength(int index) const;  // without its "\r"
  const TRichParaFormat& Paragraph(int index) const { return paras_[index]; }
  void SetParagraph(int index, const TRichParaFormat& p) { paras_[index] = p; }
  // The runs of one paragraph, in order, covering its text.
  std::vector<TRichRun> Runs(int paragraph) const;

  // RTF in and out. Text that is not RTF loads as plain text; malformed RTF
  // loads as much as could be read and never fails.
  void LoadRtf(const std::string& data);
  std::string SaveRtf() const;

private:
  uint16_t Intern(const TRichCharFormat& f);
  std::string text_;
  std::vector<uint16_t> formatOf_;
  std::vector<TRichCharFormat> formats_{TRichCharFormat()};
  std::vector<TRichParaFormat> paras_;
  TRichCharFormat default_;
};
