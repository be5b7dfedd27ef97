#include "windows/announcer.h"

#include <QAccessible>
#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTimer>

#include <algorithm>
#include <array>

#include "engine/controls.h"
#include "windows/form_window.h"

namespace drillwin {

namespace {

// The unseen parts of a window's accessibility tree are plain objects owned by the window, so that
// they, and the interfaces registered for them, go when the window goes.
class Notice final : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    QString text;
};

// Orca reads a notification's text when it comes to the event, not when the event is sent, and of
// two "shown" events of one notification still waiting it handles only the later one: phrases said
// in quick succession take turns among a few notifications, each keeping its own text.
class StatusLine final : public QObject {
    Q_OBJECT
public:
    explicit StatusLine(QObject* window) : QObject(window) {
        for (Notice*& notice : notices) notice = new Notice(this);
    }
    std::array<Notice*, 4> notices{};
    std::size_t next = 0;
};

class NoticeAccessible final : public QAccessibleObject {
public:
    explicit NoticeAccessible(Notice* notice) : QAccessibleObject(notice) {}

    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override { return {}; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? static_cast<const Notice*>(object())->text : QString();
    }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(object()->parent()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
};

class StatusLineAccessible final : public QAccessibleObject {
public:
    explicit StatusLineAccessible(StatusLine* line) : QAccessibleObject(line) {}

    QAccessible::Role role() const override { return QAccessible::StatusBar; }
    QAccessible::State state() const override { return {}; }
    QString text(QAccessible::Text) const override { return {}; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(object()->parent()); }
    int childCount() const override { return static_cast<int>(Line().notices.size()); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount()) return nullptr;
        return QAccessible::queryAccessibleInterface(Line().notices[static_cast<std::size_t>(index)]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto& notices = Line().notices;
        const auto found = std::find(notices.begin(), notices.end(), child ? child->object() : nullptr);
        return found == notices.end() ? -1 : static_cast<int>(found - notices.begin());
    }

private:
    const StatusLine& Line() const { return *static_cast<const StatusLine*>(object()); }
};

StatusLine* FindStatusLine(const QWidget* window) {
    return window->findChild<StatusLine*>(QString(), Qt::FindDirectChildrenOnly);
}

StatusLine* StatusLineOf(QWidget* window) {
    if (StatusLine* line = FindStatusLine(window)) return line;
    auto* line = new StatusLine(window);
    QAccessible::registerAccessibleInterface(new StatusLineAccessible(line));
    for (Notice* notice : line->notices) QAccessible::registerAccessibleInterface(new NoticeAccessible(notice));
    return line;
}

class WindowAccessible final : public QAccessibleWidget {
public:
    explicit WindowAccessible(QWidget* window) : QAccessibleWidget(window, QAccessible::Window) { StatusLineOf(window); }

