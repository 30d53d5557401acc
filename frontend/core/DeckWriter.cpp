// Writing the project: the input deck ".kqd" (the project file and the
// engine's input at once), the mass file ".kqm" and the geometry file ".kqt".
#include "core/ProgramData.h"
#include "core/DeckLayout.h"
#include "core/ProjectNames.h"

#include "controls/ColumnTypes.h"
#include "controls/Guards.h"
#include "controls/NumberFormat.h"

#include <QSaveFile>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <functional>
#include <memory>
#include <vector>

namespace zavik {

namespace {

// Text lines ended by CR LF, 8-bit characters.
class TDeckText {
public:
  void Line(const QString& Text) {
    FText += Text;
    FText += QStringLiteral("\r\n");
  }

  // Items separated by one blank, the line ended by a blank when asked. A line
  // that would pass column 80 goes on in further lines, broken between items,
  // each line ending as the whole line would. The engine reads a deck item by
  // item whatever the line breaks, and so does the project reader for these
  // lines, so no number past column 80 is lost.
  void Items(const QStringList& Items, bool TrailingBlank) {
    const QString end = TrailingBlank ? QStringLiteral(" ") : QString();
    QString line;
    for (const QString& item : Items) {
      if (!line.isEmpty() && line.size() + 1 + item.size() + end.size() > DeckWidth) {
        Line(line + end);
        line.clear();
      }
      if (!line.isEmpty()) line += QLatin1Char(' ');
      line += item;
    }
    Line(line + end);
  }

