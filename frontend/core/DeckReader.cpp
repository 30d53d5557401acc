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
QString KeywordNotFound(const QString& Keywords) { return NotFound(QStringLiteral("The keyword ") + Keywords); }
QString KeywordNotFound(const char* Keywords) { return KeywordNotFound(QString::fromLatin1(Keywords)); }
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
  // The line that Line() would return, without moving.
  QString Peek() const {
    if (R.WordsLeft() == 0) throw EInOutError(TWordReader::Incomplete);
    return R.PeekLine();
  }
  [[noreturn]] void Fail(int Item, const QString& Text) const {
    throw EInOutError(TWordReader::ItemErrorText(LineNo, Item, Text));
  }
  // The next line, which must be the keyword, blanks aside.
  void Keyword(const char* Word) {
    if (Line().trimmed() != QLatin1String(Word)) Fail(1, KeywordNotFound(Word));
  }
  // The text after the keyword that Line (the line read last) must begin with.
  QString After(const QString& Line, const QString& Keyword) const {
    if (!Line.startsWith(Keyword)) Fail(1, KeywordNotFound(Keyword));
    return Line.mid(Keyword.size());
  }
  QString After(const QString& Line, const char* Keyword) const {
    return After(Line, QString::fromLatin1(Keyword));
  }
  // The next line, blanks aside, which must begin with the keyword; the text
  // after it.
  QString After(const char* Keyword) { return After(Line().trimmed(), Keyword); }
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
  void Floats(TGridTable* T, int Row, const QList<int>& Columns) {
    for (int c : Columns) T->Cells(c, Row)->SetFloat(Float());
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

namespace {

// The deck, section by section (EveryDeckSection), as DeckWriter.cpp writes
// it in sections of the same names.
class TDeckReader {
public:
  TDeckReader(TProgramData& Project, TWordReader& Reader)
      : P(Project), T(Project.Tables()), R(Reader), Deck(Reader) {}

  // TITLE, MATRIX, GRAVITY, FOUNDATION and the footing's shape.
  void Heading() {
    // The title as it stands, blanks and all.
    P.Title = Deck.After(Deck.Line(), "TITLE=");
    if (P.Title == QLatin1String(" ")) P.Title.clear();  // how the writer gives an empty title
    QString line = Deck.Line();
    P.StiffnessMatrix = line.trimmed() == QLatin1String("MATRIX");
    if (P.StiffnessMatrix) line = Deck.Line();
    // The gravitational constant chooses the unit system: 9.8 SI, 32.2 English.
    P.ConvertUnits(LineFloat(Deck.After(line.trimmed(), "GRAVITY="), Deck.LineNo, 1) < 10 ? TUnits::SI
                                                                                           : TUnits::English);

    const std::optional<TFoundationKind> kind = FromDeckWord<TFoundationKind>(Deck.After("FOUNDATION="));
    if (!kind)
      Deck.Fail(1, QStringLiteral("The foundation system must be HALF-SPACE, PILE, STRATUM or MULTILAYER."));
    P.FoundationKind = *kind;

    line = Deck.Line().trimmed();
    if (Starts(line, "CIRCULAR=")) {
      P.FootingRadius = LineFloat(Deck.After(line, "CIRCULAR="), Deck.LineNo, 1);
      P.FootingShape = TFootingShape::Circular;
    } else if (Starts(line, "RECTANGULAR=")) {
      P.FootingShape = TFootingShape::Rectangular;
      const QString sides = Deck.After(line, "RECTANGULAR=");
      const int comma = PosOrEnd(QStringLiteral(","), sides);
      P.FootingLength = LineFloat(sides.left(comma - 1), Deck.LineNo, 1);
      P.FootingWidth = LineFloat(CopyFrom(sides, comma + 1), Deck.LineNo, 1);
    } else {
      Deck.Fail(1, KeywordNotFound("CIRCULAR= or RECTANGULAR="));
    }
  }

  void Mass() {
    Deck.Keyword("MASS");
    Deck.Begin(7, "mass line");
    for (long double* v : {&P.TotalMass, &P.InertiaX, &P.InertiaY, &P.InertiaZ, &P.ProductXY, &P.ProductXZ,
                           &P.ProductYZ})
      *v = Deck.Float();
    Deck.End();
  }

  // The count of the pile elements or foundation layers; the piles and
  // where they stand.
  void Piles() {
    const TFoundationSystem& S = P.System();
    if (S.Elements) (T.*S.Elements)->SetRowCount(Deck.TableRowsAfter(S.ElementsKeyword));
    if (!S.PileGroup) return;
    const QString line = Deck.Line().trimmed();
    if (!Starts(line, "FIXED=") && !Starts(line, "PINNED=")) Deck.Fail(1, KeywordNotFound("FIXED= or PINNED="));
    P.PileHead = Starts(line, "FIXED=") ? TPileHead::Fixed : TPileHead::Pinned;
    const int count = LineInteger(Deck.After(line, DeckWord(P.PileHead) + QLatin1Char('=')), Deck.LineNo, 1);
    T.Pilecoord->SetRowCount(Deck.TableRows(count, Deck.LineNo, 1));
    for (int r = 0; r < T.Pilecoord->RowCount(); ++r) RowLine(T.Pilecoord, r, r + 1, PilecoordDeckLayout, "pile row");
  }

  void Constants() {
    const TFoundationSystem& S = P.System();
    Deck.Keyword("CONSTANTS");
    Deck.Begin(S.StratumDepths || S.PileConstants ? 5 : 3, "foundation constants line");
    for (long double* v : {&P.Xc, &P.Yc, &P.Zc}) *v = Deck.Float();
    if (S.PileConstants) {
      P.PileLength = Deck.Float();
      P.PileUnitWeight = Deck.Float();
      Deck.End();
      Deck.Begin(5, "pile constants line");
      for (long double* v : {&P.StaticLoad, &P.PilePoisson, &P.PileDamping, &P.ShearCoefficient, &P.PileModulus})
        *v = Deck.Float();
    }
    if (S.StratumDepths) {
      P.FoundationDepth = Deck.Float();
      P.BedrockDepth = Deck.Float();
    }
    Deck.End();
  }

  void Elements() {
    const TFoundationSystem& S = P.System();
    if (!S.Elements) return;
    Deck.Keyword("ELEMENT");
    TGridTable* elements = T.*S.Elements;
    const TDeckLayout layout = DeckLayoutOf(S.Elements);
    for (int r = 0; r < elements->RowCount(); ++r) RowLine(elements, r, r + 1, layout, "element row");
  }

  // The piles' tip, their batter and their interaction.
  void PileEnds() {
    if (!P.System().PileGroup) return;
    const std::optional<TPileTip> tip = FromDeckWord<TPileTip>(Deck.Line().trimmed());
    if (!tip) Deck.Fail(1, KeywordNotFound("FLOATING or END-BEARING"));
    P.PileTip = *tip;
    P.Battered = Deck.Peek().trimmed() == QLatin1String("BATTERED");
    if (P.Battered) {
      Deck.Line();
      // Per pile a line with its number and plane, then a line with the
      // angle.
      for (int r = 0; r < T.Pilecoord->RowCount(); ++r) {
        Deck.Begin(2, "batter plane line");
        Deck.RowNumber(r + 1);
        const QString plane = Deck.Word();
        if (plane != QLatin1String("XZ") && plane != QLatin1String("YZ"))
          throw EInOutError(TWordReader::ItemErrorText(
              R.LineIndex() + 1, R.WordIndex(), NotFound(QStringLiteral("The batter plane XZ or YZ"))));
        CellOf(T.Pilecoord, TPilecoordColumn::BatterPlane, r)
            ->SetInteger(int(plane == QLatin1String("XZ") ? TBatterPlane::XZ : TBatterPlane::YZ));
        Deck.End();
        Deck.Begin(1, "batter angle line");
        CellOf(T.Pilecoord, TPilecoordColumn::BatterAngle, r)->SetFloat(Deck.Float());
        Deck.End();
      }
    }
    P.Interaction = Deck.Peek().trimmed() == QLatin1String("INTERACTION");
    if (P.Interaction) Deck.Line();
  }

  void Soil() {
    const TFoundationSystem& S = P.System();
    // What a pile group's deck may give before it.
    if (Deck.Line().trimmed() != QLatin1String("SOIL"))
      Deck.Fail(1, KeywordNotFound(!S.PileGroup || P.Interaction ? "SOIL"
                                   : P.Battered                  ? "INTERACTION or SOIL"
                                                                 : "BATTERED, INTERACTION or SOIL"));
    switch (S.DeckSoil) {
      case TDeckSoil::StratumConstants: Deck.Keyword("CONSTANTS"); break;
      case TDeckSoil::Layers: {
        QString line = Deck.Line().trimmed();
        P.WeakZone = line == QLatin1String("WEAK");
        if (P.WeakZone) line = Deck.Line().trimmed();
        if (!Starts(line, "CONSTANTS="))
          Deck.Fail(1, KeywordNotFound(P.WeakZone ? "CONSTANTS=" : "WEAK or CONSTANTS="));
        const int count = LineInteger(Deck.After(line, "CONSTANTS="), Deck.LineNo, 1);
        T.D1->SetRowCount(Deck.TableRows(count, Deck.LineNo, 1));
        for (int r = 0; r < T.D1->RowCount(); ++r) {
          if (P.WeakZone) WeakRowLine<TD1Column>(T.D1, r, r + 1, D1DeckLayout, SideSoilWeakZone, "soil layer row");
          else RowLine(T.D1, r, r + 1, D1DeckLayout, "soil layer row");
        }
        break;
      }
      case TDeckSoil::PileLayers:
        Deck.Keyword("WEAK");
        Deck.Keyword("CONSTANTS");
        // One soil layer along each pile element.
        T.D->SetRowCount(T.PileData->RowCount());
        for (int r = 0; r < T.D->RowCount(); ++r)
          WeakRowLine<TDColumn>(T.D, r, r + 1, DDeckLayout, PileSoilWeakZone, "soil layer row");
        break;
      case TDeckSoil::SideLayersColumn:
        // The side layers, always with their weakened zones.
        Deck.Keyword("WEAK");
        T.D->SetRowCount(Deck.TableRowsAfter("CONSTANTS="));
        // The soil column: the foundation's layers below the side layers.
        T.Multisoil->SetRowCount(std::max(T.MultiElement->RowCount() - T.D->RowCount(), 0));
        for (int r = 0; r < T.D->RowCount(); ++r)
          WeakRowLine<TDColumn>(T.D, r, r + 1, DDeckLayout, MultilayerSoilWeakZone, "soil layer row");
        for (int r = 0; r < T.Multisoil->RowCount(); ++r)
          RowLine(T.Multisoil, r, T.D->RowCount() + r + 1, MultisoilDeckLayout, "soil column row");
        break;
    }
  }

  void SoilBelow() {
    long double* below[] = {&P.TipShearVelocity, &P.TipUnitWeight, &P.TipPoisson, &P.TipDamping};
    if (P.System().DeckSoil == TDeckSoil::StratumConstants) {
      Deck.Begin(4, "soil constants line");
      for (long double* v : below) *v = Deck.Float();
      Deck.End();
      return;
    }
    const QStringList values = Deck.After("BELOW=").split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (int i = 0; i < 4; ++i) {
      if (i >= values.size())
        Deck.Fail(i + 1, QStringLiteral("The line ends before the soil below of 4 items is complete."));
      *below[i] = LineFloat(values[i], Deck.LineNo, i + 1);
    }
    if (values.size() > 4) Deck.Fail(5, QStringLiteral("The line holds more than the soil below of 4 items."));
  }

  void CapSideSoil() {
    if (!P.System().PileGroup) return;
    P.SideCap = R.PeekLine().trimmed() == QLatin1String("SIDE-CAP");
    if (P.SideCap) Deck.Keyword("SIDE-CAP");
    if (!P.SideCap && R.PeekLine().trimmed() != QLatin1String("EMBEDDED")) return;
    Deck.Keyword("EMBEDDED");
    Deck.Begin(1, "side layer count");
    const int count = Deck.Integer();
    T.pilecapsoil->SetRowCount(Deck.TableRows(count, R.LineIndex() + 1, R.WordIndex()));
    Deck.End();
    for (int r = 0; r < T.pilecapsoil->RowCount(); ++r) {
      if (P.SideCap)
        WeakRowLine<TPilecapsoilColumn>(T.pilecapsoil, r, r + 1, PilecapsoilDeckLayout, SideSoilWeakZone,
                                        "side layer row");
      else
        RowLine(T.pilecapsoil, r, r + 1, PilecapsoilDeckLayout, "side layer row");
    }
  }

  void Load() {
    Deck.Keyword("LOAD");
    P.LoadTypeName = Deck.Line();
    const std::optional<TLoadType> load = FromDeckWord<TLoadType>(P.LoadTypeName.trimmed());
    if (!load) Deck.Fail(1, KeywordNotFound("HARMONIC, TRANSIENT or RANDOM"));
    Deck.Keyword("CONSTANTS");
    switch (*load) {
      case TLoadType::Harmonic: HarmonicBlock(); break;
      case TLoadType::Transient: TransientBlock(); break;
      case TLoadType::Random: RandomBlock(); break;
    }
  }

  // "RUN", then the front end's own block: the mass components, then the
  // centres of gravity and of the base. A deck may end before it, or between
  // its lines (blank lines aside).
  void FrontEndBlock() {
    Deck.Keyword("RUN");
    auto ended = [&] { return R.WordsLeft() == 0; };
    P.MassCount = 0;
    if (ended()) return;
    P.MassCount = Deck.IntegerRecord("mass count");
    if (P.MassCount > 0) {
      T.MassCal->SetRowCount(Deck.Rows(P.MassCount, Deck.LineNo, 1));
      for (int r = 0; r < T.MassCal->RowCount(); ++r) RowLine(T.MassCal, r, 0, MassCalDeckLayout, "mass row");
    } else if (P.MassCount < 0) {
      Deck.Fail(1, NegativeCount);
    }
    // The centres are read without masses too: the centre of base also places
    // a harmonic load referred to it.
    const std::array<long double, 3> loadBase{P.CBLocalX, P.CBLocalY, P.CBLocalZ};
    const std::array<long double*, 3> centres[] = {{&P.CGX, &P.CGY, &P.CGZ},
                                                   {&P.CBLocalX, &P.CBLocalY, &P.CBLocalZ},
                                                   {&P.CBGlobalX, &P.CBGlobalY, &P.CBGlobalZ}};
    const char* const names[] = {"centre of gravity line", "local centre of base line",
                                 "global centre of base line"};
    for (int i = 0; i < 3; ++i) {
      if (ended()) return;
      Deck.Begin(3, names[i]);
      for (long double* v : centres[i]) *v = Deck.Float();
      Deck.End();
      if (i == 1 && P.LoadPointReference == TLoadPointReference::CentreOfBase &&
          std::array{P.CBLocalX, P.CBLocalY, P.CBLocalZ} != loadBase)
        Deck.Fail(1, QStringLiteral("The local centre of base differs from the one given with the load point on "
                                    "line %1.")
                         .arg(FLoadPointLine));
    }
    // Nothing more, blank lines aside.
    while (!ended() && R.LineAt(R.LineIndex()).Count() == 0) R.ReadLine();
    if (!ended())
      throw EInOutError(
          TWordReader::ItemErrorText(R.LineIndex() + 1, 1, QStringLiteral("The deck should end here.")));
  }

private:
  void HarmonicBlock() {
    const QString line = Deck.Line().trimmed();
    if (line != QLatin1String("QUADRATIC") && line != QLatin1String("NONQUADRATIC"))
      Deck.Fail(1, KeywordNotFound("QUADRATIC or NONQUADRATIC"));
    P.Quadratic = line == QLatin1String("QUADRATIC");
    Deck.Begin(3, "frequency line");
    for (long double* v : {&P.MaxFrequency, &P.MinFrequency, &P.StepFrequency})
      *v = Deck.Float() / DeckRadiansPerHertz;
    Deck.End();
    Deck.Begin(3, "force line");
    for (long double* v : {&P.ForceX, &P.ForceY, &P.ForceZ}) *v = Deck.Float();
    Deck.End();
    Deck.Begin(3, "moment line");
    for (long double* v : {&P.MomentX, &P.MomentY, &P.MomentZ}) *v = Deck.Float();
    Deck.End();
    // The point of the load, its reference and, referred to the centre of
    // base, that centre, which the front end's block holds as well.
    P.LoadPointX = P.LoadPointY = P.LoadPointZ = 0;
    P.LoadPointReference = TLoadPointReference::CentreOfGravity;
    const bool referenced = !R.Eof() && R.LineAt(R.LineIndex()).Count() > 3;
    Deck.Begin(referenced ? 4 : 3, "load point line");
    for (long double* v : {&P.LoadPointX, &P.LoadPointY, &P.LoadPointZ}) *v = Deck.Float();
    // Another number is kept as read, and written back so.
    if (referenced) P.LoadPointReference = TLoadPointReference(Deck.Integer());
    if (P.LoadPointReference == TLoadPointReference::CentreOfBase) {
      Deck.More(3);
      for (long double* v : {&P.CBLocalX, &P.CBLocalY, &P.CBLocalZ}) *v = Deck.Float();
    }
    Deck.End();
    FLoadPointLine = Deck.LineNo;
  }

  void TransientBlock() {
    P.LoadType = TLoadType::Transient;
    P.NumberOfPoints = Deck.IntegerRecord("number of points");
    const int points = Deck.Rows(P.NumberOfPoints, Deck.LineNo, 1);
    P.TimeInterval = Deck.FloatRecord("time interval");
    P.NumberOfLoadTypes = Deck.IntegerRecord("number of loads");
    LoadRows(T.TLoadtype, points, DtransientDeckLayout, false);
  }

  void RandomBlock() {
    P.LoadType = TLoadType::Random;
    P.RandomMaxFrequency = Deck.FloatRecord("maximum frequency");
    P.RandomMinFrequency = Deck.FloatRecord("minimum frequency");
    P.NumberOfPoints = Deck.IntegerRecord("number of points");
    const int points = Deck.Rows(P.NumberOfPoints, Deck.LineNo, 1);
    P.ObservationPeriod = Deck.FloatRecord("observation period");
    P.NumberOfLoadTypes = Deck.IntegerRecord("number of spectra");
    LoadRows(T.Trandom, points, TspectrumDeckLayout, true);
  }

  // Per load (NumberOfLoadTypes of them) its direction (a spectrum's
  // location code twice) and Points values, one a line.
  void LoadRows(TGridTable* Loads, int Points, TDeckLayout ValuesLayout, bool CodeTwice) {
    Loads->SetRowCount(Deck.TableRows(P.NumberOfLoadTypes, Deck.LineNo, 1));
    for (int r = 0; r < Loads->RowCount(); ++r) {
      Deck.Begin(CodeTwice ? 2 : 1, CodeTwice ? "location code line" : "load direction line");
      const int code = Deck.Integer();
      if (code < 1 || code > 6)
        throw EInOutError(TWordReader::ItemErrorText(
            R.LineIndex() + 1, R.WordIndex(), NotFound(QStringLiteral("A load direction from 1 to 6"))));
      if (CodeTwice && Deck.Integer() != code)
        throw EInOutError(TWordReader::ItemErrorText(
            R.LineIndex() + 1, R.WordIndex(),
            QStringLiteral("The location code %1 was expected again but not found.").arg(code)));
      Deck.End();
      CellOf(Loads, TTLoadtypeColumn::Direction, r)->SetInteger(code);
      TGridTable* values = LoadValues(Loads, r);
      RaiseIf(!values, QStringLiteral("Load table without its value table"));
      values->SetRowCount(std::min(Points, R.WordsLeft()));
      for (int k = 0; k < values->RowCount(); ++k)
        RowLine(values, k, 0, ValuesLayout, CodeTwice ? "spectrum value line" : "load amplitude line");
    }
  }

  // A row's line: its number (none when Number is 0) and the cells that the
  // layout gives it.
  void RowLine(TGridTable* Table, int Row, int Number, TDeckLayout Layout, const char* What) {
    const QList<int> columns = RowColumns(Layout, false);
    Deck.Begin(int(columns.size()) + (Number > 0 ? 1 : 0), What);
    if (Number > 0) Deck.RowNumber(Number);
    Deck.Floats(Table, Row, columns);
    Deck.End();
  }
  // A soil row's line with its weakened zone: its number, its cells with the
  // zone's shear-modulus ratio, and the values derived from them.
  template <class C>
  void WeakRowLine(TGridTable* Table, int Row, int Number, TDeckLayout Layout, const TWeakZoneRule& Rule,
                   const char* What) {
    const QList<int> columns = RowColumns(Layout, true);
    Deck.Begin(int(columns.size()) + 4, What);
    Deck.RowNumber(Number);
    Deck.Floats(Table, Row, columns);
    Deck.Derived(Rule, CellOf(Table, C::Poisson, Row)->AsFloat(), CellOf(Table, C::Damping, Row)->AsFloat(),
                 CellOf(Table, C::WeakZoneModulusRatio, Row)->AsFloat());
    Deck.End();
  }

  TProgramData& P;
  TProjectTables& T;
  TWordReader& R;
  TDeckCursor Deck;
  int FLoadPointLine = 0;  // the line of the harmonic load's point
};

}  // namespace

void TProgramData::ReadDeck(TWordReader& Reader) {
  TDeckReader deck(*this, Reader);
  EveryDeckSection(deck);
}

}  // namespace zavik
