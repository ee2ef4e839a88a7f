// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
#include "platform/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QRadioButton>
#include <QStatusBar>
#include <QTextBoundaryFinder>
#include <QVariant>
#include <QWidget>
#if QT_CONFIG(accessibility_atspi_bridge)
#include <optional>

#include <QClipboard>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QGuiApplication>
#include <QHash>
#include <QXmlStreamReader>
#endif

#include "platform/language.h"
#include "platform/valuebar.h"

namespace platform {

namespace {

Q_LOGGING_CATEGORY(lcAnnouncements, "somatra.announcements", QtWarningMsg)

bool IsIgnored(const QObject *object)
{
    return object->property(AccessibleIgnored).toBool();
}

// A plain container or dialog that leaves out the children marked as ignored and those hidden while
// the program runs (the inches box in metric units). The rest is as Qt lists them: child widgets in
// creation order, without windows. Replaces Qt's own container interface (6.4 to 6.8), which lists
// every child widget, hidden ones included, and knows no control to leave out.
class FilteringContainer : public QAccessibleWidget
{
public:
    using QAccessibleWidget::QAccessibleWidget;

    int childCount() const override { return int(Exposed().size()); }
    QAccessibleInterface *child(int index) const override
    {
        const QList<QWidget *> children = Exposed();
        return index >= 0 && index < children.size() ? QAccessible::queryAccessibleInterface(children[index])
                                                     : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child ? int(Exposed().indexOf(qobject_cast<QWidget *>(child->object()))) : -1;
    }

private:
    QList<QWidget *> Exposed() const
    {
        QList<QWidget *> children;
        for (QObject *object : widget()->children()) {
            auto *child = qobject_cast<QWidget *>(object);
            if (child && !child->isWindow() && !child->isHidden() && !IsIgnored(child))
                children.append(child);
        }
        return children;
    }
};

// A text box as screen readers need it. Replaces Qt's QAccessibleLineEdit (6.4 to 6.8): its attribute
// runs are empty at each offset, which makes some readers drop the last character; its writes set the
// text whole, past the box's validator and undo; and on 6.4 its general answer for a word at the end of
// the text never returns (the 6.8 answer was not checked against readers, so the interface stays for
// every version).
class AccessibleLineEdit : public QAccessibleWidget,
                           public QAccessibleTextInterface,
                           public QAccessibleEditableTextInterface
{
public:
    explicit AccessibleLineEdit(QLineEdit *box)
        : QAccessibleWidget(box, QAccessible::EditableText)
    { }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        if (type == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text type) const override
    {
        return type == QAccessible::Value ? Shown() : QAccessibleWidget::text(type);
    }
    void setText(QAccessible::Text type, const QString &text) override
    {
        if (type == QAccessible::Value)
            replaceText(0, characterCount(), text);
        else
            QAccessibleWidget::setText(type, text);
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = Box()->isReadOnly();
        state.editable = !Box()->isReadOnly();
        state.selectableText = true;
        state.passwordEdit = Box()->echoMode() != QLineEdit::Normal;
        return state;
    }

    // Text
    void selection(int index, int *start, int *end) const override
    {
        *start = *end = 0;
        if (index == 0 && Box()->hasSelectedText()) {
            *start = Box()->selectionStart();
            *end = Box()->selectionEnd();
        }
    }
    int selectionCount() const override { return Box()->hasSelectedText() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int) override { Box()->deselect(); }
    void setSelection(int, int start, int end) override
    {
        start = Clamped(start), end = Clamped(end);
        Box()->setSelection(start, end - start);
    }
    int cursorPosition() const override { return Box()->cursorPosition(); }
    void setCursorPosition(int position) override { Box()->setCursorPosition(Clamped(position)); }
    QString text(int start, int end) const override
    {
        start = Clamped(start), end = Clamped(end);
        return start < end ? Shown().mid(start, end - start) : QString();
    }
    int characterCount() const override { return int(Shown().size()); }
    QRect characterRect(int offset) const override
    {
        if (offset < 0 || offset >= characterCount())
            return {};
        const QString shown = Box()->displayText();
        const int at = Box()->cursorPosition();
        if (shown != m_measured || at != m_measuredAt || Box()->font() != m_measuredFont)
            Measure(shown, at);
        const QRect local(m_left + qRound(m_advance[offset]), m_top,
            qRound(m_advance[offset + 1]) - qRound(m_advance[offset]), m_height);
        return QRect(Box()->mapToGlobal(local.topLeft()), local.size());
    }
    int offsetAtPoint(const QPoint &point) const override
    {
        const QPoint local = Box()->mapFromGlobal(point);
        return Box()->rect().contains(local) ? Box()->cursorPositionAt(local) : -1;
    }
    void scrollToSubstring(int start, int) override { setCursorPosition(start); }
    QString attributes(int, int *start, int *end) const override
    {
        *start = 0;
        *end = characterCount();
        return QString();
    }
    QString textBeforeOffset(
        int offset, QAccessible::TextBoundaryType type, int *start, int *end) const override
    {
        return Piece(offset, type, -1, start, end);
    }
    QString textAtOffset(int offset, QAccessible::TextBoundaryType type, int *start, int *end) const override
    {
        return Piece(offset, type, 0, start, end);
    }
    QString textAfterOffset(
        int offset, QAccessible::TextBoundaryType type, int *start, int *end) const override
    {
        return Piece(offset, type, 1, start, end);
    }

    // Editable text: what an assistive tool writes is a paste into the box, through its own editing, so
    // that its validator, length limit and undo apply; a box that does not show or take typing keeps
    // its text.
    void deleteText(int start, int end) override { replaceText(start, end, QString()); }
    void insertText(int offset, const QString &text) override { replaceText(offset, offset, text); }
    void replaceText(int start, int end, const QString &text) override
    {
        QLineEdit *box = Box();
        start = Clamped(start), end = Clamped(end);
        if (box->isReadOnly() || !box->isEnabled() || !box->isVisible() || start > end)
            return;
        box->setSelection(start, end - start);
        if (!text.isEmpty())
            box->insert(text);
        else if (start < end)
            box->del();
    }

private:
    QLineEdit *Box() const { return static_cast<QLineEdit *>(widget()); }
    QString Shown() const { return Box()->echoMode() == QLineEdit::Normal ? Box()->text() : QString(); }
    int Clamped(int offset) const
    {
        return offset < 0 ? 0 : offset > characterCount() ? characterCount() : offset;
    }

    // The advance of the characters before each offset, from the text cursor that the box places:
    // measured once per text and cursor, so that a range of characters costs one measure.
    void Measure(const QString &shown, int at) const
    {
        const QFontMetricsF metrics(Box()->font());
        m_advance.resize(shown.size() + 1);
        m_advance[0] = 0;
        for (qsizetype i = 0; i < shown.size(); ++i)
            m_advance[i + 1] = m_advance[i] + metrics.horizontalAdvance(shown[i]);
        const QRect cursor = Box()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        m_left = cursor.x() - qRound(m_advance[at]);
        m_top = cursor.y();
        m_height = cursor.height();
        m_measured = shown;
        m_measuredAt = at;
        m_measuredFont = Box()->font();
    }
    mutable QString m_measured;
    mutable int m_measuredAt = -1;
    mutable QFont m_measuredFont;
    mutable QList<qreal> m_advance;
    mutable int m_left = 0, m_top = 0, m_height = 0;

    // The piece of the text before, at or after offset (step -1, 0, 1) for a boundary type. A box
    // holds one line, so lines, sentences and paragraphs are the whole text.
    QString Piece(int offset, QAccessible::TextBoundaryType type, int step, int *start, int *end) const
    {
        const QString shown = Shown();
        const int size = int(shown.size());
        *start = *end = -1;
        if (offset == -2) // the cursor, as the interface allows
            offset = cursorPosition();
        if (offset < 0 || offset > size)
            return QString();
        QList<int> bounds { 0 };
        if (type == QAccessible::CharBoundary) {
            for (int i = 1; i <= size; ++i)
                bounds.append(i);
        } else if (type == QAccessible::WordBoundary) {
            QTextBoundaryFinder words(QTextBoundaryFinder::Word, shown);
            for (qsizetype next = words.toNextBoundary(); next > bounds.last() && next <= size;
                 next = words.toNextBoundary())
                bounds.append(int(next));
        }
        if (bounds.last() != size)
            bounds.append(size);
        // The piece that holds offset; at the end of the text, the last piece.
        qsizetype piece = 0;
        while (piece + 2 < bounds.size() && bounds[piece + 1] <= offset)
            ++piece;
        if (type == QAccessible::CharBoundary && offset == size)
            piece = bounds.size() - 1; // past the last character: no character
        piece += step;
        if (piece < 0 || piece + 1 >= bounds.size()) {
            *start = *end = step < 0 ? 0 : size;
            return QString();
        }
        *start = bounds[piece];
        *end = bounds[piece + 1];
        return shown.mid(*start, *end - *start);
    }
};

// A group box of options reads as a section named by its title. Screen readers name the group of an
// option from its label, which Qt makes the group box; the grouping role that Qt gives a QGroupBox
// (6.4 to 6.8) would be spoken as a panel around it again.
class AccessibleOptionGroup : public QAccessibleWidget
{
public:
    explicit AccessibleOptionGroup(QGroupBox *group)
        : QAccessibleWidget(group, QAccessible::Section)
    { }
    QString text(QAccessible::Text type) const override
    {
        if (type != QAccessible::Name || !widget()->accessibleName().isEmpty())
            return QAccessibleWidget::text(type);
        return static_cast<const QGroupBox *>(widget())->title().trimmed();
    }
};

bool HoldsOptions(const QWidget *group)
{
    return group->findChild<QRadioButton *>(QString(), Qt::FindDirectChildrenOnly) != nullptr;
}

// The label that carries a spoken notice: a notification, which screen readers speak when it is said
// to show, wherever the focus is.
constexpr char kNotice[] = "somatraNotice";

class AccessibleNotice : public QAccessibleWidget
{
public:
    explicit AccessibleNotice(QLabel *label)
        : QAccessibleWidget(label, QAccessible::Notification)
    { }
    QString text(QAccessible::Text type) const override
    {
        return type == QAccessible::Name ? static_cast<const QLabel *>(widget())->text()
                                         : QAccessibleWidget::text(type);
    }
};

QAccessibleInterface *Factory(const QString &className, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return nullptr;
    // Qt asks with each class name from the most derived up; these are the roles that it would give.
    if (className == QLatin1String("QWidget"))
        return new FilteringContainer(widget, QAccessible::Client);
    if (className == QLatin1String("QDialog"))
        return new FilteringContainer(widget, QAccessible::Dialog);
    if (auto *bar = qobject_cast<ValueBar *>(widget))
        return NewAccessibleValueBar(bar);
    if (auto *group = qobject_cast<QGroupBox *>(widget); group && HoldsOptions(group))
        return new AccessibleOptionGroup(group);
    if (auto *box = qobject_cast<QLineEdit *>(widget); box && className == QLatin1String("QLineEdit"))
        return new AccessibleLineEdit(box);
    if (auto *label = qobject_cast<QLabel *>(widget); label && widget->property(kNotice).toBool())
        return new AccessibleNotice(label);
    return nullptr;
}

#if QT_CONFIG(accessibility_atspi_bridge)
constexpr char kAccessiblePath[] = "/org/a11y/atspi/accessible"; // where the bridge serves every object

// Qt's AT-SPI bridge (src/gui/accessible/linux/atspiadaptor.cpp, Qt 6.4 to 6.8 alike, unchanged in
// Qt's current sources; the lines below are those of 6.4.2) trusts every call: it reads arguments that
// a call does not carry, loops over any range it is given and sizes text to any length. The gate takes
// its place on the accessibility bus and passes it a call only in the form that the bridge itself
// describes, with ranges inside the text, and answers here the calls that the bridge mishandles.
class BridgeGate : public QDBusVirtualObject
{
public:
    explicit BridgeGate(QDBusVirtualObject *bridge)
        : QDBusVirtualObject(bridge)
        , m_bridge(bridge)
    { }
    QString introspect(const QString &path) const override { return m_bridge->introspect(path); }

