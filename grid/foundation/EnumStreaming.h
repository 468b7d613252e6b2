#pragma once
// Enumerations and sets in the object-stream form: the value names of the
// framework enumerations the grid's streams store, and typed reading of a
// stored identifier or set that raises EReadError for a name it does not know.

#include <string>
#include <vector>

#include "grid/foundation/ExtObj.h"
#include "toolkit/rtl/Exceptions.h"
#include "toolkit/rtl/ObjectStream.h"

template <> struct TEnumNames<TAlignment> {
  static constexpr std::array<std::string_view, 3> Names{"taLeftJustify", "taRightJustify", "taCenter"};
};
template <> struct TEnumNames<TBrushStyle> {
  static constexpr std::array<std::string_view, 8> Names{"bsSolid", "bsClear", "bsHorizontal", "bsVertical",
                                                         "bsFDiagonal", "bsBDiagonal", "bsCross", "bsDiagCross"};
};
template <> struct TEnumNames<TFontStyle> {
  static constexpr std::array<std::string_view, 4> Names{"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};
};
template <> struct TEnumNames<TPenStyle> {
  static constexpr std::array<std::string_view, 9> Names{"psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot",
                                                         "psClear", "psInsideFrame", "psUserStyle", "psAlternate"};
};

template <typename E>
E StreamEnum(const TStreamProperty& P) {
  const std::optional<E> v = NameToEnum<E>(StreamIdent(P));
  if (!v) throw EReadError("Invalid property value for " + P.Name + ": unknown identifier");
  return *v;
}

template <typename E>
std::vector<std::string> SetIdents(TSet<E> s) {
  std::vector<std::string> out;
  for (int i = 0; i < EnumCount<E>(); ++i)
    if (s.Contains(static_cast<E>(i))) out.emplace_back(TEnumNames<E>::Names[i]);
  return out;
}

template <typename E>
TSet<E> StreamEnumSet(const TStreamProperty& P) {
  TSet<E> s;
  for (const std::string& ident : StreamSet(P)) {
    const std::optional<E> v = NameToEnum<E>(ident);
    if (!v) throw EReadError("Invalid property value for " + P.Name + ": unknown identifier");
    s.Include(*v);
  }
  return s;
}
