// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
#include "platform/keys.h"

#include <utility>

#include <QCoreApplication>
#include <QEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QObject>

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

void DigitsAndOnePoint(int &keyAscii, QStringView kept)
{
    if (keyAscii == '.' && !kept.contains(QLatin1Char('.')))
        return;
    DigitsOnly(keyAscii);
}

} // namespace platform
