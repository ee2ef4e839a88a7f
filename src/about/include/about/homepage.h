// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
#pragma once
// The request that opens the maker's web home page.
#include <QString>

// The address that OpenHomePage hands on; the build sets it with SOMATRA_HOME_PAGE.
QString HomePageAddress();

// One open request per call, handed to the desktop's web handler; it neither waits nor reports failure.
void OpenHomePage();
