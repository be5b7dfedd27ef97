#pragma once
// A running program's controls, found as a pupil or a screen reader finds them: in the window as it
// stands, by the control's name. Null where the window is not open or has no such control.

#include <QAbstractButton>
#include <QLabel>
#include <QPlainTextEdit>
#include <QString>

#include "engine/comma_drill.h"
#include "engine/controls.h"
#include "windows/program_windows.h"

namespace drillwin {

template <class Widget>
Widget* ControlOf(const ProgramWindows& windows, Form form, Control name) {
    const QWidget* window = windows.Window(form);
    const std::string_view id = drill::ControlName(name);
    return window ? window->findChild<Widget*>(QString::fromLatin1(id.data(), static_cast<qsizetype>(id.size())),
                                               Qt::FindDirectChildrenOnly)
                  : nullptr;
}

// A button of the main window.
inline QAbstractButton* ButtonOf(const ProgramWindows& windows, Control name) {
    return ControlOf<QAbstractButton>(windows, drill::MainWindow, name);
}

inline QLabel* LabelOf(const ProgramWindows& windows, Form form, Control name) {
    return ControlOf<QLabel>(windows, form, name);
}

// The main window's text box.
inline QPlainTextEdit* TextBoxOf(const ProgramWindows& windows) {
    return ControlOf<QPlainTextEdit>(windows, drill::MainWindow, drill::SentenceBox);
}

}  // namespace drillwin
