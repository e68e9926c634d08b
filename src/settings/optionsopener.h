#pragma once
// The Options button: shows the one options dialog, modeless.

#include <QObject>

class Guard;
class QToolButton;

class OptionsOpener : public QObject {
    Q_OBJECT

public:
    OptionsOpener(QToolButton* cmdOptions, const Guard& guard);
    void cmdOptions_Click();
};
