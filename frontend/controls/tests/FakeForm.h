#pragma once
// A stand-in for the table editor window: records what the table asks of it.

#include "controls/Table.h"

#include <QList>
#include <QPair>

namespace zavik::testing {

struct TFakeFormLog {
  int Shown = 0;
  int ShownModal = 0;
  int Destroyed = 0;
  int TableGone = 0;
  QList<QPair<int, int>> Selected;
  QString Caption;
};

class TFakeForm : public TTableFormBase {
public:
  TFakeForm(TFakeFormLog& Log, bool Modal) : FLog(Log), FModal(Modal) {}
  ~TFakeForm() override { ++FLog.Destroyed; }
  void ShowForm() override { ++FLog.Shown; }
  int ShowFormModal() override {
    ++FLog.ShownModal;
    return 1;
  }
  bool IsModal() const override { return FModal; }
  void SetFormCaption(const QString& Caption) override { FLog.Caption = Caption; }
  void SelectGridCell(int ACol, int ARow) override { FLog.Selected.append({ACol, ARow}); }
  void HelpPictureChanged() override {}
  void TableDestroyed() override { ++FLog.TableGone; }

private:
  TFakeFormLog& FLog;
  bool FModal;
};

// Installs a factory of fake windows for the life of the object, which must
// outlive the tables that open windows.
class TFakeFormFactory {
public:
  explicit TFakeFormFactory(bool AModal = false) : Modal(AModal) {
    SetTableFormFactory([this](TGridTable* table) {
      Tables.append(table);
      return new TFakeForm(Log, Modal);
    });
  }
  bool Modal;  // the kind of the windows created from now on
  ~TFakeFormFactory() { SetTableFormFactory(nullptr); }
  TFakeFormLog Log;
  QList<TGridTable*> Tables;  // tables that opened a window, in order
};

}  // namespace zavik::testing
