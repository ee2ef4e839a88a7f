// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
#pragma once
// Hands a web address to the desktop's default handler.
#include <QString>

namespace platform {

// Fire and forget: the desktop opens the address in its own time, and a failure is not reported.
void OpenWebAddress(const QString &address);

} // namespace platform
