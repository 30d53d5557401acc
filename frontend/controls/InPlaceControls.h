#pragma once
// Qt widgets for the in-place controls of table columns: a drop-down list per
// row of an enumeration column and a push button per row of a table column,
// created on a host widget (the table editor window).

#include "controls/Table.h"

#include <QComboBox>
#include <QPointer>
#include <QPushButton>
#include <QWidget>

namespace zavik {

class TComboBoxControl : public QObject, public TComboControl {
  Q_OBJECT
public:
  explicit TComboBoxControl(QWidget* Parent);
  ~TComboBoxControl() override;

  void SetVisible(bool Visible) override;
  bool IsVisible() const override;
  void BringToFront() override;
  void SetBounds(int Left, int Top, int Width, int Height) override;
  void SetItems(const QStringList& Items) override;
  void SetItemIndex(int Index) override;
  int ItemIndex() const override;

  QComboBox* Widget() const { return FCombo; }

protected:
  bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
  QPointer<QComboBox> FCombo;
};

class TRowButtonControl : public QObject, public TButtonControl {
  Q_OBJECT
public:
  explicit TRowButtonControl(QWidget* Parent);
  ~TRowButtonControl() override;

  void SetVisible(bool Visible) override;
  bool IsVisible() const override;
  void BringToFront() override;
  void SetBounds(int Left, int Top, int Width, int Height) override;
  void SetCaption(const QString& Caption) override;
  QString Caption() const override;

  QPushButton* Widget() const { return FButton; }

private:
  QPointer<QPushButton> FButton;
};

// A widget that hosts in-place controls as its children.
class TControlHostWidget : public QWidget, public TControlHost {
  Q_OBJECT
public:
  explicit TControlHostWidget(QWidget* Parent = nullptr) : QWidget(Parent) {}
  std::unique_ptr<TComboControl> CreateCombo() override;
  std::unique_ptr<TButtonControl> CreateButton() override;
};

}  // namespace zavik
