#include "platform/controls.h"

#include <cmath>
#include <utility>
#include <vector>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QObject>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QStyle>
#include <QWidget>

#include "platform/accessibility.h"

namespace platform {

int TwipsToPixels(double twips)
{
    return static_cast<int>(std::lround(twips / TwipsPerPixel));
}

namespace {

bool IsEdit(const QWidget *control)
{
    return qobject_cast<const QLineEdit *>(control) != nullptr
        || qobject_cast<const QPlainTextEdit *>(control) != nullptr;
}

// A palette that sets just this colour in this role, built once: the windows use a handful.
const QPalette &SingleRolePalette(QPalette::ColorRole role, const QColor &colour)
{
    static std::vector<std::pair<QPalette::ColorRole, QPalette>> built;
    for (const auto &[builtRole, palette] : built) {
        if (builtRole == role && palette.color(role) == colour)
            return palette;
    }
    QPalette palette;
    palette.setColor(role, colour);
    return built.emplace_back(role, palette).second;
}

void SetPaletteColour(QWidget *control, QPalette::ColorRole role, const QColor &colour)
{
    const QPalette &current = control->palette();
    if (current.color(role) == colour)
        return;
    // A control whose own palette sets nothing but this role gets the shared one-role palette, which
    // resolves to the same colours as a changed copy of its own, without the copy.
    const QPalette &single = SingleRolePalette(role, colour);
    if ((current.resolveMask() & ~single.resolveMask()) == 0) {
        control->setPalette(single);
        return;
    }
    QPalette palette = current;
    palette.setColor(role, colour);
    control->setPalette(palette);
}

} // namespace

void SetForeColor(QWidget *control, const QColor &colour)
{
    SetPaletteColour(control, IsEdit(control) ? QPalette::Text : QPalette::WindowText, colour);
}

void SetBackColor(QWidget *control, const QColor &colour)
{
    if (IsEdit(control)) {
        SetPaletteColour(control, QPalette::Base, colour);
        return;
    }
    SetPaletteColour(control, QPalette::Window, colour);
    if (!control->autoFillBackground())
        control->setAutoFillBackground(true);
}

void SetBoldFont(QWidget *control, std::optional<int> pointSize, QFont::StyleStrategy strategy)
{
    QFont font = control->font();
    font.setBold(true);
    if (pointSize)
        font.setPointSize(*pointSize);
    font.setStyleStrategy(strategy);
    if (font != control->font())
        control->setFont(font);
}

namespace {

class FontChangeSink : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *, QEvent *event) override { return event->type() == QEvent::FontChange; }
};

} // namespace

void KeepFontsUnlaidOut(QWidget *control)
{
    control->installEventFilter(new FontChangeSink(control));
}

bool SetWidthTwips(QWidget *control, std::optional<double> twips)
{
    // Beyond the largest widget size the pixel count would overflow: refused like a negative width.
    if (!twips || !std::isfinite(*twips) || *twips < 0 || *twips / TwipsPerPixel > QWIDGETSIZE_MAX)
        return false;
    const int width = TwipsToPixels(*twips);
    if (control->width() != width)
        control->resize(width, control->height());
    return true;
}

void SetText(QLineEdit *box, const QString &text)
{
    if (box->text() != text)
        box->setText(text);
}

void SetText(QPlainTextEdit *box, const QString &text)
{
    if (box->toPlainText() != text)
        box->setPlainText(text);
}

void SetCaption(QLabel *label, const QString &caption)
{
    if (label->text() == caption)
        return;
    label->setText(caption);
    NotifyNameChanged(label);
}

void SetTitle(QGroupBox *frame, const QString &title)
{
    if (frame->title() == title)
        return;
    frame->setTitle(title);
    NotifyNameChanged(frame);
}

void SetVisible(QWidget *control, bool visible)
{
    if (control->isHidden() == visible)
        control->setVisible(visible);
}

void SetListText(QComboBox *list, const QString &text)
{
    const int index = list->findText(text, Qt::MatchFixedString);
    if (index >= 0)
        list->setCurrentIndex(index);
}

std::optional<int> CharacterCode(const QKeyEvent &event)
{
    const Qt::KeyboardModifiers mods = event.modifiers();
    if ((mods & Qt::ControlModifier) && !(mods & (Qt::AltModifier | Qt::MetaModifier))
        && event.key() >= Qt::Key_A && event.key() <= Qt::Key_Z)
        return event.key() - Qt::Key_A + 1;
    const QString text = event.text();
    if (text.isEmpty())
        return std::nullopt;
    const int code = text.at(0).unicode();
    // Delete carries U+007F on some platforms but is an editing key, not a character.
    if (code == 0x7f)
        return std::nullopt;
    return code;
}

namespace {

class KeyPressHook : public QObject
{
public:
    KeyPressHook(QLineEdit *box, KeyPressHandler handler)
        : QObject(box)
        , m_box(box)
        , m_handler(std::move(handler))
    { }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != m_box)
            return false;
        if (event->type() == QEvent::InputMethod)
            return FilterComposedText(*static_cast<QInputMethodEvent *>(event));
        if (event->type() == QEvent::ShortcutOverride)
            return ClaimEditingKey(*static_cast<QKeyEvent *>(event));
        if (event->type() != QEvent::KeyPress)
            return false;
        const std::optional<int> typed = CharacterCode(*static_cast<QKeyEvent *>(event));
        if (!typed)
            return false;
        int code = *typed;
        m_handler(code, Kept());
        return code == 0;
    }

