// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
#pragma once
// What screen readers get beyond Qt's defaults: controls they skip, the places of options in their
// groups, and notices when a shown text changes.
class QWidget;

namespace platform {

// A control with this property set to true is left out of the accessible tree: lines and other
// decoration, parts of a caption that another control reads in full, holders of state that never show.
inline constexpr char AccessibleIgnored[] = "accessibleIgnored";

// Installs the accessibility factory; call before the first window is built. Safe to call again.
void InstallAccessibility();

// A label or group box whose name is its shown text tells screen readers that the text changed.
void NotifyNameChanged(QWidget *control);

// Adds "1 of 3" and so on to the description of each option in a group box, as screen readers
// that cannot see the group would not say it.
void DescribePositionsInGroups(QWidget *root);

} // namespace platform
