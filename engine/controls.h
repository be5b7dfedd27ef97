#pragma once
// What the windows and the controls every drill writes to are for, named once. The layout tables
// keep the design's names (Form1, Label5), which mirror the window descriptions row for row; the
// drill logic and the front ends speak of a control's role (ErrorCountLabel). A control whose role
// differs between the drills is named by each drill in its own header (drill_session.h,
// comma_drill.h).

#include <array>

#include "engine/platform.h"

namespace drill {

inline constexpr Form MainWindow = Form::Form1;
inline constexpr Form RulesWindow = Form::Form2;
inline constexpr Form ResultWindow = Form::Form3;

// The main window's buttons that every drill has, and the result button of the tallied drills.
inline constexpr Control RulesButton = Control::Command1;
inline constexpr Control StartButton = Control::Command2;
inline constexpr Control NextButton = Control::Command5;
inline constexpr Control ResultButton = Control::Command6;
inline constexpr Control ExitButton = Control::Command7;

// The main window's counters.
inline constexpr Control ErrorCountLabel = Control::Label5;
inline constexpr Control PositionLabel = Control::Label7;   // the number of the item on show

// The result window's value labels, the same in every program that has one.
inline constexpr Control ResultTotalLabel = Control::Label2;
inline constexpr Control ResultNoAnswerLabel = Control::Label21;
inline constexpr Control ResultAskedLabel = Control::Label22;

struct CategoryLabels {
    Control Errors;
    Control Shown;
};
// One row per result category, in category order; a program has at most this many categories.
inline constexpr std::array<CategoryLabels, 5> ResultCategoryLabels = {{
    {Control::Label6, Control::Label23},
    {Control::Label13, Control::Label24},
    {Control::Label15, Control::Label25},
    {Control::Label17, Control::Label26},
    {Control::Label19, Control::Label27},
}};

}  // namespace drill
