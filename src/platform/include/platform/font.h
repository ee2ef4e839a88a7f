#pragma once
// The small dialog font that the fixed layouts of both windows are designed for.
#include <QFont>

namespace platform {

QFont DialogFont();

} // namespace platform
