#include "windows/program_windows.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTextDocument>

#include "engine/controls.h"
#include "windows/design_units.h"
#include "windows/text.h"

namespace drillwin {

using drill::MainWindow;
using drill::ResultWindow;
using drill::RulesWindow;

namespace {

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
    : drill_(program.makeDrill(*this)),
      announcer_(program.itemLabel),
      keyboard_(program.keys, [this] { return drill_->State(); }),
      preparation_(windows_, [this] { PrepareMessageBox(); }),
      windows_(program.forms, [this](FormWindow& window) { Wire(window); }) {}

ProgramWindows::~ProgramWindows() = default;

void ProgramWindows::ShowMainWindow() {
    FormWindow& main = windows_.Main();
    preparation_.StartAfterFirstFrame();
    main.MoveToDesignPosition();
    main.show();
    main.FocusFirst();
}

void ProgramWindows::Wire(FormWindow& window) {
    if (window.Layout().form == MainWindow) {
        connect(&window, &FormWindow::buttonClicked, this, [this, &window](Control button) {
            announcer_.PressStarting(window);
            drill_->Press(button);
            // What the press changed is said before the focus moves, so that the verdict comes
            // before the name of the button that takes the focus: a pupil who presses Enter on
            // hearing that name has heard the verdict, and the key cuts nothing of it.
            announcer_.PressFinished(window);
            if (!ended_) keyboard_.AfterPress(button);
        });
        // Closing the main window by its frame ends the program as "Выход" does, so that no
        // secondary window is left running without it.
        connect(&window, &FormWindow::closing, this, [this] { EndProgram(); });
    } else {
        // A window the pupil closes is gone; the next one is built ahead while the program is idle.
        connect(&window, &QObject::destroyed, this, [this] { preparation_.Resume(); });
    }
    keyboard_.Attach(&window);
}

QWidget* ProgramWindows::Window(Form form) const { return windows_.Open(form); }

QPlainTextEdit* ProgramWindows::TextBox(Control box) const {
    return qobject_cast<QPlainTextEdit*>(windows_.Main().Control(box));
}

void ProgramWindows::SetCaption(Form form, Control label, drill::TextView text) {
    if (FormWindow* window = windows_.Open(form)) window->SetCaption(label, ToQString(text));
}

drill::Text ProgramWindows::GetText(Control textBox) {
    const QPlainTextEdit* box = TextBox(textBox);
    if (!box) return {};
    // The raw text keeps every character as typed (toPlainText would turn no-break spaces into
    // blanks); only the block breaks that Enter makes read back as the line breaks they are.
    QString text = box->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return ToText(text);
}

void ProgramWindows::SetText(Control textBox, drill::TextView text) {
    if (QPlainTextEdit* box = TextBox(textBox)) box->setPlainText(ToQString(text));
}

QMessageBox* ProgramWindows::MessageBox() {
    // One box for the whole run, kept with the main window: building a dialog and its native window
    // anew for every message took a good part of the time the pupil waits for it.
    if (!messageBox_) {
        messageBox_ = new QMessageBox(&windows_.Main());
        messageBox_->setStandardButtons(QMessageBox::Ok);
        messageBox_->setTextFormat(Qt::PlainText);
        // A box is a window of its own and takes no palette from the main window.
        messageBox_->setPalette(DesignPalette());
        messageBox_->setWindowModality(Qt::ApplicationModal);
    }
    return messageBox_;
}

void ProgramWindows::PrepareMessageBox() {
    // A box a message has already opened is prepared; and it may be on the screen now.
    if (messageBox_) return;
    QMessageBox* box = MessageBox();
    // Each icon drawn once at the box's scale, and the box painted off screen with the letters the
    // messages are written in, so that its face's shaping tables and their glyphs are cached.
    box->setIcon(QMessageBox::Warning);
    box->setIcon(QMessageBox::Information);
    box->setText(QStringLiteral("АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ абвгдеёжзийклмнопрстуфхцчшщъыьэюя 0123456789 .,:;!?-«»()"));
    box->grab();
    box->setText(QString());
}

void ProgramWindows::ShowMessage(drill::TextView text, drill::MessageStyle style, drill::TextView title) {
    // What the press changed is said before the box takes the reader's attention.
    announcer_.SayChanges(windows_.Main());
    QMessageBox* box = MessageBox();
    box->setIcon(IconOf(style));
    box->setWindowTitle(ToQString(title));
    box->setText(ToQString(text));
    box->exec();
    // The keyboard goes back to the main window, where the pupil was, even on a desktop that
    // activates no window of its own accord once the box is gone.
    if (FormWindow& main = windows_.Main(); main.isVisible()) main.activateWindow();
}

void ProgramWindows::ShowWindow(Form form) {
    FormWindow& window = windows_.ToShow(form);
    window.show();
    window.raise();
    window.activateWindow();
    announcer_.ReadWhenActive(window);
}

void ProgramWindows::PlotPoint(Form form, int x, int y) {
    if (FormWindow* window = windows_.Open(form)) window->PlotPoint(x, y);
}

void ProgramWindows::PrintLine(Form form, drill::TextView text) {
    if (FormWindow* window = windows_.Open(form)) window->PrintLine(ToQString(text));
}

void ProgramWindows::ReseedRandom() { random_.Reseed(); }

float ProgramWindows::NextRandom() { return random_.Next(); }

void ProgramWindows::EndProgram() {
    if (ended_) return;
    ended_ = true;
    preparation_.Stop();
    for (const Form form : {ResultWindow, RulesWindow, MainWindow}) {
        if (FormWindow* window = windows_.Open(form)) window->close();
    }
    QCoreApplication::quit();
}

}  // namespace drillwin
