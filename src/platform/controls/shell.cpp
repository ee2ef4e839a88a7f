// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
#include "platform/controls/shell.h"

#include <QDesktopServices>
#include <QUrl>

namespace platform {

void OpenWebAddress(const QString &address)
{
    QDesktopServices::openUrl(QUrl(address, QUrl::StrictMode));
}

} // namespace platform
