// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
#include "platform/a11y/bridgegate.h"

#include <QAccessible>
#if QT_CONFIG(accessibility_atspi_bridge)
#include <optional>

#include <QClipboard>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QGuiApplication>
#include <QHash>
#include <QXmlStreamReader>
#endif

namespace platform {

#if QT_CONFIG(accessibility_atspi_bridge)
namespace {

constexpr char kAccessiblePath[] = "/org/a11y/atspi/accessible"; // where the bridge serves every object

// Guards Qt's AT-SPI bridge, AtSpiAdaptor::handleMessage, which trusts every call: it reads arguments
// that a call does not carry, loops over any range it is given and sizes text to any length, so that
// any client on the bus can crash or freeze the program (docs/qt-issues.md, faults 1 to 8, measured
// on Qt 6.4.2 and 6.8.2). The gate takes its place on the accessibility bus and passes it a call only
// in the form that the bridge itself describes, with ranges inside the text, and answers here the calls
// that the bridge mishandles. Each check can go once the minimum Qt answers that call itself.
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
            // GetAll, where it reads a second argument that the call does not have (faults 1 and 2).
            const bool get = member == QLatin1String("Get") && signature == QLatin1String("ss");
            const bool set = member == QLatin1String("Set") && signature == QLatin1String("ssv");
            const auto access = get || set
                ? Described(call.path(), args[0].toString(), QLatin1Char(':') + args[1].toString())
                : std::nullopt;
            if (!access || (set && *access != QLatin1String("readwrite")))
                return refuse(get || set ? QDBusError::InvalidArgs : QDBusError::NotSupported);
            const bool handled = m_bridge->handleMessage(call, bus);
            // AtSpiAdaptor::applicationInterface keeps a new application id without answering (fault 3).
            if (handled && set && args[1].toString() == QLatin1String("Id"))
                bus.send(call.createReply());
            return handled;
        }
        // Methods as the bridge describes them. It also takes a property's name with Get or Set as a
        // method, and Set reads three arguments (fault 4).
        const auto expected = Described(call.path(), interface, QLatin1Char('.') + member);
        if (!expected ? !signature.isEmpty() || member.startsWith(QLatin1String("Set"))
                      : *expected != signature)
            return refuse(QDBusError::InvalidArgs);
        if (interface == QLatin1String("org.a11y.atspi.EditableText"))
            return Edit(object, call, bus);
        if (interface == QLatin1String("org.a11y.atspi.Value")
            && member == QLatin1String("SetCurrentValue")) {
            // AtSpiAdaptor::valueInterface takes the method for the property setter and reads a third
            // argument (fault 4).
            if (!object->valueInterface())
                return refuse(QDBusError::NotSupported);
            object->valueInterface()->setCurrentValue(args[0].toDouble());
            return bus.send(call.createReply());
        }
        if (interface == QLatin1String("org.a11y.atspi.Text")) {
            QAccessibleTextInterface *text = object->textInterface();
            // AtSpiAdaptor::textInterface answers with a type that it never registered with D-Bus, so
            // never (fault 5).
            if (member == QLatin1String("GetBoundedRanges"))
                return refuse(QDBusError::NotSupported);
            // The bridge asks for every character of the range, and never ends at the largest int
            // (fault 6).
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
    // true to every write (fault 8); writes nothing into an object without editable text, which the
    // bridge would hand to its replaceTextFallback; inserts no more than the text given, where
    // AtSpiAdaptor::editableTextInterface pads it to any length (fault 7).
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

} // namespace
#endif

void GuardTheBridge()
{
#if QT_CONFIG(accessibility_atspi_bridge)
    static BridgeWatch watch;
    QAccessible::installActivationObserver(&watch);
    watch.accessibilityActiveChanged(QAccessible::isActive());
#endif
}

} // namespace platform
