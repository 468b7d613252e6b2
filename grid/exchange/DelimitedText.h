#pragma once
// Delimiter-separated text as spreadsheet programs exchange it: the
// clipboard's TAB-separated lines and CSV files share one reader and one
// field quoting rule, so that what the grid writes it also reads back.
//
// A field that starts with a double quote runs to the matching closing quote
// (a doubled quote inside stands for one), across delimiters and line
// breaks; characters between the closing quote and the next delimiter are
// kept as they stand. Lines end with CR LF, CR or LF; a line end at the very
// end of the text starts no further row.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

using TDelimitedRows = std::vector<std::vector<std::string>>;

struct TDelimitedSyntax {
  char Delimiter = '\t';
  // Blanks in front of a field are dropped (CSV); the writer quotes texts
  // that start with one so they survive.
  bool TrimLeadingBlanks = false;
  // An unclosed quote raises EExtGridError (files); otherwise the field is
  // taken literally, opening quote included (text pasted from editors).
  bool StrictQuotes = false;
};

// Sees each field in order with its row and column (from 0); the text is
// valid during the call only. False ends the reading.
using TDelimitedFieldVisitor = std::function<bool(size_t Row, size_t Col, std::string_view Field)>;
// Reads without holding the rows: raises EExtGridError, naming the line, for
// an unclosed quote in strict mode (the last field of the text is the only
// one that can be unclosed, so a reader that sees no error on a first pass
// sees none on the second).
void ForEachDelimitedField(std::string_view Text, const TDelimitedSyntax& Syntax, const TDelimitedFieldVisitor& Visit);

// Raises EExtGridError, naming the line, for an unclosed quote in strict mode.
TDelimitedRows ParseDelimitedText(std::string_view Text, const TDelimitedSyntax& Syntax);

// Wraps Text in double quotes with every inner one doubled.
std::string QuoteField(std::string_view Text);

// The first two lines of a file (the second empty when missing) decide the
// delimiter among , ; # TAB | @ * - + &; '\0' when none fits.
char DetectDelimiter(std::string_view FirstLine, std::string_view SecondLine);

// The text up to the first line end (CR or LF).
std::string_view FirstTextLine(std::string_view Text, std::string_view* Rest = nullptr);
