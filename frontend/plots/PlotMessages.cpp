#include "plots/PlotMessages.h"

#include <QMessageBox>

namespace zavik {

void Inform(QWidget* Parent, const QString& Text) {
  QMessageBox::information(Parent, QStringLiteral("ZAVIK"), Text, QMessageBox::Ok);
}

}  // namespace zavik
