#pragma once

// The engine's answer when an expression needs more memory than it can get. There is no
// translation key for it: it is not a fault of the expression.
inline constexpr char kOutOfMemoryText[] = "Out of memory";
