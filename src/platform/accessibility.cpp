// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
#include "platform/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStatusBar>
#include <QTextBoundaryFinder>
#include <QVariant>
#include <QWidget>

#include "platform/language.h"
#include "platform/valuebar.h"

namespace platform {

namespace {

bool IsIgnored(const QObject *object)
{
    return object->property(AccessibleIgnored).toBool();
}

// A plain container or dialog that leaves out the children marked as ignored. The rest is as Qt
// lists them: child widgets in creation order, without windows.
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
            if (child && !child->isWindow() && !IsIgnored(child))
                children.append(child);
        }
        return children;
    }
};

// A text box as screen readers need it: the whole text in one attribute run (an empty run at each
// offset makes some readers drop the last character) and text by boundary answered here, since the
// general answer of Qt 6.4 never returns for a word at the end of the text.
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
        if (type == QAccessible::Value && !Box()->isReadOnly())
            Box()->setText(text);
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
        // From the text cursor, which the box places, by the advance of the characters in between.
        const QRect cursor = Box()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        const QFontMetrics metrics(Box()->font());
        const QString shown = Box()->displayText();
        const int at = Box()->cursorPosition();
        const auto x = [&](int position) {
            return cursor.x()
                + (position >= at ? metrics.horizontalAdvance(shown.mid(at, position - at))
                                  : -metrics.horizontalAdvance(shown.mid(position, at - position)));
        };
        const QRect local(x(offset), cursor.y(), x(offset + 1) - x(offset), cursor.height());
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

    // Editable text: what an assistive tool writes is not typed, so it is not filtered.
    void deleteText(int start, int end) override { replaceText(start, end, QString()); }
    void insertText(int offset, const QString &text) override { replaceText(offset, offset, text); }
    void replaceText(int start, int end, const QString &text) override
    {
        start = Clamped(start), end = Clamped(end);
        if (Box()->isReadOnly() || start > end)
            return;
        Box()->setText(Box()->text().replace(start, end - start, text));
    }

private:
    QLineEdit *Box() const { return static_cast<QLineEdit *>(widget()); }
    QString Shown() const { return Box()->echoMode() == QLineEdit::Normal ? Box()->text() : QString(); }
    int Clamped(int offset) const
    {
        return offset < 0 ? 0 : offset > characterCount() ? characterCount() : offset;
    }

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
// option from its label, which Qt makes the group box; a panel around it would be spoken again.
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

// A label that reads with the title of the group it stands in, as in "Appropriate weight (kg): 57 - 76".
class AccessibleTitledLabel : public QAccessibleWidget
{
public:
    explicit AccessibleTitledLabel(QLabel *label)
        : QAccessibleWidget(label, QAccessible::StaticText)
    { }
    QString text(QAccessible::Text type) const override
    {
        const auto *group = qobject_cast<const QGroupBox *>(widget()->parentWidget());
        if (type != QAccessible::Name || !group)
            return QAccessibleWidget::text(type);
        return Tr(QT_TRANSLATE_NOOP("Somatra", "%1: %2"))
            .arg(group->title(), static_cast<const QLabel *>(widget())->text());
    }
};

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
    if (auto *label = qobject_cast<QLabel *>(widget); label && widget->property(ReadWithGroupTitle).toBool())
        return new AccessibleTitledLabel(label);
    return nullptr;
}

} // namespace

void InstallAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(&Factory);
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
            const QString position
                = Tr(QT_TRANSLATE_NOOP("Somatra", "%1 of %2")).arg(i + 1).arg(options.size());
            const QString description = options[i]->accessibleDescription();
            options[i]->setAccessibleDescription(description.isEmpty()
                    ? position
                    : Tr(QT_TRANSLATE_NOOP("Somatra", "%1, %2")).arg(description, position));
        }
    }
}

Announcer::Announcer(QWidget *window)
    : m_window(window)
{
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    // Readers leave out the word "notification" inside a status bar. The bar never shows, so the
    // window's layout does not change.
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
