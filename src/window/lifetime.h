#pragma once
// The program ends when the last of its windows (the bar, the options dialog) has been unloaded,
// not when the last visible window closes: the bar may be hidden in the tray.

class QWidget;

namespace lifetime {

void loaded(QWidget* window);
void unloaded(QWidget* window);
bool isLoaded(const QWidget* window);

} // namespace lifetime
