// Reading a project back from its input deck. The reader expects each line
// where the writer puts it and checks its keyword; the numbers of a row or
// record begin a line and end one, and go on to the next line only where a
// line is full (as the writer breaks them), so a line of any length is read.
// A deck that is not so stops the reading where it goes wrong, with the line
// and item in the message.
#include "core/ProgramData.h"
#include "core/DeckLayout.h"

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
const QString NoRows = QStringLiteral("At least one row was expected.");

QString NotFound(const QString& What) { return What + QStringLiteral(" was expected but not found."); }
QString KeywordNotFound(const char* Keywords) {
  return NotFound(QStringLiteral("The keyword ") + QLatin1String(Keywords));
}
QString ItemsText(int Count) {
  return Count == 1 ? QStringLiteral("1 item") : QStringLiteral("%1 items").arg(Count);
}

bool Starts(const QString& Line, const char* Keyword) { return Line.startsWith(QLatin1String(Keyword)); }

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

// A line whose next item, with a blank before it and after it, would pass
// the deck's width: the writer goes on in the next line there.
bool IsFull(const QString& Line, const QString& NextItem) {
  qsizetype end = Line.size();
  while (end > 0 && Line[end - 1].unicode() <= 32) --end;
  return end + 1 + NextItem.size() + 1 > DeckWidth;
}

// Reading line by line and record by record, with the place of every fault.
class TDeckCursor {
public:
  explicit TDeckCursor(TWordReader& Reader) : R(Reader) {}

  TWordReader& R;
  int LineNo = 0;  // 1-based number of the line that Line() returned last

  // The next line; the file has ended when only blank lines are left.
  QString Line() {
    if (R.WordsLeft() == 0) throw EInOutError(TWordReader::Incomplete);
    LineNo = R.LineIndex() + 1;
    return R.ReadLine();
  }
  [[noreturn]] void Fail(int Item, const QString& Text) const {
    throw EInOutError(TWordReader::ItemErrorText(LineNo, Item, Text));
  }
  // The next line, which must be the keyword, blanks aside.
  void Keyword(const char* Word) {
    if (Line().trimmed() != QLatin1String(Word)) Fail(1, KeywordNotFound(Word));
  }
  // The next line, which must begin with the keyword; the text after it.
  QString After(const char* Keyword) {
    const QString line = Line().trimmed();
    if (!Starts(line, Keyword)) Fail(1, KeywordNotFound(Keyword));
    return line.mid(qsizetype(qstrlen(Keyword)));
  }
  // A count of a table's rows that stands on a line after its keyword.
  int TableRowsAfter(const char* Keyword) {
    const int count = LineInteger(After(Keyword), LineNo, 1);
    return TableRows(count, LineNo, 1);
  }

