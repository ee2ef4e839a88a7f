// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
#pragma once
// The user's number separators, as the arithmetic wants them.
#include "calc/calc.h"

namespace platform {

// Separators of QLocale(): the user's locale unless the program set a default.
const calc::NumberSeparators &LocaleSeparators();

} // namespace platform
