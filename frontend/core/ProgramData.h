#pragma once
// TProgramData: every scalar of one project (foundation system and shape,
// masses, foundation and pile constants, soil below the footing, loading and
// the computed centres). The row data lives in the project tables
// (ProjectTables.h), which the project reaches through the owner it is made
// with. The ".kqd" input deck is the project file: SaveToFile writes it with
// its ".kqm" and ".kqt" side files, CreateFromFile reads it back.
//
// Lengths, forces and masses are held in the unit system named by Units
// (English: ft, lb, slug; SI: m, kN, Mg), and so are the tables.

#include "core/FoundationSystem.h"
#include "core/ProjectCodes.h"
#include "core/ProjectTables.h"
#include "controls/Exceptions.h"

#include <QString>

#include <array>
#include <memory>

namespace zavik {

class TWordReader;

// The text of a real in the deck: general format with 8 significant digits and
// the shortest exponent, always with '.' ("0", "2.5", "1E-6", "1.2345678E15").
QString DeckFloatToStr(long double Value);

// The characters of Text that a deck line cannot hold (the deck is 8-bit text
// of lines), each in quotes and separated by ", " ("\"–\", \"€\""); empty when
// there are none.
QString DeckUnfitCharacters(const QString& Text);

// A save refused because the project holds what its deck could not carry back
// to the same project; nothing was written.
class ESaveRefused : public EInOutError {
public:
  using EInOutError::EInOutError;
};

class TProgramData {
public:
  // A new project: the defaults below, in SI units. Tells the tables'
  // NewProjectStarting first (the owner's child windows close), resets every
  // table to one row of defaults and clears the modified flag.
  explicit TProgramData(TProjectTables& Tables);

  // A project read from a deck. The file is read whole first: when it cannot
  // be opened this raises EInOutError and neither the tables nor the modified
  // flag change. A deck that is malformed or ends early stops the reading at
  // that point: Message receives the reason (with line and item), and the
  // project keeps what was read so far; every table has at least one row.
  // Message is empty after a complete read.
  static std::unique_ptr<TProgramData> CreateFromFile(TProjectTables& Tables,
                                                      const QString& FileName, QString& Message);

  TProgramData(const TProgramData&) = delete;
  TProgramData& operator=(const TProgramData&) = delete;

  // Writes the deck to FileName, then the ".kqm" and ".kqt" files beside it,
  // and clears the modified flag. Each file is written completely to a new
  // file beside its target and renamed over the old one only then: a failure
  // (folder not writable, disk full) raises EInOutError, leaves the previous
  // deck as it was and the project marked modified. A project that its deck
  // would not carry back (SaveRefusal) raises ESaveRefused before anything is
  // written or changed. Saving also updates Battered, SideCap, WeakZone,
  // MassCount, CapThickness and, when zero, PileLength.
  void SaveToFile();

  // Why the project cannot be saved as it stands, for the user: the tables or
  // fields (as the windows name them) that its deck could not carry back, and
  // what to do; empty when it can be saved.
  QString SaveRefusal() const;

  // Rescales the fields and every table to the unit system Target. Choosing
  // the system in force changes no value. Ends by telling the tables'
  // UnitsConverted, on which the owner refreshes its open windows.
  void ConvertUnits(TUnits Target);

  TProjectTables& Tables() const { return *FTables; }

  TUnits Units = TUnits::English;
  QString FileName = QStringLiteral("NewData.kqd");
  QString GeometryFileName;  // FileName with ".kqt", set while saving
  QString MassFileName;      // FileName with ".kqm", set while saving
  QString LoadTypeName;  // the load line of a deck as read, unchanged
  TFoundationKind FoundationKind = TFoundationKind::HalfSpace;
  // The foundation system's name as the deck and the windows give it.
  QString FoundationType() const { return DeckWord(FoundationKind); }
  // What the foundation system has.
  const TFoundationSystem& System() const { return FoundationSystem(FoundationKind); }
  QString Title = QStringLiteral("New Pile");

  int MassCount = 0;
  long double TotalMass = 0;
  long double InertiaX = 0, InertiaY = 0, InertiaZ = 0;
  long double ProductXY = 0, ProductXZ = 0, ProductYZ = 0;
  // Scratch of the mass calculation: the running centre after each mass row.
  std::array<long double, 101> MassRowCGX{}, MassRowCGY{}, MassRowCGZ{};

  long double Xc = 0, Yc = 0, Zc = 0;  // centre of the foundation base
  long double PileLength = 0;
  long double PileUnitWeight = 0;
  long double StaticLoad = 0;
  long double PilePoisson = 0;
  long double PileDamping = 0;
  long double ShearCoefficient = 0;
  long double PileModulus = 0;
  long double FoundationDepth = 0;  // STRATUM: ground surface to base
  long double BedrockDepth = 0;     // STRATUM: ground surface to bed rock
  long double CGX = 0, CGY = 0, CGZ = 0;
  long double CBGlobalX = 0, CBGlobalY = 0, CBGlobalZ = 0;
  long double CBLocalX = 0, CBLocalY = 0, CBLocalZ = 0;

  // Harmonic load. Frequencies in Hz; forces and moments, or their
  // coefficients (mass times length, mass times length squared) when
  // Quadratic (amplitudes that grow with the frequency squared).
  long double MaxFrequency = 0, MinFrequency = 0, StepFrequency = 0;
  long double ForceX = 0, ForceY = 0, ForceZ = 0;
  long double MomentX = 0, MomentY = 0, MomentZ = 0;
  long double LoadPointX = 0, LoadPointY = 0, LoadPointZ = 0;
  TLoadPointReference LoadPointReference = TLoadPointReference::CentreOfGravity;
  bool Quadratic = false;

  long double TipShearVelocity = 0, TipUnitWeight = 0, TipPoisson = 0, TipDamping = 0;
  TPileHead PileHead = TPileHead::Fixed;
  TFootingShape FootingShape = TFootingShape::Rectangular;
  TPileTip PileTip = TPileTip::Floating;
  QString PileHeadText, PileTipText, InteractionText;  // kept by the pile-properties window
  long double FootingRadius = 0, FootingLength = 0, FootingWidth = 0;
  long double CapThickness = 0;  // embedded depth for the geometry file, set while saving
  bool StiffnessMatrix = true;  // the deck asks for the impedances ("MATRIX")
  TLoadType LoadType = TLoadType::Harmonic;
  bool Interaction = true;  // pile-soil-pile interaction in the group

  long double TimeInterval = 0;  // transient, s
  long double RandomMaxFrequency = 0, RandomMinFrequency = 0;
  long double ObservationPeriod = 0;  // random, s
  int NumberOfPoints = 0;     // transient and random
  int NumberOfLoadTypes = 0;  // transient loads or random spectra, as read
  bool Battered = false;
  bool SideCap = false;
  bool WeakZone = true;

private:
  void CheckCodes() const;
  void ReadDeck(TWordReader& Reader);
  // What a save derives from the project before it writes the files, which
  // take the project as it is then: Battered, WeakZone and SideCap raised
  // where the tables give what their blocks hold, and MassCount; for the
  // geometry file (after the deck) CapThickness and, when zero, PileLength.
  void DeriveDeckValues();
  void DeriveGeometry();
  QByteArray DeckText() const;
  QByteArray MassFileText() const;
  QByteArray GeometryFileText() const;

  TProjectTables* FTables;
};

// The length of the piles (their elements' lengths summed) or of a multilayer
// foundation's column (its layers' depths summed); 0 for a footing.
double TotalPileLength(const TProgramData& Project);

}  // namespace zavik
