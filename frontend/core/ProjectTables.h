#pragma once
// The thirteen tables that hold the row data of the open project: soil layers,
// pile and foundation elements, pile coordinates, mass components, load
// histories and spectra. Their columns come from stored column definitions,
// generated with the columns' names (ProjectColumns.h).
// The window that owns the project keeps one TProjectTables and acts on its
// signals; the object itself opens, closes and refreshes no window.

#ifndef Q_MOC_RUN  // the column lists are no business of moc
#include "core/ProjectColumns.h"
#endif
#include "controls/Table.h"

#include <QList>
#include <QObject>
#include <QString>

namespace zavik {

class TProjectTables : public QObject {
  Q_OBJECT
public:
  // The tables find their templates by Identifier among the tables of this
  // object, so sets of project tables may live side by side.
  explicit TProjectTables(QObject* Parent = nullptr);
  ~TProjectTables() override;
  TProjectTables(const TProjectTables&) = delete;
  TProjectTables& operator=(const TProjectTables&) = delete;

  TGridTable* D;             // soil along the piles (PILE), side soil (MULTILAYER)
  TGridTable* TLoadtype;     // transient loads, one row per load
  TGridTable* PileData;      // pile elements
  TGridTable* pilecapsoil;   // side soil of the pile cap
  TGridTable* Multisoil;     // soil column below the embedded part (MULTILAYER)
  TGridTable* MultiElement;  // foundation layers (MULTILAYER)
  TGridTable* Pilecoord;     // piles: coordinates, batter angle and plane
  TGridTable* Dtransient;    // template of the transient amplitudes
  TGridTable* Trandom;       // random loading, one row per spectrum
  TGridTable* Tspectrum;     // template of the spectrum values
  TGridTable* D1;            // side soil of a HALF-SPACE or STRATUM footing
  TGridTable* TBattered;     // no project data
  TGridTable* MassCal;       // mass components

  // The thirteen, in the order above.
  const QList<TGridTable*>& Tables() const { return FTables; }
  // A table by its component name ("D", "pilecapsoil", ...); nullptr if none.
  TGridTable* TableByName(const QString& Name) const;

  // The window layer of every table (and of the tables nested in them).
  void SetTableWindows(TTableWindows* Windows);

  // The project's modified flag; every setting is told through ModifiedChanged.
  bool Modified() const { return FModified; }
  void SetModified(bool Value);

signals:
  void ModifiedChanged(bool Modified);
  // A new project is being made on these tables, before its defaults are
  // set: windows that hold values of the present project close now.
  void NewProjectStarting();
  // The project and every table were converted to the unit system: open
  // windows show the converted values.
  void UnitsConverted(int Units);

private:
  TGridTable* Define(const char* Name, int Identifier, const char* Caption, int MaxRows,
                     const char* TopLeft, bool HardwiredButton);

  QList<TGridTable*> FTables;
  bool FModified = false;
};

#ifndef Q_MOC_RUN
// The transient loads and the random spectra have their columns alike: the
// direction (location code 1 to 6) and the table of the values.
static_assert(Column(TTLoadtypeColumn::Direction) == Column(TTrandomColumn::Location) &&
              Column(TTLoadtypeColumn::Amplitudes) == Column(TTrandomColumn::Values));
inline int LoadDirection(const TGridTable* Loads, int Row) {
  return CellOf(Loads, TTLoadtypeColumn::Direction, Row)->AsInteger();
}
// The table of a load's amplitudes or of a spectrum's values; nullptr if none.
inline TGridTable* LoadValues(const TGridTable* Loads, int Row) {
  return CellOf(Loads, TTLoadtypeColumn::Amplitudes, Row)->AsTable();
}

// The batter plane of a pile of the Pilecoord table.
inline TBatterPlane BatterPlane(const TGridTable* Pilecoord, int Row) {
  return TBatterPlane(CellOf(Pilecoord, TPilecoordColumn::BatterPlane, Row)->AsInteger());
}
#endif

}  // namespace zavik