    bool handleMessage(const QDBusMessage &call, const QDBusConnection &bus) override
    {
        const QString interface = call.interface(), member = call.member(), signature = call.signature();
        QAccessibleInterface *object = Object(call.path());
        if (interface == QLatin1String("org.freedesktop.DBus.Introspectable") || !object)
            return false; // Qt answers: the introspection, or no such object
        const QList<QVariant> args = call.arguments();
        const auto refuse
            = [&](QDBusError::ErrorType error) { return bus.send(call.createErrorReply(error, member)); };
        if (interface == QLatin1String("org.freedesktop.DBus.Properties")) {
            // Only the properties that the bridge describes, since it answers Get and Set of any name
            // with the method of that name, which reads arguments that the call does not carry; no
            // GetAll, where it reads a second argument that the call does not have (line 1236).
            const bool get = member == QLatin1String("Get") && signature == QLatin1String("ss");
            const bool set = member == QLatin1String("Set") && signature == QLatin1String("ssv");
            const auto access = get || set
                ? Described(call.path(), args[0].toString(), QLatin1Char(':') + args[1].toString())
                : std::nullopt;
            if (!access || (set && *access != QLatin1String("readwrite")))
                return refuse(get || set ? QDBusError::InvalidArgs : QDBusError::NotSupported);
            const bool handled = m_bridge->handleMessage(call, bus);
            // The bridge keeps a new application id without answering (line 1273).
            if (handled && set && args[1].toString() == QLatin1String("Id"))
                bus.send(call.createReply());
            return handled;
        }
        // Methods as the bridge describes them. It also takes a property's name with Get or Set as a
        // method, and Set reads three arguments (SetId at line 1271).
        const auto expected = Described(call.path(), interface, QLatin1Char('.') + member);
        if (!expected ? !signature.isEmpty() || member.startsWith(QLatin1String("Set"))
                      : *expected != signature)
            return refuse(QDBusError::InvalidArgs);
        if (interface == QLatin1String("org.a11y.atspi.EditableText"))
            return Edit(object, call, bus);
        if (interface == QLatin1String("org.a11y.atspi.Value")
            && member == QLatin1String("SetCurrentValue")) {
            // The bridge takes the method for the property setter and reads a third argument (line 2189).
            if (!object->valueInterface())
                return refuse(QDBusError::NotSupported);
            object->valueInterface()->setCurrentValue(args[0].toDouble());
            return bus.send(call.createReply());
        }
        if (interface == QLatin1String("org.a11y.atspi.Text")) {
            QAccessibleTextInterface *text = object->textInterface();
            // The bridge answers with a type that it never registered with D-Bus, so never (line 1783;
            // qspi_struct_marshallers.cpp registers no QSpiTextRangeList).
            if (member == QLatin1String("GetBoundedRanges"))
                return refuse(QDBusError::NotSupported);
            // The bridge asks for every character of the range, and never ends at the largest int
            // (line 2069).
            if (member == QLatin1String("GetRangeExtents") && text
                && (args[0].toInt() < 0 || args[1].toInt() < -1 || args[1].toInt() > text->characterCount()))
                return refuse(QDBusError::InvalidArgs);
        }
        return m_bridge->handleMessage(call, bus);
    }

private:
    static QAccessibleInterface *Object(const QString &path)
    {
        const QString prefix = QLatin1String(kAccessiblePath) + QLatin1Char('/');
        if (path == prefix + QLatin1String("root"))
            return QAccessible::queryAccessibleInterface(qApp);
        bool valid = false;
        const uint id = path.startsWith(prefix) ? QStringView(path).mid(prefix.size()).toUInt(&valid) : 0;
        QAccessibleInterface *object = valid ? QAccessible::accessibleInterface(id) : nullptr;
        return object && object->isValid() ? object : nullptr;
    }