  QByteArray Bytes() const { return FText.toLatin1(); }

private:
  QString FText;
};

QString Real(long double Value) { return DeckFloatToStr(Value); }
QString Num(int Value) { return QString::number(Value); }

QString Cell(const TGridTable* T, TColumnIndex Col, int Row) { return CellOf(T, Col, Row)->GetText(); }
// The value as the deck holds it. Derived values and the tests on cell values
// are made from it, so that a deck read back writes the same text again.
long double CellValue(const TGridTable* T, TColumnIndex Col, int Row) {
  return WrittenValue(CellOf(T, Col, Row)->AsFloat());
}

// The cells of a row that its line in the deck gives, as the table's layout
// orders them; with the weakened zones, theirs too.
QStringList RowCells(const TGridTable* T, int Row, TDeckLayout Layout, bool WeakZones = false) {
  QStringList items;
  for (int c : RowColumns(Layout, WeakZones)) items << T->Cells(c, Row)->GetText();
  return items;
}
// A row's line: its number and its cells.
QStringList RowItems(int Number, const TGridTable* T, int Row, TDeckLayout Layout) {
  return QStringList{Num(Number)} + RowCells(T, Row, Layout);
}
// A soil row's line with its weakened zone: its number, its cells with the
// zone's shear-modulus ratio, then the values derived from the Poisson's
// ratio, the material damping and that ratio.
template <class C>
QStringList WeakRowItems(int Number, const TGridTable* T, int Row, TDeckLayout Layout, const TWeakZoneRule& Rule) {
  return QStringList{Num(Number)} + RowCells(T, Row, Layout, true) +
         Rule.DerivedItems(CellValue(T, C::Poisson, Row), CellValue(T, C::Damping, Row),
                           CellValue(T, C::WeakZoneModulusRatio, Row));
}

// Row number and the cells First..Last of a row, for the geometry file,
// whose rows have columns of their own.
QStringList RangeItems(int Number, const TGridTable* T, int Row, TColumnIndex First, TColumnIndex Last) {
  QStringList items{Num(Number)};
  for (int c = First.Index; c <= Last.Index; ++c) items << T->Cells(c, Row)->GetText();
  return items;
}

// True when some cell of the column is written other than 0. The deck leaves
// such a column (a weakened zone's ratio, a batter angle) out only when none
// is, so that no value is lost.
bool AnyNonZero(const TGridTable* T, TColumnIndex Col) {
  for (int r = 0; r < T->RowCount(); ++r)
    if (CellValue(T, Col, r) != 0) return true;
  return false;
}

// Piles are battered when some pile has a batter angle or a plane other than
// the XZ-plane: the deck keeps the planes only with the angles.
bool BatterGiven(const TGridTable* Pilecoord) {
  if (AnyNonZero(Pilecoord, TPilecoordColumn::BatterAngle)) return true;
  for (int r = 0; r < Pilecoord->RowCount(); ++r)
    if (BatterPlane(Pilecoord, r) != TBatterPlane::XZ) return true;
  return false;
}

// The rows the deck writes of a table that should hold Expected rows: a table
// with no rows of the project stands for none.
int RowsToWrite(const TGridTable* T, int Expected) {
  return Expected == 0 && HoldsNoRows(T) ? 0 : T->RowCount();
}

// The rows of the soil column of a multilayer foundation: one per foundation
// layer below the side soil.
int SoilColumnRows(const TProjectTables& T) {
  return std::max(T.MultiElement->RowCount() - T.D->RowCount(), 0);
}

// "1 row", "2 rows".
QString CountText(int Count, const char* One, const char* Many) {
  return QStringLiteral("%1 %2").arg(Count).arg(QLatin1String(Count == 1 ? One : Many));
}
QString RowsText(int Count) { return CountText(Count, "row", "rows"); }

// Delphi-style standard notation of an extended value in 23 characters:
// a blank or minus sign, one digit, '.', 14 digits, 'E', sign, four digits.
QString StandardReal(long double Value) {
  if (!std::isfinite(Value)) return DeckFloatToStr(Value).rightJustified(23);
  char buf[64];
  const auto res = std::to_chars(buf, buf + sizeof buf, Value, std::chars_format::scientific, 14);
  const QString s = QString::fromLatin1(buf, int(res.ptr - buf));  // d.ddddddddddddddde+xx
  const qsizetype e = s.indexOf(QLatin1Char('e'));
  const QString mantissa = s.left(e);
  return (mantissa.startsWith(QLatin1Char('-')) ? QString() : QStringLiteral(" ")) + mantissa +
         QLatin1Char('E') + s[e + 1] + s.mid(e + 2).rightJustified(4, QLatin1Char('0'));
}

// No mass components when the table holds only its row of zeros; any value
// entered keeps every row.
int MassCountOf(const TGridTable* MassCal) { return HoldsNoRows(MassCal) ? 0 : MassCal->RowCount(); }

// Writes every file to a new file beside its target and renames them over
// the targets only when all are written: a failure leaves the old files.
void WriteFiles(const std::vector<std::pair<QString, QByteArray>>& Files) {
  std::vector<std::unique_ptr<QSaveFile>> out;
  auto fail = [](const QSaveFile& f, const char* What) {
    throw EInOutError(
        QStringLiteral("Cannot %1 file \"%2\". %3").arg(QLatin1String(What), f.fileName(), f.errorString()));
  };
  for (const auto& [name, bytes] : Files) {
    out.push_back(std::make_unique<QSaveFile>(name));
    QSaveFile& f = *out.back();
    if (!f.open(QIODevice::WriteOnly)) fail(f, "create");
    if (f.write(bytes) != bytes.size() || !f.flush()) fail(f, "write");
  }
  for (auto& f : out)
    if (!f->commit()) fail(*f, "write");
}

}  // namespace

QString DeckUnfitCharacters(const QString& Text) {
  QStringList unfit;
  for (const char32_t c : Text.toUcs4()) {
    // The deck is 8-bit text; a line break would end the line.
    QString name;
    if (c == U'\r' || c == U'\n')
      name = QStringLiteral("a line break");
    else if (c > 0xFF)
      name = QLatin1Char('"') + QString::fromUcs4(&c, 1) + QLatin1Char('"');
    if (!name.isEmpty() && !unfit.contains(name)) unfit << name;
  }
  return unfit.join(QStringLiteral(", "));
}

QString TProgramData::SaveRefusal() const {
  const TProjectTables& T = *FTables;
  const TFoundationSystem& system = System();
  const QString unfit = DeckUnfitCharacters(Title);
  if (!unfit.isEmpty())
    return QStringLiteral("The title holds characters that the project file cannot hold: %1. "
                          "Change them under Data > Title, then save again.")
        .arg(unfit);
  if (system.DeckSoil == TDeckSoil::PileLayers && T.D->RowCount() != T.PileData->RowCount())
    return QStringLiteral("This pile project cannot be saved: Soil Layer Data (the table \"%1\") has %2 and "
                          "Pile Elements (the table \"%3\") has %4. Each pile element lies in one soil "
                          "layer, so the two need the same number of rows: add or delete rows under "
                          "Data > Soil Layer Data or Data > Pile Elements, then save again.")
        .arg(T.D->Caption(), RowsText(T.D->RowCount()), T.PileData->Caption(),
             RowsText(T.PileData->RowCount()));
  if (system.DeckSoil == TDeckSoil::SideLayersColumn && RowsToWrite(T.Multisoil, SoilColumnRows(T)) != SoilColumnRows(T)) {
    const QString layers =
        QStringLiteral("This multilayer project cannot be saved: Soil Column Layer holds the soil beside "
                       "each foundation layer below the side soil. Foundation Layer (the table \"%1\") has "
                       "%2 and Side Soil of Fondation (the table \"%3\") has %4, ")
            .arg(T.MultiElement->Caption(), RowsText(T.MultiElement->RowCount()), T.D->Caption(),
                 RowsText(T.D->RowCount()));
    if (SoilColumnRows(T) == 0)
      return layers + QStringLiteral("so Soil Column Layer needs no rows, and the values in its row would "
                                     "be lost: set them to 0, or add foundation layers under "
                                     "Data > Foundation Layer, then save again.");
    return layers + QStringLiteral("so Soil Column Layer needs %1; it has %2. Add or delete rows under "
                                   "Data > Soil Column Layer, or in the other two, then save again.")
                        .arg(RowsText(SoilColumnRows(T)), RowsText(T.Multisoil->RowCount()));
  }
  // Every load or spectrum has one value per point.
  const bool transient = LoadType == TLoadType::Transient;
  if (transient || LoadType == TLoadType::Random) {
    const TGridTable* loads = transient ? T.TLoadtype : T.Trandom;
    for (int r = 0; r < loads->RowCount(); ++r) {
      const TGridTable* values = LoadValues(loads, r);
      if (!values || RowsToWrite(values, NumberOfPoints) == NumberOfPoints) continue;
      const QString button = QStringLiteral("%1: %2").arg(r + 1).arg(values->Caption());
      if (transient)
        return QStringLiteral("This transient load cannot be saved: the Number of points is %1, but load %2 "
                              "of the Transient Loading Data has %3. Each load needs one amplitude per "
                              "point: add or delete rows in its table (the button \"%4\"), or change the "
                              "Number of points, then save again.")
            .arg(NumberOfPoints)
            .arg(r + 1)
            .arg(CountText(values->RowCount(), "load amplitude", "load amplitudes"))
            .arg(button);
      return QStringLiteral("This random load cannot be saved: the Number of points to be read is %1, but "
                            "spectrum %2 of the Random Loading data has %3. Each spectrum needs one value "
                            "per point: add or delete rows in its table (the button \"%4\"), or change "
                            "the Number of points to be read, then save again.")
          .arg(NumberOfPoints)
          .arg(r + 1)
          .arg(CountText(values->RowCount(), "value", "values"))
          .arg(button);
    }
  }
  return QString();
}

void TProgramData::CheckCodes() const {
  // The windows set these from fixed choices; a deck with any other value
  // would read back as another project.
  RaiseIf(!IsKnown(FoundationKind), QStringLiteral("Unknown foundation system %1").arg(Code(FoundationKind)));
  RaiseIfFmt(!IsKnown(Units), "Invalid unit system %d", Code(Units));
  RaiseIfFmt(!IsKnown(FootingShape), "Invalid footing shape %d", Code(FootingShape));
  RaiseIfFmt(!IsKnown(LoadType), "Invalid load type %d", Code(LoadType));
  if (System().PileGroup) {
    RaiseIfFmt(!IsKnown(PileHead), "Invalid pile head condition %d", Code(PileHead));
    RaiseIfFmt(!IsKnown(PileTip), "Invalid pile tip condition %d", Code(PileTip));
    for (int r = 0; r < FTables->Pilecoord->RowCount(); ++r) {
      const TBatterPlane plane = BatterPlane(FTables->Pilecoord, r);
      RaiseIfFmt(plane != TBatterPlane::XZ && plane != TBatterPlane::YZ, "Invalid batter plane %d of pile %d",
                 int(plane), r + 1);
    }
  }
  if (LoadType != TLoadType::Harmonic) {
    const TGridTable* loads = LoadType == TLoadType::Transient ? FTables->TLoadtype : FTables->Trandom;
    for (int r = 0; r < loads->RowCount(); ++r) {
      const int code = LoadDirection(loads, r);
      RaiseIfFmt(code < 1 || code > 6, "Invalid load direction %d of row %d", code, r + 1);
    }
  }
}

void TProgramData::SaveToFile() {
  CheckCodes();
  const QString refusal = SaveRefusal();
  if (!refusal.isEmpty()) throw ESaveRefused(refusal);
  const TFileSeparatorScope separators;
  MassFileName = SideFileName(FileName, QStringLiteral(".kqm"));
  GeometryFileName = SideFileName(FileName, QStringLiteral(".kqt"));
  DeriveDeckValues();
  const QByteArray deck = DeckText();
  const QByteArray mass = MassFileText();
  // The geometry may set PileLength, which the next deck writes: the deck
  // comes first.
  DeriveGeometry();
  const QByteArray geometry = GeometryFileText();
  WriteFiles({{FileName, deck}, {MassFileName, mass}, {GeometryFileName, geometry}});
  FTables->SetModified(false);
}

void TProgramData::DeriveDeckValues() {
  const TProjectTables& T = *FTables;
  const TFoundationSystem& S = System();
  // Each flag is raised once its table gives what its block holds, and stays
  // raised while the project lives, so that a deck read back gives the same
  // blocks again.
  if (S.PileGroup && BatterGiven(T.Pilecoord)) Battered = true;
  if (S.DeckSoil == TDeckSoil::Layers && AnyNonZero(T.D1, TD1Column::WeakZoneModulusRatio)) WeakZone = true;
  if (S.PileGroup && T.pilecapsoil->RowCount() > 0 &&
      AnyNonZero(T.pilecapsoil, TPilecapsoilColumn::WeakZoneModulusRatio))
    SideCap = true;
  MassCount = MassCountOf(T.MassCal);
}

namespace {

// The deck, section by section (EveryDeckSection); DeckReader.cpp reads it
// back in sections of the same names.
class TDeckWriter {
public:
  explicit TDeckWriter(const TProgramData& Project)
      : P(Project), T(Project.Tables()), S(Project.System()) {}

