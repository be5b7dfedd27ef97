#include "windows/program_windows.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTextDocument>

#include <algorithm>
#include <utility>

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
    preparation_.setSingleShot(true);
    preparation_.setInterval(0);
    preparation_.callOnTimeout(this, &ProgramWindows::PrepareNext);
    drill_ = program.makeDrill(*this);
    FormWindow* main = Build(MainWindow);
    windows_[Index(MainWindow)] = main;
    // Nothing else owns the main window: it lives as long as the program does.
    main->setAttribute(Qt::WA_DeleteOnClose, false);
}

ProgramWindows::~ProgramWindows() {
    for (QPointer<FormWindow>& window : prepared_) delete window.data();
    for (QPointer<FormWindow>& window : windows_) delete window.data();
}

void ProgramWindows::ShowMainWindow() {
    FormWindow* main = Open(MainWindow);
    if (!firstFramePainted_) main->installEventFilter(this);
    main->MoveToDesignPosition();
    main->show();
    main->FocusFirst();
}

bool ProgramWindows::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint && watched == Open(MainWindow)) {
        watched->removeEventFilter(this);
        firstFramePainted_ = true;
        // The window paints before its controls and the frame is flushed after them: a call queued
        // now runs once the frame is complete, and it waits a further turn of the event loop so that
        // what else the frame queued comes first.
        QMetaObject::invokeMethod(this, [this] { PrepareSoon(); }, Qt::QueuedConnection);
    }
    return false;
}

bool ProgramWindows::Unprepared(Form form) const { return !Open(form) && !prepared_[Index(form)]; }

bool ProgramWindows::Prepared() const {
    if (!firstFramePainted_ || !messageBox_ || !mainFontsLoaded_) return false;
    return std::none_of(program_.forms.begin(), program_.forms.end(),
                        [this](const FormLayout& layout) { return Unprepared(layout.form); });
}

void ProgramWindows::PrepareSoon() {
    if (firstFramePainted_ && !preparation_.isActive()) preparation_.start();
}

void ProgramWindows::PrepareNext() {
    if (ended_) return;
    // In the order the first presses need them: the rules, a warning, the result.
    const auto unprepared = std::find_if(program_.forms.begin(), program_.forms.end(),
                                         [this](const FormLayout& layout) { return Unprepared(layout.form); });
    if (unprepared != program_.forms.end()) {
        const std::size_t index = Index(unprepared->form);
        FormWindow* window = Build(unprepared->form);
        window->PrepareToShow();
        if (!std::exchange(paintedOffScreen_[index], true)) window->PaintOffScreen();
        prepared_[index] = window;
    } else if (!messageBox_) {
        QMessageBox* box = MessageBox();
        // Each icon drawn once at the box's scale, and the box painted off screen with the letters the
        // messages are written in, so that its face's shaping tables and their glyphs are cached.
        box->setIcon(QMessageBox::Warning);
        box->setIcon(QMessageBox::Information);
        box->setText(QStringLiteral("АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ абвгдеёжзийклмнопрстуфхцчшщъыьэюя 0123456789 .,:;!?-«»()"));
        box->grab();
        box->setText(QString());
    } else if (!mainFontsLoaded_) {
        Open(MainWindow)->LoadFonts();
        mainFontsLoaded_ = true;
    }
    if (!Prepared()) PrepareSoon();
}

const FormLayout& ProgramWindows::Layout(Form form) const {
    for (const FormLayout& layout : program_.forms) {
        if (layout.form == form) return layout;
    }
    Q_ASSERT_X(false, "ProgramWindows", "every window shown has a description");
    return program_.forms.front();
}

FormWindow* ProgramWindows::Open(Form form) const { return windows_[Index(form)].data(); }

FormWindow* ProgramWindows::Build(Form form) {
    auto* window = new FormWindow(Layout(form));
    if (form == MainWindow) {
        connect(window, &FormWindow::buttonClicked, this, [this, window](Control button) {
            announcer_.PressStarting(*window);
            drill_->Press(button);
            // What the press changed is said before the focus moves, so that the verdict comes
            // before the name of the button that takes the focus: a pupil who presses Enter on
            // hearing that name has heard the verdict, and the key cuts nothing of it.
            announcer_.PressFinished(*window);
            if (!ended_) keyboard_.AfterPress(button);
        });
        // Closing the main window by its frame ends the program as "Выход" does, so that no
        // secondary window is left running without it.
        connect(window, &FormWindow::closing, this, [this] { EndProgram(); });
    } else {
        // A window the pupil closes is gone; the next one is prepared while the program is idle.
        connect(window, &QObject::destroyed, this, [this] { PrepareSoon(); });
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

QMessageBox* ProgramWindows::MessageBox() {
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
    return messageBox_;
}

void ProgramWindows::ShowMessage(drill::TextView text, drill::MessageStyle style, drill::TextView title) {
    // What the press changed is said before the box takes the reader's attention.
    if (FormWindow* main = Open(MainWindow)) announcer_.SayChanges(*main);
    QMessageBox* box = MessageBox();
    box->setIcon(IconOf(style));
    box->setWindowTitle(ToQString(title));
    box->setText(ToQString(text));
    box->exec();
    // The keyboard goes back to the main window, where the pupil was, even on a desktop that
    // activates no window of its own accord once the box is gone.
    if (FormWindow* main = Open(MainWindow); main && main->isVisible()) main->activateWindow();
}

void ProgramWindows::ShowWindow(Form form) {
    FormWindow* window = Open(form);
    if (!window) {
        window = prepared_[Index(form)] ? prepared_[Index(form)].data() : Build(form);
        prepared_[Index(form)] = nullptr;
        windows_[Index(form)] = window;
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
