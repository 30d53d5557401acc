#include "controls/InPlaceControls.h"

#include <QEvent>

namespace zavik {

TComboBoxControl::TComboBoxControl(QWidget* Parent) : FCombo(new QComboBox(Parent)) {
  FCombo->setEditable(false);  // a drop-down list: only the items can be chosen
  FCombo->installEventFilter(this);
  // Only a choice of the user writes to the column; setting the index from the
  // column must not echo back.
  connect(FCombo, &QComboBox::activated, this, [this](int) {
    if (OnChange) OnChange(this);
  });
}

TComboBoxControl::~TComboBoxControl() {
  if (FCombo) {
    FCombo->removeEventFilter(this);
    delete FCombo.data();
  }
}

bool TComboBoxControl::eventFilter(QObject*, QEvent* Event) {
  // Only the combo box is watched; its events while it is being destroyed
  // (by its host) are not looked at.
  if (Event->type() == QEvent::FocusIn && OnEnter) OnEnter(this);
  return false;
}

void TComboBoxControl::SetVisible(bool Visible) { FCombo->setVisible(Visible); }
bool TComboBoxControl::IsVisible() const { return FCombo->isVisible(); }
void TComboBoxControl::BringToFront() { FCombo->raise(); }
void TComboBoxControl::SetBounds(int Left, int Top, int Width, int Height) {
  FCombo->setGeometry(Left, Top, Width, Height);
}

void TComboBoxControl::SetItems(const QStringList& Items) {
  FCombo->clear();
  FCombo->addItems(Items);
}

void TComboBoxControl::SetItemIndex(int Index) {
  FCombo->setCurrentIndex(Index >= 0 && Index < FCombo->count() ? Index : -1);
}

int TComboBoxControl::ItemIndex() const { return FCombo->currentIndex(); }

TRowButtonControl::TRowButtonControl(QWidget* Parent) : FButton(new QPushButton(Parent)) {
  connect(FButton, &QPushButton::clicked, this, [this] {
    if (OnClick) OnClick(this);
  });
}

TRowButtonControl::~TRowButtonControl() { delete FButton.data(); }

void TRowButtonControl::SetVisible(bool Visible) { FButton->setVisible(Visible); }
bool TRowButtonControl::IsVisible() const { return FButton->isVisible(); }
void TRowButtonControl::BringToFront() { FButton->raise(); }
void TRowButtonControl::SetBounds(int Left, int Top, int Width, int Height) {
  FButton->setGeometry(Left, Top, Width, Height);
}
void TRowButtonControl::SetCaption(const QString& Caption) { FButton->setText(Caption); }
QString TRowButtonControl::Caption() const { return FButton->text(); }

std::unique_ptr<TComboControl> TControlHostWidget::CreateCombo() {
  return std::make_unique<TComboBoxControl>(this);
}

std::unique_ptr<TButtonControl> TControlHostWidget::CreateButton() {
  return std::make_unique<TRowButtonControl>(this);
}

}  // namespace zavik
