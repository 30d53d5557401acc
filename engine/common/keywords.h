// The keywords of a deck. One list gives both the table the words are looked up
// in (the first four characters of a word, blank-padded) and the names the
// readers use for them, so the two cannot drift apart. The order is the
// table's: a word is the first keyword whose characters it starts with.
#pragma once

#include <array>
#include <string_view>

// clang-format off
// X(name, the four characters of the table)
#define ZAV_KEYWORDS(X)                                                            \
  X(BLANK, "    ") /* a blank word */                                              \
  X(WIDE, "WIDE") X(NARR, "NARR") X(ECHO, "ECHO") X(NOEC, "NOEC")                  \
  X(PILE, "PILE") X(HALF, "HALF") X(STRA, "STRA") X(MULT, "MULT")                  \
  X(LOAD, "LOAD") X(HARM, "HARM") X(TRAN, "TRAN") X(RAND, "RAND")                  \
  X(PLOT, "PLOT") X(CIRC, "CIRC") X(RECT, "RECT") X(SOIL, "SOIL")                  \
  X(PARA, "PARA") X(LAYE, "LAYE") X(GRAV, "GRAV") X(DIME, "DIME")                  \
  X(BELO, "BELO") X(ELEM, "ELEM") X(FOUN, "FOUN") X(WEAK, "WEAK")                  \
  X(BATT, "BATT") X(INTE, "INTE") X(RUN, "RUN ") X(STOP, "STOP")                   \
  X(TITL, "TITL") X(MATR, "MATR") X(FIXE, "FIXE") X(PINN, "PINN")                  \
  X(FLOA, "FLOA") X(END, "END-") X(CONS, "CONS") X(MASS, "MASS")                   \
  X(EMBE, "EMBE") X(SIDE, "SIDE") X(HAMM, "HAMM") X(LONG, "LONG")                  \
  X(SHOR, "SHOR") X(VELO, "VELO") X(PULS, "PULS") X(PAD, "PAD ")                   \
  X(SPRI, "SPRI") X(STAT, "STAT") X(DYNA, "DYNA")                                  \
  X(SPARE1, "    ") X(SPARE2, "    ") /* blank places, never found: see BLANK */  \
  X(QUAD, "QUAD") X(NONQ, "NONQ")

namespace zav {

enum class Keyword : int {
#define ZAV_KEYWORD_NAME(name, text) name,
  ZAV_KEYWORDS(ZAV_KEYWORD_NAME)
#undef ZAV_KEYWORD_NAME
  none = 999  // a word that is no keyword
};
// clang-format on

inline constexpr std::array keyword_texts = {
#define ZAV_KEYWORD_TEXT(name, text) std::string_view(text),
    ZAV_KEYWORDS(ZAV_KEYWORD_TEXT)
#undef ZAV_KEYWORD_TEXT
};

// The number of keywords of the table.
inline constexpr int KEYWORD_COUNT = static_cast<int>(keyword_texts.size());
static_assert(
    [] {
      for (std::string_view t : keyword_texts)
        if (t.size() != 4) return false;
      return true;
    }(),
    "a keyword of the table is four characters");

// The keyword at place k of the table, counted from 0.
constexpr Keyword keyword_at(int k) { return static_cast<Keyword>(k); }

}  // namespace zav
