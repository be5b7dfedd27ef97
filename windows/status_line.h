#pragma once
// The unseen status line of every program window, through which the window has a screen reader say
// what changed.
//
// Qt 6.4 has no announcement, and Orca 43 says nothing when a label's text or an accessible name
// changes. It does say a notification the moment the notification shows, wherever the focus is;
// inside a status bar, by its text alone. So every program window carries, as the last child of its
// accessible interface, an unseen status line (no widget, nothing drawn) holding a few
// notifications, and a phrase is said by putting it into the next one and reporting that shown.

#include <QString>

class QWidget;

namespace drillwin {

// Gives every program window (FormWindow) its accessible interface: the window, under its caption,
// with its status line as last child. Once per application, before the first window is shown.
void InstallWindowAccessibility();

// Says the phrase once through the window's status line. An empty phrase, or one said while no
// assistive technology listens, does nothing.
void Announce(QWidget* window, const QString& phrase);

}  // namespace drillwin