private:
    // The box's text without the selection that typing replaces.
    QString Kept() const
    {
        QString kept = m_box->text();
        if (m_box->hasSelectedText())
            kept.remove(m_box->selectionStart(), m_box->selectedText().size());
        return kept;
    }

    // A key that types or erases a character belongs to the box, not to a shortcut: the box claims it
    // as QLineEdit itself would, without first matching it against every standard key binding.
    static bool ClaimEditingKey(QKeyEvent &event)
    {
        const Qt::KeyboardModifiers modifiers = event.modifiers();
        if (modifiers != Qt::NoModifier && modifiers != Qt::ShiftModifier && modifiers != Qt::KeypadModifier)
            return false;
        const int key = event.key();
        if (key >= Qt::Key_Escape && key != Qt::Key_Backspace && key != Qt::Key_Delete)
            return false;
        event.accept();
        return true;
    }

    // Passes each committed character through the handler; when that changes anything, the box
    // gets the filtered commit in place of the original. The pre-edit text is not yet typed.
    bool FilterComposedText(const QInputMethodEvent &event)
    {
        const QString kept = Kept();
        QString accepted;
        bool changed = false;
        for (const QChar character : event.commitString()) {
            int code = character.unicode();
            m_handler(code, kept + accepted);
            changed = changed || code != character.unicode();
            if (code != 0)
                accepted += QChar(static_cast<char16_t>(code));
        }
        if (!changed)
            return false;
        QInputMethodEvent filtered(event.preeditString(), event.attributes());
        filtered.setCommitString(accepted, event.replacementStart(), event.replacementLength());
        QCoreApplication::sendEvent(m_box, &filtered);
        return true;
    }

    QLineEdit *m_box;
    KeyPressHandler m_handler;
};

// Keyboard use of a menu bar whose items have no menus: Qt moves the highlight with the arrow keys;
// choosing and leaving are done here, so that the focus goes back where it came from.
class MenuBarKeyboard : public QObject
{
public:
    static constexpr char kName[] = "MenuBarKeyboard";

    explicit MenuBarKeyboard(QMenuBar *bar)
        : QObject(bar)
        , m_bar(bar)
    {
        setObjectName(QLatin1String(kName));
        bar->installEventFilter(this);
    }

    void Enter()
    {
        if (m_bar->actions().isEmpty())
            return;
        if (QWidget *focus = QApplication::focusWidget(); focus != m_bar)
            m_previous = focus;
        m_bar->setFocus(Qt::MenuBarFocusReason);
        m_bar->setActiveAction(m_bar->actions().constFirst());
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress || !m_bar->hasFocus())
            return false;
        switch (static_cast<QKeyEvent *>(event)->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            if (QAction *chosen = m_bar->activeAction(); chosen && !chosen->menu()) {
                Leave();
                chosen->trigger();
                return true;
            }
            return false;
        case Qt::Key_Escape:
            Leave();
            return true;
        default:
            return false;
        }
    }

private:
    void Leave()
    {
        m_bar->setActiveAction(nullptr);
        if (m_previous)
            m_previous->setFocus(Qt::MenuBarFocusReason);
        else
            m_bar->clearFocus();
    }

    QMenuBar *m_bar;
    QPointer<QWidget> m_previous;
};

} // namespace

void EnterMenuBar(QMenuBar *bar)
{
    // Without Q_OBJECT the helper is found by its name, not its type.
    auto *keyboard = static_cast<MenuBarKeyboard *>(
        bar->findChild<QObject *>(QLatin1String(MenuBarKeyboard::kName), Qt::FindDirectChildrenOnly));
    if (!keyboard)
        keyboard = new MenuBarKeyboard(bar);
    keyboard->Enter();
}

void InstallKeyPressHook(QLineEdit *box, KeyPressHandler handler)
{
    box->installEventFilter(new KeyPressHook(box, std::move(handler)));
}

QStringList WrapAtSpaces(const QString &text, const QFontMetrics &metrics, int width)
{
    QStringList lines;
    QString line;
    for (const QString &word : text.split(QLatin1Char(' '))) {
        const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (line.isEmpty() || metrics.horizontalAdvance(longer) <= width) {
            line = longer;
        } else {
            lines.append(line);
            line = word;
        }
    }
    if (!line.isEmpty() || lines.isEmpty())
        lines.append(line);
    return lines;
}

void SpaceWrapLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect area = contentsRect();
    const Qt::Alignment alignment = QStyle::visualAlignment(layoutDirection(), this->alignment());
    style()->drawItemText(&painter, area, int(alignment), palette(), isEnabled(),
        WrapAtSpaces(text(), fontMetrics(), area.width()).join(QLatin1Char('\n')), foregroundRole());
}

void Line::paintEvent(QPaintEvent *)
{
    // At a whole scale the line is one device pixel thick, along its top or left edge. At a fractional
    // scale it fills its whole area: a thinner fill can fall on a device row outside the widget's clip.
    QRectF area = rect();
    const qreal ratio = devicePixelRatioF();
    if (ratio == std::floor(ratio)) {
        if (width() >= height())
            area.setHeight(1 / ratio);
        else
            area.setWidth(1 / ratio);
    }
    QPainter painter(this);
    painter.fillRect(area, palette().color(QPalette::WindowText));
}

void DigitsOnly(int &keyAscii, QStringView)
{
    if (keyAscii <= 26)
        return;
    if (keyAscii < '0' || keyAscii > '9')
        keyAscii = 0;
}

void DigitsAndOnePoint(int &keyAscii, QStringView kept)
{
    if (keyAscii == '.' && !kept.contains(QLatin1Char('.')))
        return;
    DigitsOnly(keyAscii);
}

} // namespace platform