    // What the bridge's introspection says of a method (".Name": its arguments) or a property
    // (":Name": read or readwrite) of an interface, read once for each interface that an object has.
    std::optional<QString> Described(const QString &path, const QString &interface, const QString &member)
    {
        if (!m_described.contains(interface)) {
            QXmlStreamReader xml(
                QLatin1String("<node>") + m_bridge->introspect(path) + QLatin1String("</node>"));
            QString at, method;
            while (!xml.atEnd()) {
                if (xml.readNext() != QXmlStreamReader::StartElement)
                    continue;
                const QXmlStreamAttributes attributes = xml.attributes();
                const QString name = attributes.value(QLatin1String("name")).toString();
                if (xml.name() == QLatin1String("interface"))
                    m_described.insert(at = name, QString());
                else if (xml.name() == QLatin1String("method"))
                    m_described[method = at + QLatin1Char('.') + name] = QString();
                else if (xml.name() == QLatin1String("property"))
                    m_described[at + QLatin1Char(':') + name]
                        = attributes.value(QLatin1String("access")).toString();
                else if (xml.name() == QLatin1String("arg")
                    && attributes.value(QLatin1String("direction")) != QLatin1String("out"))
                    m_described[method] += attributes.value(QLatin1String("type"));
            }
        }
        const auto found = m_described.constFind(interface + member);
        return found == m_described.cend() ? std::nullopt : std::optional<QString>(*found);
    }

