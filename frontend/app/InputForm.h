#pragma once
// What the input windows of the project's single values share: numeric boxes
// with their labels, each bound to a field of the current project, loaded in
// the project's unit system when the window is activated and stored when it
// is left; a keystroke in a box tells Modified. Filling the boxes from the
// project never does.
//
// Only a box whose text changed since it was loaded (typed by the user, or
// set by the window's own computation) is stored: the others keep their
// field's value to the last bit, not the value read back from its text. A
// window stores only into the unit system it shows: after the project was
// converted it stores nothing until it has been loaded again.

#include "app/ChildForm.h"
#include "controls/AreaPlacement.h"
#include "controls/DataEdit.h"

#include <QList>
#include <QPointer>
#include <QString>

#include <functional>

class QGridLayout;
class QGroupBox;
class QLabel;

namespace zavik {

class TGridTable;
class TProgramData;
class TProjectTables;

// The current project, or nullptr while there is none.
using TProjectAccessor = std::function<TProgramData*()>;

// The limits of a box.
struct TBoxLimits {
  long double MinVal = -kNoLimit;
  long double MaxVal = kNoLimit;
  bool IntegerOnly = false;
};
inline constexpr TBoxLimits NoLimits{};
inline constexpr TBoxLimits Limits32{-2147483648.0L, 2147483647.0L, false};
inline constexpr TBoxLimits WholeNumbers32{-2147483648.0L, 2147483647.0L, true};

class TInputForm : public TChildForm {
  Q_OBJECT

public:
  TInputForm(TProjectAccessor Project, const QString& Caption, QWidget* Parent = nullptr);

  // Loads every box: units and value of its field.
  void FormActivate() override;

protected:
  TProgramData* Project() const { return FProject ? FProject() : nullptr; }

  // A box in row Row of Grid, its label before it, bound to a field of the
  // project. A whole-number field is stored as the nearest whole number.
  TDataEdit* AddBox(QGridLayout* Grid, int Row, const QString& Caption, const QString& Template,
                    const TBoxLimits& Limits, long double TProgramData::* Field);
  TDataEdit* AddBox(QGridLayout* Grid, int Row, const QString& Caption, const QString& Template,
                    const TBoxLimits& Limits, int TProgramData::* Field);
  // A box that shows the number of rows of a project table, in step with
  // the table whenever it changes. The table's rows are the count (its
  // window adds and deletes them): the box takes no typing, and stores the
  // count into its field.
  void ShowRowCount(TDataEdit* Box, TGridTable* TProjectTables::* Table);
  static QLabel* LabelOf(TDataEdit* Box) { return Box->EditLabel(); }
  static void ShowBox(TDataEdit* Box, bool Visible);
  // After boxes were shown or hidden: the window takes the size of what it
  // shows, and so does its frame in the MDI area.
  void FitWindow();

  void LoadBoxes(TProgramData& Project);
  // Whether the boxes show the project in its present unit system.
  bool ShowsUnitsOf(const TProgramData& Project) const;
  // Evaluates every box changed since it was loaded, then stores them all: a
  // text that cannot be evaluated raises before any field changes.
  void StoreBoxes(TProgramData& Project);
  // Brings every field within the limits of its box (as the box shows it);
  // a field within them keeps its value.
  void StoreClamped(TProgramData& Project);
  void StoreValues() override;

  // The user changed something: the project is modified.
  void UserChanged() { emit Modified(); }

  static QGroupBox* Group(const QString& Caption, QGridLayout*& Grid);

private:
  struct TBinding {
    TDataEdit* Box;
    long double TProgramData::* Real;
    int TProgramData::* Whole;
    QString Loaded;  // the text of the field's value, as loaded or last stored
  };
  TDataEdit* NewBox(QGridLayout* Grid, int Row, const QString& Caption, const QString& Template,
                    const TBoxLimits& Limits);

  struct TRowCount {
    TDataEdit* Box;
    TGridTable* TProjectTables::* Table;
    QPointer<TGridTable> Followed;  // the table whose changes the box follows
  };
  // Every count box shows its table's rows, and follows its changes.
  void ShowRowCounts(TProgramData& Project);

  TProjectAccessor FProject;
  QList<TBinding> FBindings;
  QList<TRowCount> FRowCounts;
  int FLoadedUnits = 0;  // the unit system the boxes show; 0 before their first load
};

}  // namespace zavik