  // A record of Items items named What: it begins the current line and
  // ends a line.
  void Begin(int Items, const char* What) {
    FItems = Items;
    FWhat = What;
  }
  void More(int Items) { FItems += Items; }
  long double Float() {
    Next();
    return R.ReadFloat();
  }
  int Integer() {
    Next();
    return R.ReadInteger();
  }
  QString Word() {
    Next();
    return R.ReadWord();
  }
  void Floats(TGridTable* T, int Row, TColumnIndex First, TColumnIndex Last) {
    for (int c = First.Index; c <= Last.Index; ++c) T->Cells(c, Row)->SetFloat(Float());
  }
  // The row's own number, which must be Number.
  void RowNumber(int Number) {
    const QString word = Word();
    long double value = 0;
    bool overflow = false;
    if (!TextToFloat(word, value, overflow, DecimalSeparator) || value != Number)
      throw EInOutError(TWordReader::ItemErrorText(R.LineIndex() + 1, R.WordIndex(),
                                                   NotFound(QStringLiteral("Row number %1").arg(Number))));
  }
  // The values that the writer derives from a soil row's weakened zone.
  void Derived(const TWeakZoneRule& Rule, long double Poisson, long double Damping, long double Ratio) {
    static const char* const names[] = {"Poisson's ratio", "material damping", "thickness ratio"};
    const QStringList expected = Rule.DerivedItems(Poisson, Damping, Ratio);
    for (int i = 0; i < 3; ++i)
      if (Float() != LineFloat(expected[i], 0, 0))
        throw EInOutError(
            TWordReader::ItemErrorText(R.LineIndex() + 1, R.WordIndex(),
                                       QStringLiteral("The weakened zone's %1 was expected to be %2.")
                                           .arg(QLatin1String(names[i]), expected[i])));
  }
  // The record ends here, and so does its line.
  void End() {
    if (R.WordIndex() < R.LineAt(R.LineIndex()).Count())
      throw EInOutError(TWordReader::ItemErrorText(R.LineIndex() + 1, R.WordIndex() + 1,
                                                   QStringLiteral("The line holds more than the %1 of %2.")
                                                       .arg(QLatin1String(FWhat), ItemsText(FItems))));
    LineNo = R.LineIndex() + 1;
    R.ReadLine();
  }
  // A one-item record.
  long double FloatRecord(const char* What) {
    Begin(1, What);
    const long double v = Float();
    End();
    return v;
  }
  int IntegerRecord(const char* What) {
    Begin(1, What);
    const int v = Integer();
    End();
    return v;
  }
  // A row count of a record just read, as its item Item. Each row takes at
  // least one word, so a count beyond the words left in the file can only
  // run into the file's end: the table gets no more rows than that.
  int Rows(int Count, int Line, int Item) const {
    if (Count < 0) throw EInOutError(TWordReader::ItemErrorText(Line, Item, NegativeCount));
    return std::min(Count, R.WordsLeft());
  }
  // A count of a table's rows: every table of a project holds one at the least.
  int TableRows(int Count, int Line, int Item) const {
    const int rows = Rows(Count, Line, Item);
    if (rows == 0) throw EInOutError(TWordReader::ItemErrorText(Line, Item, NoRows));
    return rows;
  }

private:
  // Before each item: it stands on the current line, or the record goes on
  // from a full line to the next.
  void Next() {
    if (R.Eof()) throw EInOutError(TWordReader::Incomplete);
    const int line = R.LineIndex();
    const TWordContainer& words = R.LineAt(line);
    if (R.WordIndex() < words.Count()) return;
    // A blank line where a record should begin, as the word reader says it.
    if (words.Count() == 0)
      throw EInOutError(TWordReader::ItemErrorText(line + 1, 1, TWordReader::Incomplete));
    if (line + 1 >= R.LineCount()) throw EInOutError(TWordReader::Incomplete);
    const TWordContainer& next = R.LineAt(line + 1);
    if (R.WordIndex() > 0 && next.Count() > 0 && IsFull(words.Line, next.Words.first())) return;
    throw EInOutError(
        TWordReader::ItemErrorText(line + 1, R.WordIndex() + 1,
                                   QStringLiteral("The line ends before the %1 of %2 is complete.")
                                       .arg(QLatin1String(FWhat), ItemsText(FItems))));
  }

  int FItems = 0;
  const char* FWhat = "";
};

}  // namespace

std::unique_ptr<TProgramData> TProgramData::CreateFromFile(TProjectTables& Tables, const QString& FileName,
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
  // Whatever was read stays; every table, the load tables of the rows too,
  // holds at least its minimum of rows.
  for (TGridTable* t : GridTables(&Tables))
    if (t->RowCount() < t->MinRows()) t->SetRowCount(t->MinRows());
  Tables.SetModified(false);
  return project;
}

