// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
#include "about/homepage.h"

#include "platform/controls/shell.h"

QString HomePageAddress()
{
    return QString::fromUtf8(SOMATRA_HOME_PAGE);
}

void OpenHomePage()
{
    platform::OpenWebAddress(HomePageAddress());
}
