#pragma once
// What the foundation views share in their slots and event handlers: the
// text a view shows for an exception, and, for a view shown in an MDI area,
// the news that its sub-window becomes active.

#include <QMetaObject>
#include <QSize>
#include <QString>

#include <exception>
#include <functional>

class QEvent;
class QWidget;

namespace zavik {

// The normal size of a view window, frame apart: the size an MDI area gives
// it when it cascades its windows. An engineer can read the drawing and its
// labels at it on a screen of 1024 × 768.
inline constexpr QSize ViewWindowSize{560, 420};

// Calls Activate whenever the MDI sub-window that holds View is about to
// become active; call it from View's event handler with each event (it acts
// on the change of parent). Connection keeps the link to the sub-window.
void FollowSubWindowActivation(QWidget* View, QEvent* Event, QMetaObject::Connection& Connection,
                               const std::function<void()>& Activate);

// The message for an exception: a pile type without sections for a list
// index error, else the error's own text. The views show it in an
// information box (Guarded with ShowInformation and ViewErrorText).
QString ViewErrorText(const std::exception& E);

// Runs a view's reading of the project. When it fails, the view says why
// once and closes: Failed is set before the message, so that the view's
// activations meanwhile (its own message box, its sub-window) read and tell
// nothing more. False when the view cannot show the project.
bool ReadOrClose(QWidget* View, bool& Failed, const std::function<void()>& Read);

}  // namespace zavik