  QByteArray Bytes() const { return Deck.Bytes(); }

  // TITLE, MATRIX, GRAVITY, FOUNDATION and the footing's shape.
  void Heading() {
    // The engine takes the text after "TITLE=" whole, and the next line when
    // nothing follows: an empty title is written as one blank.
    Deck.Line(QStringLiteral("TITLE=") + (P.Title.isEmpty() ? QStringLiteral(" ") : P.Title));
    if (P.StiffnessMatrix) Deck.Line(QStringLiteral("MATRIX"));
    Deck.Line(QStringLiteral("GRAVITY=") + DeckWord(P.Units));
    Deck.Line(QStringLiteral("FOUNDATION=") + P.FoundationType());
    if (P.FootingShape == TFootingShape::Rectangular)
      Deck.Line(DeckWord(P.FootingShape) + QLatin1Char('=') + Real(P.FootingLength) + QLatin1Char(',') +
                Real(P.FootingWidth));
    else
      Deck.Line(DeckWord(P.FootingShape) + QLatin1Char('=') + Real(P.FootingRadius));
  }

  void Mass() {
    Deck.Line(QStringLiteral("MASS "));
    Deck.Items({Real(P.TotalMass), Real(P.InertiaX), Real(P.InertiaY), Real(P.InertiaZ), Real(P.ProductXY),
                Real(P.ProductXZ), Real(P.ProductYZ)},
               false);
  }

