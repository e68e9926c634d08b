#pragma once
// The bar's window mode and the mode to go back to after the quick-mail area.

#include <optional>

struct WindowState {
    int windowMode = 3;
    std::optional<int> rememberedMode;
};
