#include "windows/announcer.h"

#include <QAccessible>
#include <QEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTimer>

#include "windows/form_window.h"
#include "windows/status_line.h"
#include "windows/text.h"

namespace drillwin {

namespace {

drillui::Texts TextsOf(const FormWindow& window) {
    drillui::Texts texts;
    for (const ControlRow& row : window.Layout().controls) {
        const QWidget* control = window.Control(row.name);
        if (const auto* label = qobject_cast<const QLabel*>(control)) {
            texts[row.name] = ToText(label->text());
        } else if (const auto* box = qobject_cast<const QPlainTextEdit*>(control)) {
            texts[row.name] = ToText(box->toPlainText());
        }
    }
    return texts;
}

// Waits for the window to become the active one, reads it once and goes. A window that the desktop
// does not activate within a second is read all the same.
class ActivationReader final : public QObject {
    Q_OBJECT
public:
    explicit ActivationReader(FormWindow& window) : QObject(&window), window_(window) {
        window.installEventFilter(this);
        QTimer::singleShot(window.isActiveWindow() ? 0 : 1000, this, &ActivationReader::Read);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        // Once the activation has been told (the reader then says the frame's name), and the press
        // has written the window's figures.
        if (event->type() == QEvent::WindowActivate) QTimer::singleShot(0, this, &ActivationReader::Read);
        return false;
    }

private:
    void Read() {
        if (read_) return;
        read_ = true;
        window_.removeEventFilter(this);
        Announce(&window_, ToQString(drillui::WindowPhrase(window_.Layout(), window_.ValueHeadings(), TextsOf(window_),
                                                           window_.PrintedLines())));
        deleteLater();
    }

    FormWindow& window_;
    bool read_ = false;
};

}  // namespace

void Announcer::PressStarting(const FormWindow& main) {
    // Without a listener a press costs nothing more.
    before_.reset();
    if (QAccessible::isActive()) before_ = TextsOf(main);
}

void Announcer::SayChanges(FormWindow& main) {
    if (!before_) return;
    drillui::Texts now = TextsOf(main);
    const drillui::Phrase phrase = drillui::ChangePhrase(main.Layout(), main.ValueHeadings(), *before_, now, itemLabel_);
    before_ = std::move(now);
    Announce(&main, ToQString(phrase));
}

void Announcer::PressFinished(FormWindow& main) {
    SayChanges(main);
    before_.reset();
}

void Announcer::ReadWhenActive(FormWindow& window) {
    if (!QAccessible::isActive()) return;
    // A window shown again before it was read is read once.
    if (!window.findChild<ActivationReader*>(QString(), Qt::FindDirectChildrenOnly)) new ActivationReader(window);
}

}  // namespace drillwin

#include "announcer.moc"
