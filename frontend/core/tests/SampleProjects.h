#pragma once
// Sample projects of every foundation system and load type, and small file
// helpers, for the tests of the project layer.

#include "core/ProgramData.h"
#include "controls/ColumnTypes.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <initializer_list>
#include <ostream>
#include <string>
#include <tuple>

namespace zavik::testing {

enum class TSystem { HalfSpace, HalfSpacePlain, Stratum, Pile, PileBattered, PileEmbedded, Multilayer };
enum class TLoad { Harmonic, Quadratic, Transient, Random };

inline const char* Name(TSystem S) {
  switch (S) {
    case TSystem::HalfSpace: return "HalfSpaceWeakZone";
    case TSystem::HalfSpacePlain: return "HalfSpaceRectangular";
    case TSystem::Stratum: return "Stratum";
    case TSystem::Pile: return "PileVertical";
    case TSystem::PileBattered: return "PileBatteredInteractionSideCap";
    case TSystem::PileEmbedded: return "PileEmbedded";
    case TSystem::Multilayer: return "Multilayer";
  }
  return "";
}

inline const char* Name(TLoad L) {
  switch (L) {
    case TLoad::Harmonic: return "Harmonic";
    case TLoad::Quadratic: return "Quadratic";
    case TLoad::Transient: return "Transient";
    case TLoad::Random: return "Random";
  }
  return "";
}

// Every foundation system under every load type in both unit systems.
using TProjectCase = std::tuple<TSystem, TLoad, int>;

inline auto EveryProject() {
  return ::testing::Combine(
      ::testing::Values(TSystem::HalfSpace, TSystem::HalfSpacePlain, TSystem::Stratum, TSystem::Pile,
                        TSystem::PileBattered, TSystem::PileEmbedded, TSystem::Multilayer),
      ::testing::Values(TLoad::Harmonic, TLoad::Quadratic, TLoad::Transient, TLoad::Random),
      ::testing::Values(1, 2));
}

inline std::string CaseName(const ::testing::TestParamInfo<TProjectCase>& Info) {
  return std::string(Name(std::get<0>(Info.param))) + Name(std::get<1>(Info.param)) +
         (std::get<2>(Info.param) == 1 ? "English" : "SI");
}

// Column values of one row, from column 0 on.
inline void SetRow(TGridTable* T, int Row, std::initializer_list<long double> Values) {
  int c = 0;
  for (long double v : Values) T->Cells(c++, Row)->SetFloat(v);
}

// Fills a new project (SI) with a complete foundation and load; Units 1
// switches to English first, so the values stand in English units.
inline void FillProject(TProgramData& P, TSystem S, TLoad L, int Units) {
  TProjectTables& T = P.Tables();
  if (Units == 1) P.ConvertUnits(TUnits::English);
  P.Title = QStringLiteral("Compressor block %1 / %2").arg(Name(S), Name(L));
  P.TotalMass = 123.45678L;
  P.InertiaX = 1987.6543L;
  P.InertiaY = 2210.25L;
  P.InertiaZ = 3051.125L;
  P.ProductXY = 0.5L;
  P.ProductXZ = -1.25L;
  P.ProductYZ = 0;
  P.Xc = 0.125L;
  P.Yc = -0.0625L;
  P.Zc = 0.75L;
  P.TipShearVelocity = 250;
  P.TipUnitWeight = 18.5L;
  P.TipPoisson = 0.33L;
  P.TipDamping = 0.05L;
  P.CGX = 0.1L;
  P.CGY = 0.2L;
  P.CGZ = 1.5L;
  P.CBLocalX = 0.01L;
  P.CBLocalY = 0.02L;
  P.CBLocalZ = -0.5L;
  P.CBGlobalX = 3;
  P.CBGlobalY = 4;
  P.CBGlobalZ = 0;
  T.MassCal->SetRowCount(2);
  SetRow(T.MassCal, 0, {100, 0, 0, 0.5L, 4, 3, 1});
  SetRow(T.MassCal, 1, {23.45678L, 0.25L, -0.5L, 1.25L, 1.5L, 1, 0.75L});

  P.FootingShape = TFootingShape::Rectangular;
  P.FootingLength = 4;
  P.FootingWidth = 3;
  switch (S) {
    case TSystem::HalfSpace:
      P.FoundationKind = TFoundationKind::HalfSpace;
      P.FootingShape = TFootingShape::Circular;
      P.FootingRadius = 2.5L;
      T.D1->SetRowCount(2);
      SetRow(T.D1, 0, {0.5L, 150, 17.5L, 0.35L, 0.05L, 0.5L});
      SetRow(T.D1, 1, {0.25L, 180, 18, 0.3L, 0.04L, 1});
      break;
    case TSystem::HalfSpacePlain:
      P.FoundationKind = TFoundationKind::HalfSpace;
      P.WeakZone = false;
      T.D1->SetRowCount(1);
      SetRow(T.D1, 0, {0.6L, 160, 17, 0.32L, 0.045L, 0});
      break;
    case TSystem::Stratum:
      P.FoundationKind = TFoundationKind::Stratum;
      P.FoundationDepth = 1;
      P.BedrockDepth = 8;
      T.D1->SetRowCount(1);
      SetRow(T.D1, 0, {1, 200, 18, 0.35L, 0.05L, 0});
      break;
    case TSystem::Pile:
    case TSystem::PileBattered:
    case TSystem::PileEmbedded: {
      P.FoundationKind = TFoundationKind::Pile;
      P.PileLength = 12;
      P.PileUnitWeight = 24;
      P.StaticLoad = 1500;
      P.PilePoisson = 0.25L;
      P.PileDamping = 0.01L;
      P.ShearCoefficient = 0.9L;
      P.PileModulus = 3e7L;
      const int piles = S == TSystem::PileBattered ? 12 : 4;
      T.Pilecoord->SetRowCount(piles);
      for (int r = 0; r < piles; ++r) SetRow(T.Pilecoord, r, {(r % 4) * 1.5L - 2.25L, (r / 4) * 1.2L});
      T.PileData->SetRowCount(3);
      T.D->SetRowCount(3);
      for (int r = 0; r < 3; ++r) {
        SetRow(T.PileData, r, {4, 0.2L, 0.2L, 0.12566371L, 1.2566371e-3L, 1.2566371e-3L, 2.5132741e-3L});
        SetRow(T.D, r, {120.0L + 40 * r, 17 + r * 0.5L, 0.4L, 0.05L, r == 0 ? 0.3L : 1});
      }
      P.PileHead = S == TSystem::PileBattered ? TPileHead::Pinned : TPileHead::Fixed;
      P.PileTip = S == TSystem::PileEmbedded ? TPileTip::EndBearing : TPileTip::Floating;
      P.Interaction = S == TSystem::Pile ? 0 : 1;
      if (S == TSystem::PileBattered) {
        for (int r = 0; r < piles; ++r) {
          // Angles small enough that no two piles come within a diameter of
          // each other a third of the way down, where their interaction is
          // measured.
          T.Pilecoord->Cells(2, r)->SetFloat(r % 3 == 0 ? 0 : 2 + 0.25L * r);
          T.Pilecoord->Cells(3, r)->SetInteger(r % 2 == 0 ? 1 : 2);
        }
      }
      if (S != TSystem::Pile) {
        T.pilecapsoil->SetRowCount(2);
        const long double ratio = S == TSystem::PileBattered ? 0.4L : 0;
        SetRow(T.pilecapsoil, 0, {0.5L, 100, 16, 0.3L, 0.05L, ratio});
        SetRow(T.pilecapsoil, 1, {0.7L, 130, 17, 0.3L, 0.05L, ratio});
      }
      break;
    }
    case TSystem::Multilayer:
      P.FoundationKind = TFoundationKind::Multilayer;
      P.FootingShape = TFootingShape::Circular;
      P.FootingRadius = 1.5L;
      P.PileLength = 6;
      P.PileUnitWeight = 24;
      P.StaticLoad = 800;
      P.PilePoisson = 0.2L;
      P.PileDamping = 0.02L;
      P.ShearCoefficient = 0.85L;
      P.PileModulus = 2.5e7L;
      T.MultiElement->SetRowCount(5);
      for (int r = 0; r < 5; ++r)
        SetRow(T.MultiElement, r, {1.2L, 1.5L, 1.5L, 7.0685835L, 3.9760782L, 3.9760782L, 0.9L});
      T.D->SetRowCount(2);
      SetRow(T.D, 0, {150, 17, 0.35L, 0.05L, 0.5L});
      SetRow(T.D, 1, {170, 17.5L, 0.35L, 0.05L, 1});
      T.Multisoil->SetRowCount(3);
      for (int r = 0; r < 3; ++r) SetRow(T.Multisoil, r, {200.0L + 20 * r, 18, 0.33L, 0.04L, 1, 0.5L});
      break;
  }

  switch (L) {
    case TLoad::Harmonic:
    case TLoad::Quadratic:
      P.LoadType = TLoadType::Harmonic;
      P.Quadratic = L == TLoad::Quadratic ? 1 : 0;
      P.MaxFrequency = 50;
      P.MinFrequency = 1;
      P.StepFrequency = 0.5L;
      P.ForceX = 10;
      P.ForceY = 0;
      P.ForceZ = 25.5L;
      P.MomentX = 0;
      P.MomentY = 12.25L;
      P.MomentZ = 1;
      P.LoadPointX = 0.5L;
      P.LoadPointY = 0;
      P.LoadPointZ = 1.25L;
      P.LoadPointReference =
          L == TLoad::Harmonic ? TLoadPointReference::CentreOfBase : TLoadPointReference::CentreOfGravity;
      break;
    case TLoad::Transient:
      P.LoadType = TLoadType::Transient;
      P.NumberOfPoints = 8;
      P.TimeInterval = 0.01L;
      T.TLoadtype->SetRowCount(2);
      for (int r = 0; r < 2; ++r) {
        T.TLoadtype->Cells(0, r)->SetInteger(r == 0 ? 3 : 5);
        TGridTable* a = T.TLoadtype->Cells(1, r)->AsTable();
        a->SetRowCount(8);
        for (int k = 0; k < 8; ++k) a->Cells(0, k)->SetFloat((k < 4 ? k : 8 - k) * (r + 1) * 2.5L);
      }
      break;
    case TLoad::Random:
      P.LoadType = TLoadType::Random;
      P.RandomMaxFrequency = 50;
      P.RandomMinFrequency = 1;
      P.NumberOfPoints = 6;
      P.ObservationPeriod = 20;
      T.Trandom->SetRowCount(2);
      for (int r = 0; r < 2; ++r) {
        T.Trandom->Cells(0, r)->SetInteger(r == 0 ? 1 : 3);
        TGridTable* s = T.Trandom->Cells(1, r)->AsTable();
        s->SetRowCount(6);
        for (int k = 0; k < 6; ++k) s->Cells(0, k)->SetFloat(0.5L + k * (r + 1));
      }
      break;
  }
}

// Small hand-worked projects whose files the tests spell out.

// Two battered piles with interaction and a weakened pile-cap side soil; no
// mass components (first mass 0); harmonic frequencies of 2, 1 and 0.5 Hz.
inline void PumpOnTwoPiles(TProgramData& p) {
  TProjectTables& t = p.Tables();
  p.Title = QStringLiteral("Pump on two piles");
  p.StiffnessMatrix = 0;
  p.FoundationKind = TFoundationKind::Pile;
  p.FootingLength = 3;
  p.FootingWidth = 1.5L;
  p.TotalMass = 12.5L;
  p.InertiaX = 3;
  p.InertiaY = 4;
  p.InertiaZ = 5.25L;
  SetRow(t.PileData, 0, {10, 0.25L, 0.25L, 0.19634954L, 3.0679616e-3L, 3.0679616e-3L, 6.1359232e-3L});
  t.Pilecoord->SetRowCount(2);
  SetRow(t.Pilecoord, 0, {-0.75L, 0, 5});
  SetRow(t.Pilecoord, 1, {0.75L, 0, 5});
  t.Pilecoord->Cells(3, 1)->SetInteger(2);
  p.Zc = 0.5L;
  p.PileLength = 10;
  p.PileUnitWeight = 24;
  p.StaticLoad = 150;
  p.PilePoisson = 0.25L;
  p.PileDamping = 0.02L;
  p.ShearCoefficient = 0.9L;
  p.PileModulus = 3e7L;
  SetRow(t.D, 0, {150, 17.5L, 0.4L, 0.05L, 0.999999L});
  p.TipShearVelocity = 300;
  p.TipUnitWeight = 19;
  p.TipPoisson = 0.3L;
  p.TipDamping = 0.05L;
  SetRow(t.pilecapsoil, 0, {0.8L, 120, 16.5L, 0.3L, 0.05L, 0.25L});
  p.MaxFrequency = 2;
  p.MinFrequency = 1;
  p.StepFrequency = 0.5L;
  p.ForceZ = 10;
  p.CGZ = 0.5L;
  p.CBGlobalX = 1;
  p.CBGlobalY = 2;
  p.CBGlobalZ = 3;
}

// English units; two side layers ratio 0.999995 (a weakened zone for piles,
// none for the multilayer soil); two further elements with the soil column
// below; a random load; two mass components.
inline void TurbineMat(TProgramData& p) {
  TProjectTables& t = p.Tables();
  p.ConvertUnits(TUnits::English);
  p.Title = QStringLiteral("Turbine mat");
  p.FoundationKind = TFoundationKind::Multilayer;
  p.FootingShape = TFootingShape::Circular;
  p.FootingRadius = 10;
  p.TotalMass = 100;
  p.InertiaX = 2000;
  p.InertiaY = 2000;
  p.InertiaZ = 4000;
  p.Zc = 2;
  p.PileLength = 15;
  p.PileUnitWeight = 150;
  p.StaticLoad = 1000;
  p.PilePoisson = 0.2L;
  p.PileDamping = 0.02L;
  p.ShearCoefficient = 0.85L;
  p.PileModulus = 4.32e8L;
  t.MultiElement->SetRowCount(3);
  for (int r = 0; r < 3; ++r) SetRow(t.MultiElement, r, {2.0L * (r + 1), 10, 10, 314.15927L, 7853.9816L, 7853.9816L, 0.9L});
  SetRow(t.D, 0, {500, 110, 0.35L, 0.05L, 0.999995L});
  t.Multisoil->SetRowCount(2);
  SetRow(t.Multisoil, 0, {600, 115, 0.33L, 0.04L, 1, 0.5L});
  SetRow(t.Multisoil, 1, {700, 120, 0.33L, 0.04L, 1, 0.5L});
  p.TipShearVelocity = 800;
  p.TipUnitWeight = 125;
  p.TipPoisson = 0.3L;
  p.TipDamping = 0.03L;
  p.LoadType = TLoadType::Random;
  p.RandomMaxFrequency = 40;
  p.RandomMinFrequency = 2;
  p.NumberOfPoints = 3;
  p.ObservationPeriod = 15;
  t.Trandom->Cells(0, 0)->SetInteger(3);
  TGridTable* spectrum = t.Trandom->Cells(1, 0)->AsTable();
  spectrum->SetRowCount(3);
  SetRow(spectrum, 0, {1});
  SetRow(spectrum, 1, {2});
  SetRow(spectrum, 2, {3});
  t.MassCal->SetRowCount(2);
  SetRow(t.MassCal, 0, {50, 0, 0, 1, 10, 10, 2});
  SetRow(t.MassCal, 1, {50, 0, 0, 3, 10, 10, 2});
  p.CGZ = 2;
}

// A stratum under a transient vertical force; no stiffness matrix.
inline void PressOnStratum(TProgramData& p) {
  TProjectTables& t = p.Tables();
  p.Title = QStringLiteral("Press on stratum");
  p.StiffnessMatrix = 0;
  p.FoundationKind = TFoundationKind::Stratum;
  p.FootingLength = 2;
  p.FootingWidth = 1;
  p.TotalMass = 2;
  p.InertiaX = 0.5L;
  p.InertiaY = 0.5L;
  p.InertiaZ = 0.75L;
  p.Zc = 0.3L;
  p.FoundationDepth = 0.5L;
  p.BedrockDepth = 6;
  p.TipShearVelocity = 200;
  p.TipUnitWeight = 18;
  p.TipPoisson = 0.35L;
  p.TipDamping = 0.05L;
  p.LoadType = TLoadType::Transient;
  p.NumberOfPoints = 4;
  p.TimeInterval = 0.005L;
  t.TLoadtype->Cells(0, 0)->SetInteger(3);
  TGridTable* amplitudes = t.TLoadtype->Cells(1, 0)->AsTable();
  amplitudes->SetRowCount(4);
  for (int k = 0; k < 4; ++k) SetRow(amplitudes, k, {k == 3 ? 5.0L : 5.0L * k});
}

// The cells that the project's deck carries, table by table (the nested
// tables of the load rows too), as text: what a deck read back must give again.
inline void AppendCells(const TGridTable* T, QStringList& Out) {
  Out << T->objectName() + T->Caption() + QStringLiteral(": %1 rows").arg(T->RowCount());
  for (int r = 0; r < T->RowCount(); ++r) {
    QStringList row;
    for (int c = 0; c < T->ColumnCount(); ++c) {
      if (dynamic_cast<const TTableColumn*>(T->Columns(c)))
        AppendCells(T->Cells(c, r)->AsTable(), Out);
      else
        row << T->Cells(c, r)->GetText();
    }
    Out << row.join(QLatin1Char(' '));
  }
}

inline QStringList CarriedCells(const TProgramData& P) {
  const TProjectTables& T = P.Tables();
  QList<const TGridTable*> tables{T.MassCal};
  if (P.FoundationKind == TFoundationKind::HalfSpace) tables << T.D1;
  if (P.FoundationKind == TFoundationKind::Pile) tables << T.Pilecoord << T.PileData << T.D << T.pilecapsoil;
  if (P.FoundationKind == TFoundationKind::Multilayer) tables << T.MultiElement << T.D << T.Multisoil;
  if (P.LoadType == TLoadType::Transient) tables << T.TLoadtype;
  if (P.LoadType == TLoadType::Random) tables << T.Trandom;
  QStringList cells;
  for (const TGridTable* t : tables) AppendCells(t, cells);
  return cells;
}

inline QByteArray FileBytes(const QString& Name) {
  QFile f(Name);
  if (!f.open(QIODevice::ReadOnly)) return QByteArray();
  return f.readAll();
}

inline bool PutFile(const QString& Name, const QByteArray& Bytes) {
  QFile f(Name);
  return f.open(QIODevice::WriteOnly) && f.write(Bytes) == Bytes.size();
}

// The lines of a file ended by CR LF (or LF), without the line ends.
inline QStringList FileLines(const QString& Name) {
  QString text = QString::fromLatin1(FileBytes(Name));
  if (text.endsWith(QLatin1Char('\n'))) text.chop(1);
  QStringList lines = text.split(QLatin1Char('\n'));
  for (QString& line : lines)
    if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
  return lines;
}

inline QByteArray Lines(const QStringList& L) {
  return (L.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLatin1();
}

}  // namespace zavik::testing

// Readable failure output for texts (found beside Qt's types).
inline void PrintTo(const QString& S, std::ostream* Os) { *Os << '"' << S.toStdString() << '"'; }
inline void PrintTo(const QByteArray& S, std::ostream* Os) { *Os << S.toStdString(); }
