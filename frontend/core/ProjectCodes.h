#pragma once
// The project's codes by name. Each list below gives, per value, its name,
// the number the project has always stored for it, its word in the deck and
// its caption in the windows and menus; the same list yields the scoped
// enumeration and its table, so the two cannot drift.
//
// The front end numbers the foundation systems HALF-SPACE 1, PILE 2,
// STRATUM 3, MULTILAYER 4, and the load types HARMONIC 1, TRANSIENT 2,
// RANDOM 3; the engine numbers them otherwise (PILE 1, HALF 2, ...; TRAN 1,
// RAND 2, HARM 3) and keeps its own enumerations: these are the front end's.

#include "controls/ColumnUnits.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>
#include <span>

namespace zavik {

// X(Name, Code, DeckWord, Caption)
#define ZAV_FOUNDATION_KINDS(X)                       \
  X(HalfSpace, 1, "HALF-SPACE", "HALF-SPACE")         \
  X(Pile, 2, "PILE", "PILE")                          \
  X(Stratum, 3, "STRATUM", "STRATUM")                 \
  X(Multilayer, 4, "MULTILAYER", "MULTILAYER")

// The deck gives the unit system by its gravitational constant; the codes
// are those the tables and entries take.
#define ZAV_UNIT_SYSTEMS(X)                                            \
  X(English, EnglishSystem, "32.2", "&English Units (lbs, slug, ft)")  \
  X(SI, SISystem, "9.8", "&SI Units (kN, Mg, m)")

#define ZAV_LOAD_TYPES(X)                                  \
  X(Harmonic, 1, "HARMONIC", "Harmonic Loading")           \
  X(Transient, 2, "TRANSIENT", "Transient Loading")        \
  X(Random, 3, "RANDOM", "Random Loading")

// The connection between the pile cap and the pile heads.
#define ZAV_PILE_HEADS(X)            \
  X(Pinned, 0, "PINNED", "PINNED")   \
  X(Fixed, 1, "FIXED", "FIXED")

// Floating piles, or piles that bear on rock at their tips.
#define ZAV_PILE_TIPS(X)                                 \
  X(Floating, 0, "FLOATING", "Floating Piles")           \
  X(EndBearing, 1, "END-BEARING", "End-Bearing Piles")

#define ZAV_FOOTING_SHAPES(X)                          \
  X(Rectangular, 0, "RECTANGULAR", "Rectangular")      \
  X(Circular, 1, "CIRCULAR", "Circular")

// The system the harmonic load's point is given in; the deck writes the code.
#define ZAV_LOAD_POINT_REFERENCES(X)                                                 \
  X(CentreOfGravity, 0, "0", "Referred to the Center of Gravity (Global Coordinates)") \
  X(CentreOfBase, 1, "1", "Referred to the Center of Base (local coordinates)")

// One value of a code: the enumerator, its deck word and its caption.
template <class E>
struct TCodeName {
  E Value;
  const char* DeckWord;
  const char* Caption;
};

#define ZAV_CODE_ENUMERATOR(Name, Code, Word, Caption) Name = Code,
#define ZAV_CODE_ROW(Name, Code, Word, Caption) {E::Name, Word, Caption},
// The enumeration and, found by argument lookup on a value of it, its table.
#define ZAV_DEFINE_CODES(Enum, List)                                   \
  enum class Enum { List(ZAV_CODE_ENUMERATOR) };                       \
  inline std::span<const TCodeName<Enum>> CodeNames(Enum) {            \
    using E = Enum;                                                    \
    static constexpr TCodeName<Enum> rows[] = {List(ZAV_CODE_ROW)};    \
    return rows;                                                       \
  }

ZAV_DEFINE_CODES(TFoundationKind, ZAV_FOUNDATION_KINDS)
ZAV_DEFINE_CODES(TUnits, ZAV_UNIT_SYSTEMS)
ZAV_DEFINE_CODES(TLoadType, ZAV_LOAD_TYPES)
ZAV_DEFINE_CODES(TPileHead, ZAV_PILE_HEADS)
ZAV_DEFINE_CODES(TPileTip, ZAV_PILE_TIPS)
ZAV_DEFINE_CODES(TFootingShape, ZAV_FOOTING_SHAPES)
ZAV_DEFINE_CODES(TLoadPointReference, ZAV_LOAD_POINT_REFERENCES)

#undef ZAV_DEFINE_CODES
#undef ZAV_CODE_ROW
#undef ZAV_CODE_ENUMERATOR

// The number the project stores for a value (the code the windows and the
// tables' unit system use).
template <class E>
constexpr int Code(E Value) {
  return static_cast<int>(Value);
}

// The value of a stored number, or nothing when the number is no value of E.
template <class E>
std::optional<E> FromCode(int Number) {
  for (const TCodeName<E>& n : CodeNames(E{}))
    if (Code(n.Value) == Number) return n.Value;
  return std::nullopt;
}

// True when Value is one of the list's values (a stored number cast to E may
// be none).
template <class E>
bool IsKnown(E Value) {
  return FromCode<E>(Code(Value)).has_value();
}

template <class E>
const TCodeName<E>* CodeName(E Value) {
  for (const TCodeName<E>& n : CodeNames(Value))
    if (n.Value == Value) return &n;
  return nullptr;
}

// The value's word in the deck; empty for a value outside the list.
template <class E>
QString DeckWord(E Value) {
  const TCodeName<E>* n = CodeName(Value);
  return n ? QLatin1String(n->DeckWord) : QString();
}

// The value's caption in the windows and menus; empty for a value outside the
// list.
template <class E>
QString CodeCaption(E Value) {
  const TCodeName<E>* n = CodeName(Value);
  return n ? QString::fromUtf8(n->Caption) : QString();
}

// The value whose deck word is Word, compared exactly; nothing for any other
// text.
template <class E>
std::optional<E> FromDeckWord(QStringView Word) {
  for (const TCodeName<E>& n : CodeNames(E{}))
    if (Word == QLatin1String(n.DeckWord)) return n.Value;
  return std::nullopt;
}

// The deck words of every value, in the list's order ("HALF-SPACE", "PILE",
// ...).
template <class E>
QStringList DeckWords() {
  QStringList words;
  for (const TCodeName<E>& n : CodeNames(E{})) words << QLatin1String(n.DeckWord);
  return words;
}

}  // namespace zavik
