// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
#include "platform/keys.h"

#include <algorithm>
#include <utility>

#include <QCoreApplication>
#include <QEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QObject>
#include <QValidator>

#include "calc/calc.h"
#include "platform/locale.h"

namespace platform {

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

// The box that is handling a key its hook let through; one thread delivers every key.
const QLineEdit *typingBox = nullptr;

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
        // QApplication::notify sends a key press that is not spontaneous, as the one Type() passes on,
        // through a ShortcutOverride again, so that replayed keys reach shortcuts (Qt 6.4 to 6.8).
        if (event->type() == QEvent::ShortcutOverride)
            return ClaimEditingKey(*static_cast<QKeyEvent *>(event));
        if (typingBox == m_box)
            return false;
        if (event->type() == QEvent::InputMethod)
            return FilterComposedText(*static_cast<QInputMethodEvent *>(event));
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto &key = *static_cast<QKeyEvent *>(event);
        const std::optional<int> typed = CharacterCode(key);
        if (typed) {
            int code = *typed;
            m_handler(code, Kept());
            if (code == 0)
                return true;
        }
        // Pasted text is read as pasted; every other edit a key makes is typing.
        if (IsPaste(key, typed))
            return false;
        Type(event);
        return true;
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
    // as QLineEdit itself would, without first matching it against every standard key binding, as
    // QWidgetLineControl::processShortcutOverrideEvent does for each key (Qt 6.4 to 6.8). Keys with
    // other modifiers go on to QLineEdit's own answer.
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
    bool FilterComposedText(QInputMethodEvent &event)
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
        if (!changed) {
            Type(&event);
            return true;
        }
        QInputMethodEvent filtered(event.preeditString(), event.attributes());
        filtered.setCommitString(accepted, event.replacementStart(), event.replacementLength());
        Type(&filtered);
        return true;
    }

    // The keys of QKeySequence::Paste on every platform, without matching the key against every
    // standard binding as QKeyEvent::matches does (a third of what a keystroke costs).
    static bool IsPaste(const QKeyEvent &key, std::optional<int> typed)
    {
        const auto control = key.modifiers() & (Qt::ControlModifier | Qt::MetaModifier | Qt::AltModifier);
        return typed == 'V' - 'A' + 1 || key.key() == Qt::Key_Paste
            || (key.key() == Qt::Key_Insert && control == Qt::NoModifier
                && (key.modifiers() & Qt::ShiftModifier));
    }

    // The box handles the event while it counts as typing. Sent to the box, a key it ignores goes on
    // to its parents from there; accepted, it does not go to them a second time.
    void Type(QEvent *event)
    {
        const QLineEdit *outer = std::exchange(typingBox, m_box);
        QCoreApplication::sendEvent(m_box, event);
        typingBox = outer;
        event->accept();
    }

    QLineEdit *m_box;
    KeyPressHandler m_handler;
};

} // namespace

void InstallKeyPressHook(QLineEdit *box, KeyPressHandler handler)
{
    box->installEventFilter(new KeyPressHook(box, std::move(handler)));
}

void DigitsOnly(int &keyAscii, QStringView)
{
    if (keyAscii <= 26)
        return;
    if (keyAscii < '0' || keyAscii > '9')
        keyAscii = 0;
}

bool IsTyping(const QLineEdit *box)
{
    return typingBox == box;
}

void DigitsAndOneDecimal(int &keyAscii, QStringView kept)
{
    const QString localeDecimal = QLocale().decimalPoint();
    const auto isDecimal = [&localeDecimal](QChar c) {
        return c == QLatin1Char('.') || (localeDecimal.size() == 1 && c == localeDecimal.front());
    };
    if (keyAscii > 26 && keyAscii <= 0xffff && isDecimal(QChar(char16_t(keyAscii)))
        && std::none_of(kept.begin(), kept.end(), isDecimal))
        return;
    DigitsOnly(keyAscii);
}

namespace {

class PasteReader : public QValidator
{
public:
    explicit PasteReader(QLineEdit *box)
        : QValidator(box)
        , m_box(box)
    { }

    State validate(QString &input, int &position) const override
    {
        if (IsTyping(m_box) || input.isEmpty())
            return Acceptable;
        const std::optional<std::string> typed
            = calc::TypedFormOfPaste(input.toStdString(), LocaleSeparators());
        if (!typed)
            return Invalid;
        const qsizetype fromEnd = input.size() - position;
        input = QString::fromStdString(*typed);
        position = int(std::clamp<qsizetype>(input.size() - fromEnd, 0, input.size()));
        return Acceptable;
    }

private:
    const QLineEdit *m_box;
};

} // namespace

void ReadPastesAsNumbers(QLineEdit *box)
{
    box->setValidator(new PasteReader(box));
}

} // namespace platform