    // Editable text as a paste into the box. Reports whether the text changed, where the bridge says
    // true to every write; writes nothing into an object without editable text, where the bridge would
    // replace its whole value (line 2112); inserts no more than the text given, where the bridge pads
    // it to any length (line 2149).
    static bool Edit(QAccessibleInterface *object, const QDBusMessage &call, const QDBusConnection &bus)
    {
        QAccessibleTextInterface *text = object->textInterface();
        QAccessibleEditableTextInterface *edit = text ? object->editableTextInterface() : nullptr;
        const QString member = call.member();
        const QList<QVariant> args = call.arguments();
        const int count = text ? text->characterCount() : 0;
        const int start = qBound(0, args.value(0).toInt(), count), last = args.value(1).toInt();
        const int end = last == -1 ? count : qBound(start, last, count);
        if (member == QLatin1String("CopyText")) {
            if (text)
                QGuiApplication::clipboard()->setText(text->text(start, end));
            return bus.send(call.createReply());
        }
        if (!edit)
            return bus.send(call.createReply(false));
        const QString before = text->text(0, count);
        if (member == QLatin1String("SetTextContents")) {
            edit->replaceText(0, count, args[0].toString());
        } else if (member == QLatin1String("InsertText")) {
            const QString inserted = args[1].toString();
            edit->insertText(start, args[2].toInt() >= 0 ? inserted.left(args[2].toInt()) : inserted);
        } else if (member == QLatin1String("PasteText")) {
            edit->insertText(start, QGuiApplication::clipboard()->text());
        } else {
            edit->deleteText(start, end);
        }
        const bool changed = text->text(0, text->characterCount()) != before;
        if (changed && member == QLatin1String("CutText"))
            QGuiApplication::clipboard()->setText(before.mid(start, end - start));
        return bus.send(call.createReply(changed));
    }

