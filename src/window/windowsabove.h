#pragma once
// Every window the bar opens (the options dialog, message boxes, the call window, the contact
// card) stands above the bar, which stays on top of everything, and wholly on its screen (the card
// and the call window open right next to the bar): the
// bar would otherwise cover their titles and buttons. When the last of them closes, the bar takes
// the keyboard back: what the user types next goes to the bar, not nowhere.

#include <QObject>

class QWidget;

class WindowsAbove : public QObject {
    Q_OBJECT

public:
    explicit WindowsAbove(QWidget& bar);
    ~WindowsAbove() override;

    // Raises the window and moves it back onto the screen's free area where its frame leaves it.
    static void keepOnScreen(QWidget* window);

signals:
    // The last window the bar opened has closed, and the bar is active again.
    void returned();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void giveBackFocus();

    QWidget& m_bar;
};
