// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
#pragma once
// What a key may type into a text box: the key-press hook and the filters of the measurement boxes.
#include <functional>
#include <optional>

#include <QStringView>

class QKeyEvent;
class QLineEdit;

namespace platform {

// Key-press hook: the handler receives the typed character as a 16-bit code and may set it to 0,
// which discards the key. It also gets the text the character joins: the box's text without the
// selection that the character replaces, with what the same commit has already typed. Ctrl+A to Ctrl+Z arrive
// as the control codes 1 to 26 whatever text the event carries. Keys that type no character (arrows, Delete,
// function keys) never reach it. Text that an input method or a dead key composes is typed too: each of its
// characters passes the handler. Paste and drop are not typing and are not filtered.
using KeyPressHandler = std::function<void(int &keyAscii, QStringView kept)>;
void InstallKeyPressHook(QLineEdit *box, KeyPressHandler handler);
std::optional<int> CharacterCode(const QKeyEvent &event);
// Whether the box is changing its text for a key or a composition that its hook let through; a paste
// by key (Ctrl+V) is not typing.
bool IsTyping(const QLineEdit *box);

// The digit key filter: control codes and digits pass, all else is refused.
void DigitsOnly(int &keyAscii, QStringView kept = {});
// The key filter of the measurement boxes: digits and one decimal separator in the whole text, "."
// everywhere and the locale's own where it is another.
void DigitsAndOneDecimal(int &keyAscii, QStringView kept);
// Reads what arrives other than by typing (a paste, a drop, an assistive client's write) as a number
// in the person's locale: the box gets the text the keyboard would have typed for it, or refuses the
// change. Text set by the program is read the same way but never refused.
void ReadPastesAsNumbers(QLineEdit *box);

} // namespace platform