  // The count of the pile elements or foundation layers; the piles and
  // where they stand.
  void Piles() {
    if (S.Elements) Deck.Line(QLatin1String(S.ElementsKeyword) + Num((T.*S.Elements)->RowCount()));
    if (!S.PileGroup) return;
    Deck.Line(DeckWord(P.PileHead) + QLatin1Char('=') + Num(T.Pilecoord->RowCount()));
    for (int r = 0; r < T.Pilecoord->RowCount(); ++r)
      Deck.Items(RowItems(r + 1, T.Pilecoord, r, PilecoordDeckLayout), true);
  }

  void Constants() {
    Deck.Line(QStringLiteral("CONSTANTS "));
    QStringList constants{Real(P.Xc), Real(P.Yc), Real(P.Zc)};
    if (S.StratumDepths) constants << Real(P.FoundationDepth) << Real(P.BedrockDepth);
    if (S.PileConstants) constants << Real(P.PileLength) << Real(P.PileUnitWeight);
    Deck.Items(constants, true);
    if (S.PileConstants)
      Deck.Items({Real(P.StaticLoad), Real(P.PilePoisson), Real(P.PileDamping), Real(P.ShearCoefficient),
                  Real(P.PileModulus)},
                 false);
  }

  void Elements() {
    if (!S.Elements) return;
    const TGridTable* elements = T.*S.Elements;
    const TDeckLayout layout = DeckLayoutOf(S.Elements);
    Deck.Line(QStringLiteral("ELEMENT"));
    for (int r = 0; r < elements->RowCount(); ++r) Deck.Items(RowItems(r + 1, elements, r, layout), false);
  }