    QDBusVirtualObject *m_bridge;
    QHash<QString, QString> m_described; // interfaces, methods and properties
};

// Puts the gate in front of the bridge once the bridge has registered on the accessibility bus, on
// the connection that Qt names "a11y".
void GuardBridge()
{
    QDBusConnection bus(QStringLiteral("a11y"));
    auto *bridge = qobject_cast<QDBusVirtualObject *>(
        bus.isConnected() ? bus.objectRegisteredAt(QLatin1String(kAccessiblePath)) : nullptr);
    if (!bridge || dynamic_cast<BridgeGate *>(bridge))
        return;
    bus.unregisterObject(QLatin1String(kAccessiblePath));
    bus.registerVirtualObject(
        QLatin1String(kAccessiblePath), new BridgeGate(bridge), QDBusConnection::SubPath);
}

// The bridge registers right after it tells that accessibility is active.
class BridgeWatch : public QAccessible::ActivationObserver
{
public:
    void accessibilityActiveChanged(bool active) override
    {
        if (active)
            QMetaObject::invokeMethod(QCoreApplication::instance(), &GuardBridge, Qt::QueuedConnection);
    }
};
#endif

} // namespace

void InstallAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(&Factory);
#if QT_CONFIG(accessibility_atspi_bridge)
        static BridgeWatch watch;
        QAccessible::installActivationObserver(&watch);
        watch.accessibilityActiveChanged(QAccessible::isActive());
#endif
        return true;
    }();
    (void)installed;
}

