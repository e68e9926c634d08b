#pragma once
// Every window the bar opens (the options dialog, message boxes, the call window, the contact
// card) stands above the bar, which stays on top of everything, and wholly on its screen: the
// bar would otherwise cover their titles and buttons.

#include <QObject>

class QWidget;

class WindowsAbove : public QObject {
    Q_OBJECT

public:
    explicit WindowsAbove(QWidget& bar);
    ~WindowsAbove() override;

    // Raises the window and moves it back onto the screen's free area where its frame leaves it.
    static void keepOnScreen(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& m_bar;
};
