// Reading a project back from its input deck. The reader expects the lines
// where the writer puts them; numbers of a row or record are read word by word,
// so a record may run over several lines and a line may be of any length.
#include "app/ProgramData.h"
#include "app/FoundationSystem.h"

#include "controls/ColumnTypes.h"
#include "controls/NumberHelpers.h"
#include "controls/StringHelpers.h"
#include "controls/NumberFormat.h"
#include "controls/WordRead.h"

#include <algorithm>
#include <array>

namespace zavik {

namespace {

const QString NegativeCount = QStringLiteral("A number of rows cannot be negative.");

bool Starts(const QString& Line, const char* Keyword) {
  return Line.startsWith(QLatin1String(Keyword));
}

// A number that stands in a fixed place of a line, read as the word reader
// reads a word; Line and Item name it in the message.
long double LineFloat(const QString& Text, int Line, int Item) {
  long double value = 0;
  bool overflow = false;
  if (!TextToFloat(Text.trimmed(), value, overflow, QLatin1Char('.')))
    throw EInOutError(TWordReader::ItemErrorText(Line, Item, TWordReader::FloatExpected));
  return value;
}

int LineInteger(const QString& Text, int Line, int Item) {
  long double value = 0;
  bool overflow = false;
  if (!TextToFloat(Text.trimmed(), value, overflow, DecimalSeparator) || !IsWholeNumber(value))
    throw EInOutError(TWordReader::ItemErrorText(Line, Item, TWordReader::IntegerExpected));
  return static_cast<int>(value);
}

// Reading with the line numbers for messages and the guards on row counts.
class TDeckCursor {
public:
  explicit TDeckCursor(TWordReader& Reader) : R(Reader) {}

  TWordReader& R;
  int LineNo = 0;  // 1-based number of the line that Line() returned last