void NotifyNameChanged(QWidget *control)
{
    if (!control->accessibleName().isEmpty() || !QAccessible::isActive())
        return;
    QAccessibleEvent event(control, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

void DescribePositionsInGroups(QWidget *root)
{
    for (QGroupBox *group : root->findChildren<QGroupBox *>()) {
        const QList<QRadioButton *> options = group->findChildren<QRadioButton *>(Qt::FindDirectChildrenOnly);
        for (qsizetype i = 0; i < options.size(); ++i) {
            //: Spoken after an option's name: its place in its group, as in "2 of 3".
            const QString position
                = Tr(QT_TRANSLATE_NOOP("Somatra", "%1 of %2")).arg(i + 1).arg(options.size());
            const QString description = options[i]->accessibleDescription();
            options[i]->setAccessibleDescription(description.isEmpty()
                    ? position
                    //: Spoken joins: %1 and %2 said one after the other, as a list; also an option's
                    //: description followed by its place in its group.
                    : Tr(QT_TRANSLATE_NOOP("Somatra", "%1, %2")).arg(description, position));
        }
    }
}

Announcer::Announcer(QWidget *window)
    : m_window(window)
{
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    // Qt has accessibility announcements (QAccessibleAnnouncementEvent) from 6.8 on; before, a notice
    // stands in for them. Readers leave out the word "notification" inside a status bar. The bar never
    // shows, so the window's layout does not change.
    auto *bar = new QStatusBar(window);
    bar->setObjectName(QStringLiteral("notices"));
    bar->setSizeGripEnabled(false);
    bar->hide();
    // Marked before it joins the tree, since the accessible interface of a widget is made once.
    m_notice = new QLabel;
    m_notice->setProperty(kNotice, true);
    m_notice->setParent(bar);
    m_notice->hide();
#endif
}

void Announcer::Announce(const QString &text)
{
    // What a screen reader is told, for whoever checks it: QT_LOGGING_RULES=somatra.announcements.debug=true
    qCDebug(lcAnnouncements).noquote() << text;
    if (!m_window || text.isEmpty() || !QAccessible::isActive())
        return;
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // Screen readers that take announcements say the text alone, without calling it a notification.
    QAccessibleAnnouncementEvent announced(m_window, text);
    QAccessible::updateAccessibility(&announced);
#else
    if (!m_notice)
        return;
    m_notice->setText(text);
    QAccessibleEvent shown(m_notice, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
#endif
}

} // namespace platform
