#pragma once
// Answers the message boxes that come up while it lives, as a user would with
// OK, and keeps what they said.

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>

#include <ostream>

// Texts in the failures of the tests read as texts.
inline void PrintTo(const QString& Text, std::ostream* Os) { *Os << '"' << Text.toStdString() << '"'; }

namespace zavik::testing {

class TMessageCatcher {
public:
  struct TMessage {
    QString Text;
    QMessageBox::Icon Icon;
    QStringList Buttons;
  };

  TMessageCatcher() {
    QObject::connect(&FTimer, &QTimer::timeout, [this] { Answer(); });
    FTimer.start(10);
  }

  QStringList Texts() const {
    QStringList out;
    for (const TMessage& m : Messages) out.append(m.Text);
    return out;
  }
  void Clear() { Messages.clear(); }

  QList<TMessage> Messages;

private:
  void Answer() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible()) return;
    TMessage m{box->text(), box->icon(), {}};
    for (QAbstractButton* b : box->buttons()) m.Buttons.append(b->text());
    Messages.append(m);
    if (QAbstractButton* ok = box->button(QMessageBox::Ok))
      ok->click();
    else
      box->reject();
  }
  QTimer FTimer;
};

}  // namespace zavik::testing