    int childCount() const override { return QAccessibleWidget::childCount() + 1; }
    QAccessibleInterface* child(int index) const override {
        if (index == QAccessibleWidget::childCount()) return QAccessible::queryAccessibleInterface(StatusLineOf(widget()));
        return QAccessibleWidget::child(index);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (child && child->object() && child->object() == FindStatusLine(widget())) return QAccessibleWidget::childCount();
        return QAccessibleWidget::indexOfChild(child);
    }
};

// A prompt with its gap said as a word: "пр_тих" reads "пр, пропуск, тих", with a pause on either
// side, where a bare "_" is read "подчёркивание" or not at all; "свеж_" reads "свеж, пропуск".
QString SaidWithGap(const QString& prompt) {
    QString said = prompt.split(QLatin1Char('_')).join(QStringLiteral(", пропуск, ")).simplified();
    while (said.startsWith(QLatin1Char(','))) said = said.mid(1).trimmed();
    while (said.endsWith(QLatin1Char(','))) said.chop(1);
    return said;
}

// A value label with nothing in it is an empty box on the screen; said, it is a word.
const QString BlankValue = QStringLiteral("пусто");

using ReadingRow = std::vector<const ControlRow*>;

bool MiddleWithin(const ControlRow& a, const ControlRow& b) {
    const int middle = a.top + a.height / 2;
    return middle >= b.top && middle < b.top + b.height;
}

// The window's labels and text box in reading order: rows top to bottom, each left to right. Two
// controls share a row when the middle of one lies within the other's height, so that a value
// beside a heading of two lines is read with it.
std::vector<ReadingRow> ReadingRows(const FormLayout& layout) {
    ReadingRow texts;
    for (const ControlRow& row : layout.controls) {
        if (row.kind != Kind::Button) texts.push_back(&row);
    }
    std::stable_sort(texts.begin(), texts.end(), [](const ControlRow* a, const ControlRow* b) { return a->top < b->top; });
    std::vector<ReadingRow> rows;
    for (const ControlRow* control : texts) {
        const bool sameRow = !rows.empty() && (MiddleWithin(*control, *rows.back().front()) ||
                                               MiddleWithin(*rows.back().front(), *control));
        if (sameRow) {
            rows.back().push_back(control);
        } else {
            rows.push_back({control});
        }
    }
    for (ReadingRow& row : rows) {
        std::stable_sort(row.begin(), row.end(), [](const ControlRow* a, const ControlRow* b) { return a->left < b->left; });
    }
    return rows;
}

QString TextOf(const FormWindow& window, Control name) {
    const QWidget* control = window.Control(name);
    if (const auto* label = qobject_cast<const QLabel*>(control)) return label->text();
    if (const auto* box = qobject_cast<const QPlainTextEdit*>(control)) return box->toPlainText();
    return {};
}

std::map<Control, QString> Texts(const FormWindow& window) {
    std::map<Control, QString> texts;
    for (const ControlRow& row : window.Layout().controls) {
        if (row.kind != Kind::Button) texts[row.name] = TextOf(window, row.name);
    }
    return texts;
}

// The longest text said of one control. A pupil may paste a book into Luzema's sentence and check
// it: the label shows what fits, and the reader is given a few lines, not an hour of speech.
constexpr qsizetype MostSaid = 400;

QString Shortened(const QString& text) {
    if (text.size() <= MostSaid) return text;
    qsizetype cut = text.lastIndexOf(QLatin1Char(' '), MostSaid);
    if (cut <= 0) cut = text.at(MostSaid - 1).isHighSurrogate() ? MostSaid - 1 : MostSaid;
    return text.left(cut) + QStringLiteral("…");
}

// One phrase of sentences: the reader pauses after each, as the eye does at the end of a line.
QString Sentences(const QStringList& pieces) {
    QStringList sentences;
    for (const QString& piece : pieces) {
        QString sentence = Shortened(piece.simplified());
        if (sentence.isEmpty()) continue;
        if (!QStringLiteral(".!?…:;,").contains(sentence.back())) sentence += QLatin1Char('.');
        sentences << sentence;
    }
    return sentences.join(QLatin1Char(' '));
}

QString ChangePhrase(const FormWindow& window, const std::map<Control, QString>& before) {
    QStringList texts;
    QStringList counters;
    for (const ReadingRow& row : ReadingRows(window.Layout())) {
        for (const ControlRow* control : row) {
            const QString now = TextOf(window, control->name);
            if (now == before.at(control->name) || now.trimmed().isEmpty()) continue;
            if (const QString heading = window.Heading(control->name); !heading.isEmpty()) {
                counters << heading + QLatin1Char(' ') + now;
            } else {
                texts << (control->name == drill::PromptLabel ? SaidWithGap(now) : now);
            }
        }
    }
    return Sentences(texts + counters);
}

QString WindowPhrase(const FormWindow& window) {
    QStringList lines;
    for (const ReadingRow& row : ReadingRows(window.Layout())) {
        QStringList line;
        for (const ControlRow* control : row) {
            QString text = TextOf(window, control->name).simplified();
            if (text.isEmpty() && !window.Heading(control->name).isEmpty()) text = BlankValue;
            if (!text.isEmpty()) line << text;
        }
        if (!line.isEmpty()) lines << line.join(QLatin1Char(' '));
    }
    return Sentences(lines + window.PrintedLines());
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
        Announce(&window_, WindowPhrase(window_));
        deleteLater();
    }

    FormWindow& window_;
    bool read_ = false;
};

}  // namespace

QAccessibleInterface* MakeWindowAccessible(QWidget* window) { return new WindowAccessible(window); }

void Announce(QWidget* window, const QString& phrase) {
    if (!window || phrase.isEmpty() || !QAccessible::isActive()) return;
    StatusLine* line = StatusLineOf(window);
    Notice* notice = line->notices[line->next];
    line->next = (line->next + 1) % line->notices.size();
    notice->text = phrase;
    QAccessibleEvent shown(notice, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

void Announcer::PressStarting(const FormWindow& main) {
    // Without a listener a press costs nothing more.
    before_.reset();
    if (QAccessible::isActive()) before_ = Texts(main);
}

void Announcer::SayChanges(FormWindow& main) {
    if (!before_) return;
    const QString phrase = ChangePhrase(main, *before_);
    before_ = Texts(main);
    Announce(&main, phrase);
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