  // The piles' tip, their batter and their interaction.
  void PileEnds() {
    if (!S.PileGroup) return;
    Deck.Line(DeckWord(P.PileTip));
    if (P.Battered) {
      Deck.Line(QStringLiteral("BATTERED"));
      for (int r = 0; r < T.Pilecoord->RowCount(); ++r) {
        const TBatterPlane plane = BatterPlane(T.Pilecoord, r);
        Deck.Line(Num(r + 1) + (plane == TBatterPlane::XZ ? QStringLiteral(" XZ  ") : QStringLiteral(" YZ  ")));
        Deck.Line(Cell(T.Pilecoord, TPilecoordColumn::BatterAngle, r) + QLatin1Char(' '));
      }
    }
    if (P.Interaction) Deck.Line(QStringLiteral("INTERACTION "));
  }

  void Soil() {
    Deck.Line(QStringLiteral("SOIL "));
    switch (S.DeckSoil) {
      case TDeckSoil::StratumConstants: Deck.Line(QStringLiteral("CONSTANTS ")); break;
      case TDeckSoil::Layers:
        if (P.WeakZone) Deck.Line(QStringLiteral("WEAK "));
        Deck.Line(QStringLiteral("CONSTANTS=") + Num(T.D1->RowCount()));
        for (int r = 0; r < T.D1->RowCount(); ++r)
          Deck.Items(P.WeakZone ? WeakRowItems<TD1Column>(r + 1, T.D1, r, D1DeckLayout, SideSoilWeakZone)
                                : RowItems(r + 1, T.D1, r, D1DeckLayout),
                     false);
        break;
      case TDeckSoil::PileLayers:
        Deck.Line(QStringLiteral("WEAK"));
        Deck.Line(QStringLiteral("CONSTANTS"));
        for (int r = 0; r < T.D->RowCount(); ++r)
          Deck.Items(WeakRowItems<TDColumn>(r + 1, T.D, r, DDeckLayout, PileSoilWeakZone), false);
        break;
      case TDeckSoil::SideLayersColumn:
        if (T.D->RowCount() > 0) Deck.Line(QStringLiteral("WEAK "));
        Deck.Line(QStringLiteral("CONSTANTS=") + Num(T.D->RowCount()));
        for (int r = 0; r < T.D->RowCount(); ++r)
          Deck.Items(WeakRowItems<TDColumn>(r + 1, T.D, r, DDeckLayout, MultilayerSoilWeakZone), false);
        // The soil column below the side layers, one row per further element,
        // numbered on from the side layers (the save is refused when the table
        // is not in step).
        for (int r = 0; r < SoilColumnRows(T); ++r)
          Deck.Items(RowItems(T.D->RowCount() + r + 1, T.Multisoil, r, MultisoilDeckLayout), false);
        break;
    }
  }

