// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
#pragma once
// The helpers that both windows use on their controls, each kind in its own header.
#include "platform/colours.h"
#include "platform/font.h"
#include "platform/keys.h"
#include "platform/menubar.h"
#include "platform/painted.h"
#include "platform/twips.h"
#include "platform/writes.h"
