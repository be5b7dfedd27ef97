#pragma once
// What each window and control the drills write to is for, named once. The layout tables keep the
// design's names (Form1, Label5), which mirror the window descriptions row for row; the drill logic
// and the window layer speak of a control's role (ErrorCountLabel).

#include <array>

#include "engine/platform.h"

namespace drill {

inline constexpr Form MainWindow = Form::Form1;
inline constexpr Form RulesWindow = Form::Form2;
inline constexpr Form ResultWindow = Form::Form3;

// The main window's buttons. The sentence drill gives the two answer buttons other roles.
inline constexpr Control RulesButton = Control::Command1;
inline constexpr Control StartButton = Control::Command2;
inline constexpr Control FirstAnswerButton = Control::Command3;   // carries the profile's first option
inline constexpr Control SecondAnswerButton = Control::Command4;  // and its second
inline constexpr Control RestoreButton = Control::Command3;       // "Повтор, если текст испорчен"
inline constexpr Control CheckButton = Control::Command4;         // "Запятые расставлены"
inline constexpr Control NextButton = Control::Command5;
inline constexpr Control ResultButton = Control::Command6;
inline constexpr Control ExitButton = Control::Command7;

// The main window's labels and text box.
inline constexpr Control PromptLabel = Control::Label1;     // the item on show, then its full text
inline constexpr Control VerdictLabel = Control::Label1;    // the sentence drill's verdict
inline constexpr Control ErrorCountLabel = Control::Label5;
inline constexpr Control PositionLabel = Control::Label7;   // the number of the item on show
inline constexpr Control ErrorMarkLabel = Control::Label8;  // "Была ошибка"
inline constexpr Control AnswerShownLabel = Control::Label8;  // the sentence drill: a wrong answer as typed
inline constexpr Control SentenceBox = Control::Text1;

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