  void SoilBelow() {
    const QString below = Real(P.TipShearVelocity) + QLatin1Char(' ') + Real(P.TipUnitWeight) +
                          QLatin1Char(' ') + Real(P.TipPoisson) + QLatin1Char(' ') + Real(P.TipDamping);
    // A stratum gives its own constants in place of the soil below.
    Deck.Line(S.DeckSoil == TDeckSoil::StratumConstants ? below : QStringLiteral("BELOW=") + below);
  }

  // The side soil of the cap, unless the table holds only its row of zeros.
  void CapSideSoil() {
    const int rows = T.pilecapsoil->RowCount();
    if (!S.PileGroup || rows == 0 || (!P.SideCap && HoldsNoRows(T.pilecapsoil))) return;
    if (P.SideCap) Deck.Line(QStringLiteral("SIDE-CAP"));
    Deck.Line(QStringLiteral("EMBEDDED"));
    Deck.Line(Num(rows) + QLatin1Char(' '));
    for (int r = 0; r < rows; ++r)
      Deck.Items(P.SideCap ? WeakRowItems<TPilecapsoilColumn>(r + 1, T.pilecapsoil, r, PilecapsoilDeckLayout,
                                                              SideSoilWeakZone)
                           : RowItems(r + 1, T.pilecapsoil, r, PilecapsoilDeckLayout),
                 false);
  }

  void Load() {
    Deck.Line(QStringLiteral("LOAD "));
    Deck.Line(DeckWord(P.LoadType) + QLatin1Char(' '));
    Deck.Line(QStringLiteral("CONSTANTS "));
    switch (P.LoadType) {
      case TLoadType::Harmonic: HarmonicBlock(); break;
      case TLoadType::Transient: TransientBlock(); break;
      case TLoadType::Random: RandomBlock(); break;
    }
  }

  // "RUN", then what only the front end reads: the mass components and the
  // centres.
  void FrontEndBlock() {
    Deck.Line(QStringLiteral("RUN "));
    Deck.Line(Num(P.MassCount));
    for (int r = 0; r < P.MassCount; ++r) Deck.Items(RowCells(T.MassCal, r, MassCalDeckLayout), true);
    Deck.Items({Real(P.CGX), Real(P.CGY), Real(P.CGZ)}, true);
    Deck.Items({Real(P.CBLocalX), Real(P.CBLocalY), Real(P.CBLocalZ)}, true);
    Deck.Items({Real(P.CBGlobalX), Real(P.CBGlobalY), Real(P.CBGlobalZ)}, true);
  }

private:
  void HarmonicBlock() {
    Deck.Line(P.Quadratic ? QStringLiteral("QUADRATIC ") : QStringLiteral("NONQUADRATIC "));
    // Hertz to radians per second, as the engine's report divides them out again.
    Deck.Items({Real(P.MaxFrequency * DeckRadiansPerHertz), Real(P.MinFrequency * DeckRadiansPerHertz),
                Real(P.StepFrequency * DeckRadiansPerHertz)},
               true);
    Deck.Items({Real(P.ForceX), Real(P.ForceY), Real(P.ForceZ)}, true);
    Deck.Items({Real(P.MomentX), Real(P.MomentY), Real(P.MomentZ)}, true);
    QStringList point{Real(P.LoadPointX), Real(P.LoadPointY), Real(P.LoadPointZ),
                      Real(Code(P.LoadPointReference))};
    if (P.LoadPointReference == TLoadPointReference::CentreOfBase)
      point << Real(P.CBLocalX) << Real(P.CBLocalY) << Real(P.CBLocalZ);
    Deck.Items(point, true);
  }

