#include "windows/status_line.h"

#include <QAccessible>
#include <QAccessibleObject>
#include <QAccessibleWidget>

#include <algorithm>
#include <array>

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

QAccessibleInterface* WindowAccessibleFactory(const QString& className, QObject* object) {
    if (className != QLatin1String(FormWindow::staticMetaObject.className())) return nullptr;
    return new WindowAccessible(static_cast<QWidget*>(object));
}

}  // namespace

void InstallWindowAccessibility() { QAccessible::installFactory(&WindowAccessibleFactory); }

void Announce(QWidget* window, const QString& phrase) {
    if (!window || phrase.isEmpty() || !QAccessible::isActive()) return;
    StatusLine* line = StatusLineOf(window);
    Notice* notice = line->notices[line->next];
    line->next = (line->next + 1) % line->notices.size();
    notice->text = phrase;
    QAccessibleEvent shown(notice, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

}  // namespace drillwin

#include "status_line.moc"
