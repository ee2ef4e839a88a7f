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

// The digit key filter of the measurement boxes: control codes and digits pass, all else is refused.
void DigitsOnly(int &keyAscii, QStringView kept = {});
// The same, with one decimal point "." in the whole text, for a part of a unit (half an inch).
void DigitsAndOnePoint(int &keyAscii, QStringView kept);

} // namespace platform
