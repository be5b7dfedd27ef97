#include "windows/program_windows.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTextDocument>

#include "engine/controls.h"
#include "windows/form_window.h"
#include "windows/text.h"

namespace drillwin {

using drill::MainWindow;
using drill::ResultWindow;
using drill::RulesWindow;
using drill::SentenceBox;

namespace {

std::size_t Index(Form form) { return static_cast<std::size_t>(form); }

QMessageBox::Icon IconOf(drill::MessageStyle style) {
    switch (style) {
        case drill::MessageStyle::Warning: return QMessageBox::Warning;
        case drill::MessageStyle::Information: return QMessageBox::Information;
        case drill::MessageStyle::Plain: break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

ProgramWindows::ProgramWindows(const ProgramDescription& program)
    : program_(program), keyboard_(program.keys, [this] { return drill_->State(); }) {
    drill_ = program.makeDrill(*this);
    FormWindow* main = Create(MainWindow);
    // Nothing else owns the main window: it lives as long as the program does.
    main->setAttribute(Qt::WA_DeleteOnClose, false);
}

ProgramWindows::~ProgramWindows() {
    for (QPointer<FormWindow>& window : windows_) delete window.data();
}

void ProgramWindows::ShowMainWindow() {
    FormWindow* main = Open(MainWindow);
    main->MoveToDesignPosition();
    main->show();
    main->FocusFirst();
}

const FormLayout& ProgramWindows::Layout(Form form) const {
    for (const FormLayout& layout : program_.forms) {
        if (layout.form == form) return layout;
    }
    Q_ASSERT_X(false, "ProgramWindows", "every window shown has a description");
    return program_.forms.front();
}

FormWindow* ProgramWindows::Open(Form form) const { return windows_[Index(form)].data(); }

FormWindow* ProgramWindows::Create(Form form) {
    auto* window = new FormWindow(Layout(form));
    windows_[Index(form)] = window;
    if (form == MainWindow) {
        connect(window, &FormWindow::buttonClicked, this, [this, window](Control button) {
            announcer_.PressStarting(*window);
            drill_->Press(button);
            // What the press changed is said before the focus moves, so that the verdict comes
            // before the name of the button that takes the focus: a pupil who presses Enter on
            // hearing that name has heard the verdict, and the key cuts nothing of it.
            announcer_.PressFinished(*window);
            if (!ended_) keyboard_.AfterPress(button, drill_->State());
        });
        // Closing the main window by its frame ends the program as "Выход" does, so that no
        // secondary window is left running without it.
        connect(window, &FormWindow::closing, this, [this] { EndProgram(); });
    }
    keyboard_.Attach(window);
    return window;
}

QWidget* ProgramWindows::Window(Form form) const { return Open(form); }

QAbstractButton* ProgramWindows::Button(Control name) const {
    const FormWindow* main = Open(MainWindow);
    return main ? qobject_cast<QAbstractButton*>(main->Control(name)) : nullptr;
}

QLabel* ProgramWindows::Label(Form form, Control name) const {
    const FormWindow* window = Open(form);
    return window ? qobject_cast<QLabel*>(window->Control(name)) : nullptr;
}

QPlainTextEdit* ProgramWindows::TextBox() const {
    const FormWindow* main = Open(MainWindow);
    return main ? qobject_cast<QPlainTextEdit*>(main->Control(SentenceBox)) : nullptr;
}

void ProgramWindows::SetCaption(Form form, Control label, drill::TextView text) {
    if (FormWindow* window = Open(form)) window->SetCaption(label, ToQString(text));
}

drill::Text ProgramWindows::GetText(Control) {
    const QPlainTextEdit* box = TextBox();
    if (!box) return {};
    // The raw text keeps every character as typed (toPlainText would turn no-break spaces into
    // blanks); only the block breaks that Enter makes read back as the line breaks they are.
    QString text = box->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return ToText(text);
}

void ProgramWindows::SetText(Control, drill::TextView text) {
    if (QPlainTextEdit* box = TextBox()) box->setPlainText(ToQString(text));
}

void ProgramWindows::ShowMessage(drill::TextView text, drill::MessageStyle style, drill::TextView title) {
    // What the press changed is said before the box takes the reader's attention.
    if (FormWindow* main = Open(MainWindow)) announcer_.SayChanges(*main);
    // One box for the whole run, kept with the main window: building a dialog and its native window
    // anew for every message took a good part of the time the pupil waits for it.
    if (!messageBox_) {
        messageBox_ = new QMessageBox(Open(MainWindow));
        messageBox_->setStandardButtons(QMessageBox::Ok);
        messageBox_->setTextFormat(Qt::PlainText);
        // A box is a window of its own and takes no palette from the main window.
        messageBox_->setPalette(DesignPalette());
        messageBox_->setWindowModality(Qt::ApplicationModal);
    }
    messageBox_->setIcon(IconOf(style));
    messageBox_->setWindowTitle(ToQString(title));
    messageBox_->setText(ToQString(text));
    messageBox_->exec();
    // The keyboard goes back to the main window, where the pupil was, even on a desktop that
    // activates no window of its own accord once the box is gone.
    if (FormWindow* main = Open(MainWindow); main && main->isVisible()) main->activateWindow();
}

void ProgramWindows::ShowWindow(Form form) {
    FormWindow* window = Open(form);
    if (!window) {
        window = Create(form);
        window->MoveToDesignPosition();
    }
    window->show();
    window->raise();
    window->activateWindow();
    announcer_.ReadWhenActive(*window);
}

void ProgramWindows::PlotPoint(Form form, int x, int y) {
    if (FormWindow* window = Open(form)) window->PlotPoint(x, y);
}

void ProgramWindows::PrintLine(Form form, drill::TextView text) {
    if (FormWindow* window = Open(form)) window->PrintLine(ToQString(text));
}

void ProgramWindows::ReseedRandom() { random_.Reseed(); }

float ProgramWindows::NextRandom() { return random_.Next(); }

void ProgramWindows::EndProgram() {
    if (ended_) return;
    ended_ = true;
    for (const Form form : {ResultWindow, RulesWindow, MainWindow}) {
        if (FormWindow* window = Open(form)) window->close();
    }
    QCoreApplication::quit();
}

}  // namespace drillwin
