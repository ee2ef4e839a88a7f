// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
// The accessible interfaces that take the place of Qt's own for containers, text boxes and groups of
// options.
#include "platform/qtfixes/accessible.h"

#include <QAccessibleWidget>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTextBoundaryFinder>
#include <QVariant>

#include "platform/a11y/accessibility.h"

namespace platform {

namespace {

// A plain container or dialog that leaves out the children marked as ignored and those hidden while
// the program runs (the inches box in metric units). The rest is as Qt lists them: child widgets in
// creation order, without windows. Replaces QAccessibleWidget's child list, which holds every child
// widget, hidden ones included (without their visible state: readers that walk the children read
// them anyway), and knows no control to leave out; Qt 6.4.2 and 6.8.2 alike. It stays while Qt has no
// way to leave a widget out of the tree.
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
            if (child && !child->isWindow() && !child->isHidden()
                && !child->property(AccessibleIgnored).toBool())
                children.append(child);
        }
        return children;
    }
};

// A text box as screen readers need it. Replaces Qt's QAccessibleLineEdit, which on Qt 6.4.2 and 6.8.2
// (docs/qt-issues.md, faults 9 to 11) gives an empty attribute run at each offset, which makes some
// readers drop the last character; writes the text whole, past the box's validator, read-only state
// and undo; and never returns from textAtOffset for the word at the end of the text. It goes when the
// minimum Qt has none of the three.
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
// option from its label, which Qt makes the group box; the Grouping role of QAccessibleGroupBox (Qt
// 6.4.2 and 6.8.2) would be spoken once more, as a panel around it. It stays while Qt gives group
// boxes that role.
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

} // namespace

QAccessibleInterface *ReplacedInterface(const QString &className, QWidget *widget)
{
    // Qt asks with each class name from the most derived up; these are the roles that it would give.
    if (className == QLatin1String("QWidget"))
        return new FilteringContainer(widget, QAccessible::Client);
    if (className == QLatin1String("QDialog"))
        return new FilteringContainer(widget, QAccessible::Dialog);
    if (auto *group = qobject_cast<QGroupBox *>(widget); group && HoldsOptions(group))
        return new AccessibleOptionGroup(group);
    if (auto *box = qobject_cast<QLineEdit *>(widget); box && className == QLatin1String("QLineEdit"))
        return new AccessibleLineEdit(box);
    return nullptr;
}

} // namespace platform
