#include "modecycle.h"

namespace modecycle {

int height(int mode)
{
    switch (WindowMode(mode)) {
    case WindowMode::EntryOnly:
        return 400;
    case WindowMode::EntryAndSelectors:
        return 800;
    default:
        return 2355;
    }
}

int next(int mode)
{
    return mode >= kLast || mode < kFirst ? kFirst : mode + 1;
}

int shiftInto(int mode)
{
    const int previous = mode == kFirst ? kLast : mode - 1;
    return height(mode) - height(previous);
}

bool mailVisible(int mode)
{
    return mode == kLast;
}

int offsetFromDesigned(int mode)
{
    return height(mode) - height(kLast);
}

bool isValid(int mode)
{
    return mode >= kFirst && mode <= kLast;
}

int orFirst(int mode)
{
    return isValid(mode) ? mode : kFirst;
}

} // namespace modecycle
