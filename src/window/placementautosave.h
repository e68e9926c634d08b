#pragma once
// The bar's place is kept not only when it is closed: a moment after each move or change of mode
// has ended, and at once on every other way out that lets the program run code (a signal, the
// session manager, the end of the event loop).

#include <QObject>

#include <functional>

class Placement;
class QTimer;
class QWidget;
class WindowModes;

class PlacementAutoSave : public QObject {
    Q_OBJECT

public:
    // keep: whether the place is to be kept now (the bar is open and its start-up went well).
    PlacementAutoSave(QWidget& window, WindowModes& modes, Placement& placement, std::function<bool()> keep);

    // How long the bar must stand still before its place is written (tests shorten it).
    void setDelay(int milliseconds);
    // Writes the place at once, if it is to be kept.
    void saveNow();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& m_window;
    Placement& m_placement;
    std::function<bool()> m_keep;
    QTimer* m_timer;
};