  QString Line() {
    LineNo = R.LineIndex() + 1;
    return R.ReadLine();
  }
  // Ends the line on which words were read; nothing when none were.
  void EndLine() {
    if (R.WordIndex() > 0) R.ReadLine();
  }
  void Floats(TGridTable* T, int Row, int First, int Last) {
    for (int c = First; c <= Last; ++c) T->Cells(c, Row)->SetFloat(R.ReadFloat());
  }
  void Skip(int Words) {
    for (int i = 0; i < Words; ++i) R.ReadWord();
  }
  // A row count from a line or from the word just read. Each row takes at
  // least one word, so a count beyond the words left in the file can only
  // run into the file's end: the table gets no more rows than that.
  int Rows(int Count, int Line, int Item) const {
    if (Count < 0) throw EInOutError(TWordReader::ItemErrorText(Line, Item, NegativeCount));
    return std::min(Count, R.WordsLeft());
  }
  int RowsFromText(const QString& Text) const { return Rows(LineInteger(Text, LineNo, 1), LineNo, 1); }
  int RowsFromWord() {
    const int count = R.ReadInteger();
    return Rows(count, R.LineIndex() + 1, R.WordIndex());
  }
};

}  // namespace

std::unique_ptr<TProgramData> TProgramData::CreateFromFile(TProjectTables& Tables,
                                                           const QString& FileName,
                                                           QString& Message) {
  // Read whole before anything changes: a file that cannot be read leaves the
  // open project as it is.
  TWordReader reader(FileName);
  auto project = std::make_unique<TProgramData>(Tables);
  project->FileName = FileName;
  for (TGridTable* t : Tables.Tables()) t->SetRowCount(0);
  Message.clear();
  {
    const TFileSeparatorScope separators;
    try {
      project->ReadDeck(reader);
    } catch (const Exception& e) {
      Message = e.Message();
    } catch (const std::exception& e) {
      Message = QString::fromLocal8Bit(e.what());
    }
  }
  // Whatever was read stays; every table holds at least its minimum of rows.
  for (TGridTable* t : Tables.Tables())
    if (t->RowCount() < t->MinRows()) t->SetRowCount(t->MinRows());
  Tables.SetModified(false);
  return project;
}

void TProgramData::ReadDeck(TWordReader& Reader) {
  TProjectTables& T = *FTables;
  TDeckCursor d(Reader);
  TWordReader& R = Reader;

  Title = CopyFrom(d.Line(), 7);
  if (Title == QLatin1String(" ")) Title.clear();  // how the writer gives an empty title
  QString line = d.Line();
  StiffnessMatrix = line.trimmed() == QLatin1String("MATRIX") ? 1 : 0;
  if (StiffnessMatrix == 1) line = d.Line();
  // The gravitational constant chooses the unit system: 9.8 SI, 32.2 English.
  ConvertUnits(LineFloat(CopyFrom(line, 9), d.LineNo, 1) < 10 ? 2 : 1);

  const QString type = CopyFrom(d.Line().trimmed(), 12);
  const TFoundationSystem system(type);
  if (!system.Known())
    throw EInOutError(TWordReader::ItemErrorText(
        d.LineNo, 1,
        QStringLiteral("The foundation system must be HALF-SPACE, PILE, STRATUM or MULTILAYER.")));
  FoundationType = type;
  const bool pile = system.Pile, multi = system.Multi, half = system.Half, stratum = system.Stratum;

  line = d.Line();
  if (Starts(line, "CIRCULAR")) {
    FootingRadius = LineFloat(CopyFrom(line, 10), d.LineNo, 1);
    FootingShape = 1;
  } else {
    FootingShape = 0;
    const QString sides = CopyFrom(line, 13);
    const int comma = PosOrEnd(QStringLiteral(","), sides);
    FootingLength = LineFloat(sides.left(comma - 1), d.LineNo, 1);
    FootingWidth = LineFloat(CopyFrom(sides, comma + 1), d.LineNo, 1);
  }

  d.Line();  // MASS
  for (long double* v : {&TotalMass, &InertiaX, &InertiaY, &InertiaZ, &ProductXY, &ProductXZ,
                         &ProductYZ})
    *v = R.ReadFloat();
  d.EndLine();

  if (pile) {
    FoundationKind = 2;
    line = d.Line().trimmed();
    T.PileData->SetRowCount(d.RowsFromText(CopyFrom(line, 8)));
    line = d.Line().trimmed();
    PileHead = Starts(line, "FIXED") ? 1 : 0;
    T.Pilecoord->SetRowCount(d.RowsFromText(CopyFrom(line, PileHead == 1 ? 7 : 8)));
    for (int r = 0; r < T.Pilecoord->RowCount(); ++r) {
      d.Skip(1);
      d.Floats(T.Pilecoord, r, 0, 1);
    }
    d.EndLine();
  }
  if (multi) {
    FoundationKind = 4;
    T.MultiElement->SetRowCount(d.RowsFromText(CopyFrom(d.Line().trimmed(), 7)));
  }

  d.Line();  // CONSTANTS
  for (long double* v : {&Xc, &Yc, &Zc}) *v = R.ReadFloat();
  if (pile || multi)
    for (long double* v : {&PileLength, &PileUnitWeight, &StaticLoad, &PilePoisson, &PileDamping,
                           &ShearCoefficient, &PileModulus})
      *v = R.ReadFloat();
  if (half) FoundationKind = 1;
  if (stratum) {
    FoundationDepth = R.ReadFloat();
    BedrockDepth = R.ReadFloat();
    FoundationKind = 3;
  }
  d.EndLine();

  if (pile || multi) {
    d.Line();  // ELEMENT
    TGridTable* elements = pile ? T.PileData : T.MultiElement;
    for (int r = 0; r < elements->RowCount(); ++r) {
      d.Skip(1);
      d.Floats(elements, r, 0, 6);
    }
    d.EndLine();
  }

  if (pile) {
    PileTip = d.Line().trimmed() == QLatin1String("END-BEARING") ? 1 : 0;
    line = d.Line();
    if (line.trimmed() == QLatin1String("BATTERED")) {
      // Per pile a line with its number and plane, then a line with the
      // angle. The plane is the line's second word, whatever the width of
      // the pile number.
      for (int r = 0; r < T.Pilecoord->RowCount(); ++r) {
        d.Skip(1);
        const QString plane = R.ReadWord();
        if (plane == QLatin1String("XZ")) T.Pilecoord->Cells(3, r)->SetInteger(1);
        if (plane == QLatin1String("YZ")) T.Pilecoord->Cells(3, r)->SetInteger(2);
        d.EndLine();
        d.Floats(T.Pilecoord, r, 2, 2);
        d.EndLine();
      }
      line = d.Line();
    }
    Interaction = Starts(line, "INTERACTION") ? 1 : 0;
    if (Interaction == 1) d.Line();  // SOIL
    d.Line();  // WEAK
    d.Line();  // CONSTANTS
    T.D->SetRowCount(T.PileData->RowCount());
    for (int r = 0; r < T.D->RowCount(); ++r) {
      d.Skip(1);
      d.Floats(T.D, r, 0, 4);
      d.Skip(3);  // the values derived from the row
    }
    d.EndLine();
  }

  if (multi) {
    d.Line();  // SOIL
    line = d.Line();
    if (Starts(line, "WEAK")) line = d.Line();
    T.D->SetRowCount(d.RowsFromText(CopyFrom(line, 11)));
    T.Multisoil->SetRowCount(std::max(T.MultiElement->RowCount() - T.D->RowCount(), 0));
    for (int r = 0; r < T.D->RowCount(); ++r) {
      d.Skip(1);
      d.Floats(T.D, r, 0, 4);
      d.Skip(3);
    }
    for (int r = 0; r < T.Multisoil->RowCount(); ++r) {
      d.Skip(1);
      d.Floats(T.Multisoil, r, 0, 5);
    }
    d.EndLine();
  }

  if (half) {
    d.Line();  // SOIL
    line = d.Line();
    WeakZone = line.left(4) == QLatin1String("WEAK");
    if (WeakZone) line = d.Line();
    T.D1->SetRowCount(d.RowsFromText(CopyFrom(line, 11)));
    for (int r = 0; r < T.D1->RowCount(); ++r) {
      d.Skip(1);
      d.Floats(T.D1, r, 0, WeakZone ? 5 : 4);
      if (WeakZone) d.Skip(3);
    }
    d.EndLine();
  }

  long double* below[] = {&TipShearVelocity, &TipUnitWeight, &TipPoisson, &TipDamping};
  if (stratum) {
    d.Line();  // SOIL
    d.Line();  // CONSTANTS
    for (long double* v : below) *v = R.ReadFloat();
    d.EndLine();
  } else {
    const QStringList values = CopyFrom(d.Line(), 7).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (int i = 0; i < 4; ++i) {
      if (i >= values.size())
        throw EInOutError(TWordReader::ItemErrorText(d.LineNo, i + 1, TWordReader::FloatExpected));
      *below[i] = LineFloat(values[i], d.LineNo, i + 1);
    }
  }

  if (pile) {
    const bool sideCap = Starts(R.PeekLine(), "SIDE-CAP");
    if (sideCap) d.Line();
    if (Starts(R.PeekLine(), "EMBEDDED")) {
      d.Line();
      T.pilecapsoil->SetRowCount(d.RowsFromWord());
      for (int r = 0; r < T.pilecapsoil->RowCount(); ++r) {
        d.Skip(1);
        d.Floats(T.pilecapsoil, r, 0, sideCap ? 5 : 4);
        if (sideCap) d.Skip(3);
      }
      d.EndLine();
    }
  }

  d.Line();  // LOAD
  LoadTypeName = d.Line();
  d.Line();  // CONSTANTS
  if (Starts(LoadTypeName, "TRANSIENT") || Starts(LoadTypeName, "RANDOM")) {
    const bool transient = Starts(LoadTypeName, "TRANSIENT");
    LoadType = transient ? 2 : 3;
    if (!transient) {
      RandomMaxFrequency = R.ReadFloat();
      RandomMinFrequency = R.ReadFloat();
    }
    NumberOfPoints = R.ReadInteger();
    const int points = d.Rows(NumberOfPoints, R.LineIndex() + 1, R.WordIndex());
    if (transient)
      TimeInterval = R.ReadFloat();
    else
      ObservationPeriod = R.ReadFloat();
    NumberOfLoadTypes = R.ReadInteger();
    TGridTable* loads = transient ? T.TLoadtype : T.Trandom;
    loads->SetRowCount(d.Rows(NumberOfLoadTypes, R.LineIndex() + 1, R.WordIndex()));
    for (int r = 0; r < loads->RowCount(); ++r) {
      // The direction; a spectrum gives its location code twice.
      const int code = R.ReadInteger();
      if (!transient) R.ReadInteger();
      loads->Cells(0, r)->SetInteger(code);
      TGridTable* values = loads->Cells(1, r)->AsTable();
      RaiseIf(!values, QStringLiteral("Load table without its value table"));
      values->SetRowCount(std::min(points, R.WordsLeft()));
      for (int k = 0; k < values->RowCount(); ++k) d.Floats(values, k, 0, 0);
    }
  } else {
    Quadratic = d.Line().trimmed() == QLatin1String("QUADRATIC") ? 1 : 0;
    for (long double* v : {&MaxFrequency, &MinFrequency, &StepFrequency}) *v = R.ReadFloat() / 6.28L;
    for (long double* v : {&ForceX, &ForceY, &ForceZ, &MomentX, &MomentY, &MomentZ})
      *v = R.ReadFloat();
    d.EndLine();
    LoadPointX = LoadPointY = LoadPointZ = 0;
    LoadPointReference = 0;
    const int words = R.WordCount();
    if (words > 1) {
      for (long double* v : {&LoadPointX, &LoadPointY, &LoadPointZ}) *v = R.ReadFloat();
      if (words > 3) LoadPointReference = R.ReadInteger();
    }
  }

  // The front end's own block after "RUN".
  while (d.Line().trimmed() != QLatin1String("RUN")) {
  }
  MassCount = 0;
  if (R.Eof()) return;
  MassCount = R.ReadInteger();
  const int countLine = R.LineIndex() + 1;
  const int countItem = R.WordIndex();
  d.EndLine();
  if (MassCount > 0) {
    T.MassCal->SetRowCount(d.Rows(MassCount, countLine, countItem));
    for (int r = 0; r < T.MassCal->RowCount(); ++r) {
      d.Floats(T.MassCal, r, 0, 6);
      d.EndLine();
    }
  }
  // The centres are read without masses too: the centre of base also places
  // a harmonic load referred to it.
  for (const auto& centre : {std::array{&CGX, &CGY, &CGZ}, std::array{&CBLocalX, &CBLocalY, &CBLocalZ},
                             std::array{&CBGlobalX, &CBGlobalY, &CBGlobalZ}}) {
    if (R.Eof()) return;
    for (long double* v : centre) *v = R.ReadFloat();
    d.EndLine();
  }
}

}  // namespace zavik