  void TransientBlock() {
    Deck.Line(Num(P.NumberOfPoints) + QLatin1Char(' '));
    Deck.Line(Real(P.TimeInterval) + QLatin1Char(' '));
    LoadRows(T.TLoadtype, DtransientDeckLayout, false);
  }

  void RandomBlock() {
    Deck.Line(Real(P.RandomMaxFrequency) + QLatin1Char(' '));
    Deck.Line(Real(P.RandomMinFrequency) + QLatin1Char(' '));
    Deck.Line(Num(P.NumberOfPoints) + QLatin1Char(' '));
    Deck.Line(Real(P.ObservationPeriod) + QLatin1Char(' '));
    LoadRows(T.Trandom, TspectrumDeckLayout, true);
  }

  // The count of the loads (or spectra); per load its direction (a
  // spectrum's location code twice) and its values, one a line.
  void LoadRows(const TGridTable* Loads, TDeckLayout ValuesLayout, bool CodeTwice) {
    Deck.Line(Num(Loads->RowCount()) + QLatin1Char(' '));
    for (int r = 0; r < Loads->RowCount(); ++r) {
      const QString code = Num(LoadDirection(Loads, r));
      Deck.Line(CodeTwice ? code + QLatin1Char(' ') + code : code + QLatin1Char(' '));
      if (const TGridTable* values = LoadValues(Loads, r))
        for (int k = 0; k < RowsToWrite(values, P.NumberOfPoints); ++k)
          Deck.Items(RowCells(values, k, ValuesLayout), true);
    }
  }

