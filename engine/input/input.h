// Run files, the deck preprocessor, the record reader and the deck readers.
#pragma once

#include <string>
#include <string_view>

#include "common/keywords.h"
#include "common/state.h"

namespace zav {

// Opens the scratch tapes (units 7, 8) and names.dat (2), reads the run's file
// names (asking on the console when names.dat is short), then opens the deck (4),
// the report (16), the plot data (6, which replace the earlier file only when
// the unit is closed, not when it is discarded) and the fourth file (9). False
// when a file the run needs cannot be opened; the reason is in the report, or
// on stderr when the report itself cannot be opened.
bool OPEN_RUN_FILES(EngineState& s);
// Closes units 7, 8, 2, 4, 16, 6, 9 in this order. False when a file that was
// written could not be saved (reported on stderr).
bool CLOSE_RUN_FILES(EngineState& s);

// Turns the deck on the input unit into one token per record on TAPE7 (through
// TAPE8) and makes TAPE7 the input unit.
void PREPROCESS_DECK(EngineState& s);

// The four characters of a keyword.
std::string_view KEYWORD_TABLE(Keyword k);
// The keyword a word starts with (its first four characters, blank-padded), or
// Keyword::none.
Keyword keyword_of(const std::string& word);

// mode 1: one number into value; mode -1: one word (4 characters) into word;
// mode 0: step back one record; mode > 1: message and step back; mode < -1: the
// first character of the next record as the word. status: 1 normal, -1 text met
// in a number field (s.reader.keyword tells which keyword, if any), 0 end
// of the deck (in word mode and in number mode).
void READIT(EngineState& s, int mode, real& value, std::string& word, int& status);
// The keyword of a word, or Keyword::none (reported) when it is none.
void FIND_KEYWORD(EngineState& s, const std::string& word, Keyword& index);
// The next word of the deck.
void READ_WORD(EngineState& s, std::string& word, int& status);

// x rounded to the nearest integer, halves away from zero; values beyond the
// integer range give its ends, NaN gives 0.
int NEAREST_INT(real x);

// Defaults of a run.
void INIT_DEFAULTS(EngineState& s);
// Reads the deck keyword by keyword until RUN, STOP or its end; stop := 1 at
// STOP and at the end.
void READ_DECK(EngineState& s, int& stop);
// Raises FATAL_INPUT_FLAG when the deck left out what the analysis needs.
void CHECK_INPUT_COMPLETE(EngineState& s);

// Report heading, title, gravity and unit labels.
void READ_TITLE(EngineState& s);
void READ_GRAVITY(EngineState& s);
void SET_UNIT_LABELS(EngineState& s);
// The banner, then the heading of the data echo (with the file names) or of
// the results.
enum class Heading { data_echo, results };
void WRITE_HEADING(EngineState& s, Heading heading);
void WRITE_BANNER(EngineState& s);

// The FOUN section and its parts.
void READ_FOUNDATION(EngineState& s);
void READ_GEOMETRY(EngineState& s);
void READ_MASS(EngineState& s);
void READ_FOUNDATION_CONSTANTS(EngineState& s);
void READ_ELEMENTS(EngineState& s);
void READ_BATTER(EngineState& s);

// The SOIL section and its parts.
void READ_SOIL(EngineState& s);
void SOLCST(EngineState& s);
void READ_SOIL_BELOW(EngineState& s);
void READ_EMBEDMENT(EngineState& s);

// The LOAD section and its data.
void READ_LOAD(EngineState& s);
void READ_LOAD_DATA(EngineState& s);

}  // namespace zav