void TProgramData::ReadDeck(TWordReader& Reader) {
  TProjectTables& T = *FTables;
  TDeckCursor d(Reader);
  TWordReader& R = Reader;

  // The title as it stands, blanks and all.
  const QString first = d.Line();
  if (!Starts(first, "TITLE=")) d.Fail(1, KeywordNotFound("TITLE="));
  Title = CopyFrom(first, 7);
  if (Title == QLatin1String(" ")) Title.clear();  // how the writer gives an empty title
  QString line = d.Line();
  StiffnessMatrix = line.trimmed() == QLatin1String("MATRIX");
  if (StiffnessMatrix) line = d.Line();
  if (!Starts(line.trimmed(), "GRAVITY=")) d.Fail(1, KeywordNotFound("GRAVITY="));
  // The gravitational constant chooses the unit system: 9.8 SI, 32.2 English.
  ConvertUnits(LineFloat(CopyFrom(line.trimmed(), 9), d.LineNo, 1) < 10 ? TUnits::SI : TUnits::English);

  const std::optional<TFoundationKind> kind = FromDeckWord<TFoundationKind>(d.After("FOUNDATION="));
  if (!kind)
    d.Fail(1, QStringLiteral("The foundation system must be HALF-SPACE, PILE, STRATUM or MULTILAYER."));
  FoundationKind = *kind;
  const TFoundationSystem& S = System();

  line = d.Line().trimmed();
  if (Starts(line, "CIRCULAR=")) {
    FootingRadius = LineFloat(CopyFrom(line, 10), d.LineNo, 1);
    FootingShape = TFootingShape::Circular;
  } else if (Starts(line, "RECTANGULAR=")) {
    FootingShape = TFootingShape::Rectangular;
    const QString sides = CopyFrom(line, 13);
    const int comma = PosOrEnd(QStringLiteral(","), sides);
    FootingLength = LineFloat(sides.left(comma - 1), d.LineNo, 1);
    FootingWidth = LineFloat(CopyFrom(sides, comma + 1), d.LineNo, 1);
  } else {
    d.Fail(1, KeywordNotFound("CIRCULAR= or RECTANGULAR="));
  }

  d.Keyword("MASS");
  d.Begin(7, "mass line");
  for (long double* v : {&TotalMass, &InertiaX, &InertiaY, &InertiaZ, &ProductXY, &ProductXZ, &ProductYZ})
    *v = d.Float();
  d.End();

  if (S.Elements) (T.*S.Elements)->SetRowCount(d.TableRowsAfter(S.ElementsKeyword));
  if (S.PileGroup) {
    line = d.Line().trimmed();
    if (!Starts(line, "FIXED=") && !Starts(line, "PINNED=")) d.Fail(1, KeywordNotFound("FIXED= or PINNED="));
    PileHead = Starts(line, "FIXED=") ? TPileHead::Fixed : TPileHead::Pinned;
    T.Pilecoord->SetRowCount(
        d.TableRows(LineInteger(CopyFrom(line, int(DeckWord(PileHead).size()) + 2), d.LineNo, 1), d.LineNo, 1));
    for (int r = 0; r < T.Pilecoord->RowCount(); ++r) {
      d.Begin(3, "pile row");
      d.RowNumber(r + 1);
      d.Floats(T.Pilecoord, r, TPilecoordColumn::X, TPilecoordColumn::Y);
      d.End();
    }
  }

  d.Keyword("CONSTANTS");
  d.Begin(S.StratumDepths || S.PileConstants ? 5 : 3, "foundation constants line");
  for (long double* v : {&Xc, &Yc, &Zc}) *v = d.Float();
  if (S.PileConstants) {
    PileLength = d.Float();
    PileUnitWeight = d.Float();
    d.End();
    d.Begin(5, "pile constants line");
    for (long double* v : {&StaticLoad, &PilePoisson, &PileDamping, &ShearCoefficient, &PileModulus})
      *v = d.Float();
  }
  if (S.StratumDepths) {
    FoundationDepth = d.Float();
    BedrockDepth = d.Float();
  }
  d.End();

  if (S.Elements) {
    d.Keyword("ELEMENT");
    TGridTable* elements = T.*S.Elements;
    for (int r = 0; r < elements->RowCount(); ++r) {
      d.Begin(8, "element row");
      d.RowNumber(r + 1);
      d.Floats(elements, r, TPileDataColumn::Length, TPileDataColumn::PolarInertia);
      d.End();
    }
  }

  // A soil row: its number, the cells First..Last, and with a weakened zone
  // the values derived from the Poisson's ratio, the damping and the ratio.
  auto soilRow = [&]<class C>(TGridTable* Table, int Row, int Number, C First, C Last, const TWeakZoneRule* Rule,
                              const char* What) {
    d.Begin(Column(Last) - Column(First) + 2 + (Rule ? 3 : 0), What);
    d.RowNumber(Number);
    d.Floats(Table, Row, First, Last);
    if (Rule)
      d.Derived(*Rule, CellOf(Table, C::Poisson, Row)->AsFloat(), CellOf(Table, C::Damping, Row)->AsFloat(),
                CellOf(Table, C::WeakZoneModulusRatio, Row)->AsFloat());
    d.End();
  };

  if (S.PileGroup) {
    line = d.Line().trimmed();
    const std::optional<TPileTip> tip = FromDeckWord<TPileTip>(line);
    if (!tip) d.Fail(1, KeywordNotFound("FLOATING or END-BEARING"));
    PileTip = *tip;
    line = d.Line().trimmed();
    Battered = line == QLatin1String("BATTERED");
    if (Battered) {
      // Per pile a line with its number and plane, then a line with the
      // angle.
      for (int r = 0; r < T.Pilecoord->RowCount(); ++r) {
        d.Begin(2, "batter plane line");
        d.RowNumber(r + 1);
        const QString plane = d.Word();
        if (plane != QLatin1String("XZ") && plane != QLatin1String("YZ"))
          throw EInOutError(TWordReader::ItemErrorText(
              R.LineIndex() + 1, R.WordIndex(), NotFound(QStringLiteral("The batter plane XZ or YZ"))));
        CellOf(T.Pilecoord, TPilecoordColumn::BatterPlane, r)
            ->SetInteger(int(plane == QLatin1String("XZ") ? TBatterPlane::XZ : TBatterPlane::YZ));
        d.End();
        d.Begin(1, "batter angle line");
        d.Floats(T.Pilecoord, r, TPilecoordColumn::BatterAngle, TPilecoordColumn::BatterAngle);
        d.End();
      }
      line = d.Line().trimmed();
    }
    Interaction = line == QLatin1String("INTERACTION");
    if (Interaction) line = d.Line().trimmed();
    if (line != QLatin1String("SOIL"))
      d.Fail(1, KeywordNotFound(Interaction ? "SOIL"
                                : Battered       ? "INTERACTION or SOIL"
                                                 : "BATTERED, INTERACTION or SOIL"));
    d.Keyword("WEAK");
    d.Keyword("CONSTANTS");
    // One soil layer along each pile element.
    T.D->SetRowCount(T.PileData->RowCount());
    for (int r = 0; r < T.D->RowCount(); ++r)
      soilRow(T.D, r, r + 1, TDColumn::ShearVelocity, TDColumn::WeakZoneModulusRatio, &PileSoilWeakZone,
              "soil layer row");
  }

  if (S.DeckSoil == TDeckSoil::SideLayersColumn) {
    // The side layers, always with their weakened zones.
    d.Keyword("SOIL");
    d.Keyword("WEAK");
    T.D->SetRowCount(d.TableRowsAfter("CONSTANTS="));
    // The soil column: the foundation's layers below the side layers.
    T.Multisoil->SetRowCount(std::max(T.MultiElement->RowCount() - T.D->RowCount(), 0));
    for (int r = 0; r < T.D->RowCount(); ++r)
      soilRow(T.D, r, r + 1, TDColumn::ShearVelocity, TDColumn::WeakZoneModulusRatio, &MultilayerSoilWeakZone,
              "soil layer row");
    for (int r = 0; r < T.Multisoil->RowCount(); ++r)
      soilRow(T.Multisoil, r, T.D->RowCount() + r + 1, TMultisoilColumn::ShearVelocity,
              TMultisoilColumn::DampingRatio, nullptr, "soil column row");
  }

  if (S.DeckSoil == TDeckSoil::Layers) {
    d.Keyword("SOIL");
    line = d.Line().trimmed();
    WeakZone = line == QLatin1String("WEAK");
    if (WeakZone) line = d.Line().trimmed();
    if (!Starts(line, "CONSTANTS="))
      d.Fail(1, KeywordNotFound(WeakZone ? "CONSTANTS=" : "WEAK or CONSTANTS="));
    T.D1->SetRowCount(d.TableRows(LineInteger(CopyFrom(line, 11), d.LineNo, 1), d.LineNo, 1));
    for (int r = 0; r < T.D1->RowCount(); ++r)
      soilRow(T.D1, r, r + 1, TD1Column::Thickness, WeakZone ? TD1Column::WeakZoneModulusRatio : TD1Column::Damping,
              WeakZone ? &SideSoilWeakZone : nullptr, "soil layer row");
  }

  long double* below[] = {&TipShearVelocity, &TipUnitWeight, &TipPoisson, &TipDamping};
  if (S.DeckSoil == TDeckSoil::StratumConstants) {
    d.Keyword("SOIL");
    d.Keyword("CONSTANTS");
    d.Begin(4, "soil constants line");
    for (long double* v : below) *v = d.Float();
    d.End();
  } else {
    const QStringList values = d.After("BELOW=").split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (int i = 0; i < 4; ++i) {
      if (i >= values.size())
        d.Fail(i + 1, QStringLiteral("The line ends before the soil below of 4 items is complete."));
      *below[i] = LineFloat(values[i], d.LineNo, i + 1);
    }
    if (values.size() > 4) d.Fail(5, QStringLiteral("The line holds more than the soil below of 4 items."));
  }

  if (S.PileGroup) {
    SideCap = R.PeekLine().trimmed() == QLatin1String("SIDE-CAP");
    if (SideCap) d.Keyword("SIDE-CAP");
    if (SideCap || R.PeekLine().trimmed() == QLatin1String("EMBEDDED")) {
      d.Keyword("EMBEDDED");
      d.Begin(1, "side layer count");
      const int count = d.Integer();
      T.pilecapsoil->SetRowCount(d.TableRows(count, R.LineIndex() + 1, R.WordIndex()));
      d.End();
      for (int r = 0; r < T.pilecapsoil->RowCount(); ++r)
        soilRow(T.pilecapsoil, r, r + 1, TPilecapsoilColumn::Thickness,
                SideCap ? TPilecapsoilColumn::WeakZoneModulusRatio : TPilecapsoilColumn::Damping,
                SideCap ? &SideSoilWeakZone : nullptr, "side layer row");
    }
  }

  d.Keyword("LOAD");
  LoadTypeName = d.Line();
  const std::optional<TLoadType> load = FromDeckWord<TLoadType>(LoadTypeName.trimmed());
  if (!load) d.Fail(1, KeywordNotFound("HARMONIC, TRANSIENT or RANDOM"));
  d.Keyword("CONSTANTS");
  if (*load != TLoadType::Harmonic) {
    const bool transient = *load == TLoadType::Transient;
    LoadType = *load;
    if (!transient) {
      RandomMaxFrequency = d.FloatRecord("maximum frequency");
      RandomMinFrequency = d.FloatRecord("minimum frequency");
    }
    NumberOfPoints = d.IntegerRecord("number of points");
    const int points = d.Rows(NumberOfPoints, d.LineNo, 1);
    if (transient) TimeInterval = d.FloatRecord("time interval");
    else ObservationPeriod = d.FloatRecord("observation period");
    NumberOfLoadTypes = d.IntegerRecord(transient ? "number of loads" : "number of spectra");
    TGridTable* loads = transient ? T.TLoadtype : T.Trandom;
    loads->SetRowCount(d.TableRows(NumberOfLoadTypes, d.LineNo, 1));
    for (int r = 0; r < loads->RowCount(); ++r) {
      // The direction; a spectrum gives its location code twice.
      d.Begin(transient ? 1 : 2, transient ? "load direction line" : "location code line");
      const int code = d.Integer();
      if (code < 1 || code > 6)
        throw EInOutError(TWordReader::ItemErrorText(
            R.LineIndex() + 1, R.WordIndex(), NotFound(QStringLiteral("A load direction from 1 to 6"))));
      if (!transient && d.Integer() != code)
        throw EInOutError(TWordReader::ItemErrorText(
            R.LineIndex() + 1, R.WordIndex(),
            QStringLiteral("The location code %1 was expected again but not found.").arg(code)));
      d.End();
      CellOf(loads, TTLoadtypeColumn::Direction, r)->SetInteger(code);
      TGridTable* values = LoadValues(loads, r);
      RaiseIf(!values, QStringLiteral("Load table without its value table"));
      values->SetRowCount(std::min(points, R.WordsLeft()));
      for (int k = 0; k < values->RowCount(); ++k) {
        d.Begin(1, transient ? "load amplitude line" : "spectrum value line");
        d.Floats(values, k, TDtransientColumn::Amplitude, TDtransientColumn::Amplitude);
        d.End();
      }
    }
  } else {
    line = d.Line().trimmed();
    if (line != QLatin1String("QUADRATIC") && line != QLatin1String("NONQUADRATIC"))
      d.Fail(1, KeywordNotFound("QUADRATIC or NONQUADRATIC"));
    Quadratic = line == QLatin1String("QUADRATIC");
    d.Begin(3, "frequency line");
    for (long double* v : {&MaxFrequency, &MinFrequency, &StepFrequency}) *v = d.Float() / DeckRadiansPerHertz;
    d.End();
    d.Begin(3, "force line");
    for (long double* v : {&ForceX, &ForceY, &ForceZ}) *v = d.Float();
    d.End();
    d.Begin(3, "moment line");
    for (long double* v : {&MomentX, &MomentY, &MomentZ}) *v = d.Float();
    d.End();
    // The point of the load, its reference and, referred to the centre of
    // base, that centre, which the front end's block holds as well.
    LoadPointX = LoadPointY = LoadPointZ = 0;
    LoadPointReference = TLoadPointReference::CentreOfGravity;
    const bool referenced = !R.Eof() && R.LineAt(R.LineIndex()).Count() > 3;
    d.Begin(referenced ? 4 : 3, "load point line");
    for (long double* v : {&LoadPointX, &LoadPointY, &LoadPointZ}) *v = d.Float();
    // Another number is kept as read, and written back so.
    if (referenced) LoadPointReference = TLoadPointReference(d.Integer());
    if (LoadPointReference == TLoadPointReference::CentreOfBase) {
      d.More(3);
      for (long double* v : {&CBLocalX, &CBLocalY, &CBLocalZ}) *v = d.Float();
    }
    d.End();
  }
  const int loadEnd = d.LineNo;
  d.Keyword("RUN");

  // The front end's own block after "RUN": the mass components, then the
  // centres of gravity and of the base. A deck may end before it, or between
  // its lines (blank lines aside).
  auto ended = [&] { return R.WordsLeft() == 0; };
  MassCount = 0;
  if (ended()) return;
  MassCount = d.IntegerRecord("mass count");
  if (MassCount > 0) {
    T.MassCal->SetRowCount(d.Rows(MassCount, d.LineNo, 1));
    for (int r = 0; r < T.MassCal->RowCount(); ++r) {
      d.Begin(7, "mass row");
      d.Floats(T.MassCal, r, TMassCalColumn::Mass, TMassCalColumn::Thickness);
      d.End();
    }
  } else if (MassCount < 0) {
    d.Fail(1, NegativeCount);
  }
  // The centres are read without masses too: the centre of base also places
  // a harmonic load referred to it.
  const std::array<long double, 3> loadBase{CBLocalX, CBLocalY, CBLocalZ};
  const std::array<long double*, 3> centres[] = {
      {&CGX, &CGY, &CGZ}, {&CBLocalX, &CBLocalY, &CBLocalZ}, {&CBGlobalX, &CBGlobalY, &CBGlobalZ}};
  const char* const names[] = {"centre of gravity line", "local centre of base line",
                               "global centre of base line"};
  for (int i = 0; i < 3; ++i) {
    if (ended()) return;
    d.Begin(3, names[i]);
    for (long double* v : centres[i]) *v = d.Float();
    d.End();
    if (i == 1 && LoadPointReference == TLoadPointReference::CentreOfBase && std::array{CBLocalX, CBLocalY, CBLocalZ} != loadBase)
      d.Fail(1, QStringLiteral("The local centre of base differs from the one given with the load point on "
                               "line %1.")
                    .arg(loadEnd));
  }
  // Nothing more, blank lines aside.
  while (!ended() && R.LineAt(R.LineIndex()).Count() == 0) R.ReadLine();
  if (!ended())
    throw EInOutError(
        TWordReader::ItemErrorText(R.LineIndex() + 1, 1, QStringLiteral("The deck should end here.")));
}

}  // namespace zavik