  const TProgramData& P;
  const TProjectTables& T;
  const TFoundationSystem& S;
  TDeckText Deck;
};

// The layers beside the embedded cap or footing: a table of their own, or
// the foundation layers beside the rows of the side soil (Table nullptr).
struct TSideLayers {
  const TGridTable* Table;
  int Rows;
};
TSideLayers SideLayersOf(const TProjectTables& T, const TFoundationSystem& S) {
  const TGridTable* side = S.SideLayers ? T.*S.SideLayers : nullptr;
  return {side, side ? side->RowCount() : T.D->RowCount()};
}
// Column 0 of the MultiElement row beside side layer r, 0 where there is none.
long double ElementDepth(const TProjectTables& T, int r) {
  return r < T.MultiElement->RowCount() ? CellValue(T.MultiElement, TMultiElementColumn::Length, r) : 0.0L;
}

}  // namespace

QByteArray TProgramData::DeckText() const {
  TDeckWriter deck(*this);
  EveryDeckSection(deck);
  return deck.Bytes();
}

QByteArray TProgramData::MassFileText() const {
  const TGridTable* massCal = FTables->MassCal;
  TDeckText file;
  file.Line(Num(MassCount));
  if (MassCount > 0) {
    for (int r = 0; r < MassCount; ++r) {
      QString line;
      for (int c = Column(TMassCalColumn::Mass); c <= Column(TMassCalColumn::Thickness); ++c)
        line += massCal->Cells(c, r)->GetText() + QLatin1Char(' ');
      file.Line(line);
    }
    for (const auto& centre : {std::array{CGX, CGY, CGZ}, std::array{CBLocalX, CBLocalY, CBLocalZ},
                               std::array{CBGlobalX, CBGlobalY, CBGlobalZ}})
      // The centres as the deck holds them, so that the file is the same for
      // the project read back from its deck.
      file.Line(StandardReal(WrittenValue(centre[0])) + QLatin1Char(' ') +
                StandardReal(WrittenValue(centre[1])) + QLatin1Char(' ') +
                StandardReal(WrittenValue(centre[2])) + QLatin1Char(' '));
  }
  return file.Bytes();
}

void TProgramData::DeriveGeometry() {
  const TProjectTables& T = *FTables;
  const bool rectangle = FootingShape == TFootingShape::Rectangular;
  // The embedded depth: the side layers' thicknesses.
  const TSideLayers side = SideLayersOf(T, System());
  CapThickness = 0;
  for (int r = 0; r < side.Rows; ++r)
    CapThickness += side.Table ? CellValue(side.Table, TLayerColumn::Thickness, r) : ElementDepth(T, r);
  if (CapThickness < 0.00001L) CapThickness = 0.15L * (rectangle ? FootingWidth : FootingRadius);
  if (PileLength < 0.00001L) PileLength = rectangle ? 2 * FootingLength : 3 * FootingRadius;
}

QByteArray TProgramData::GeometryFileText() const {
  const TProjectTables& T = *FTables;
  const TFoundationSystem& S = System();
  const TSideLayers side = SideLayersOf(T, S);

  TDeckText file;
  file.Line(DeckWord(FootingShape) + QLatin1Char(' '));
  if (FootingShape == TFootingShape::Rectangular)
    file.Line(QLatin1Char(' ') + Real(FootingLength) + QLatin1Char(' ') + Real(FootingWidth) +
              QLatin1Char(' ') + Real(CapThickness));
  else
    file.Line(QLatin1Char(' ') + Real(FootingRadius) + QLatin1Char(' ') + Real(FootingRadius) +
              QLatin1Char(' ') + Real(CapThickness));
  // Soil levels: numbered layer thicknesses of the embedment, then the soil
  // column's depth and a fifth of it.
  auto levels = [&](int First, int Count, const std::function<QString(int)>& Thickness) {
    for (int r = 0; r < Count; ++r)
      file.Line(Num(r + 1) + QLatin1Char(' ') + Thickness(r) + QLatin1Char(' '));
    file.Line(Num(First) + QLatin1Char(' ') + Real(PileLength));
    file.Line(Num(First + 1) + QLatin1Char(' ') + Real(0.2L * PileLength));
  };

  if (S.PileGroup) {
    const TGridTable* piles = T.Pilecoord;
    file.Line(Num(piles->RowCount()));
    file.Line(Real(PileLength) + QLatin1Char(' '));
    for (int r = 0; r < piles->RowCount(); ++r)
      file.Line(RangeItems(r + 1, piles, r, TPilecoordColumn::X, TPilecoordColumn::Y).join(QLatin1Char(' ')) +
                QLatin1Char(' '));
    file.Line(QStringLiteral("ELEMENT"));
    file.Line(Num(T.PileData->RowCount()));
    for (int r = 0; r < T.PileData->RowCount(); ++r)
      file.Line(RangeItems(r + 1, T.PileData, r, TPileDataColumn::Length, TPileDataColumn::PolarInertia)
                    .join(QLatin1Char(' ')));
    if (Battered) {
      file.Line(QStringLiteral("BATTERED"));
      for (int r = 0; r < piles->RowCount(); ++r) {
        // The plane as the angle of its normal from the X axis.
        const TBatterPlane plane = BatterPlane(piles, r);
        const QString planeText = plane == TBatterPlane::XZ   ? QStringLiteral("0 ")
                                  : plane == TBatterPlane::YZ ? QStringLiteral("90 ")
                                                              : QString();
        file.Line(Num(r + 1) + QLatin1Char(' ') + planeText + Cell(piles, TPilecoordColumn::BatterAngle, r) +
                  QLatin1Char(' '));
      }
    }
  } else {
    file.Line(QStringLiteral(" 0"));
  }
  file.Line(QStringLiteral("SOIL"));
  file.Line(FoundationType());
  // A footing whose first side layer has no thickness is given as not
  // embedded.
  if (!S.PileGroup && side.Table && !(side.Rows > 0 && CellValue(side.Table, TLayerColumn::Thickness, 0) > 0)) {
    file.Line(QStringLiteral(" 0"));
    file.Line(Num(side.Rows + 1));
    levels(side.Rows, 0, nullptr);
  } else {
    file.Line(Num(side.Rows));
    file.Line(Num(side.Rows + 2));
    levels(side.Rows + 1, side.Rows, [&](int r) {
      return side.Table ? Cell(side.Table, TLayerColumn::Thickness, r) : Real(ElementDepth(T, r));
    });
  }
  return file.Bytes();
}

}  // namespace zavik
