#pragma once
// The bar's window mode and the mode to go back to after the quick-mail area.

#include <optional>

// The bar's three heights, stepped through in this order. The numbers are those the WindowMode
// setting stores and windowMode holds.
enum class WindowMode : int {
    EntryOnly = 1,         // the entry row alone
    EntryAndSelectors = 2, // the selector row above it
    QuickMail = 3,         // the quick-mail area above that: the designed layout
};

struct WindowState {
    int windowMode = int(WindowMode::QuickMail);
    std::optional<int> rememberedMode;
};
