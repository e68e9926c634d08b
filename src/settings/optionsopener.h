#pragma once
// The Options button: shows the one options dialog, modeless.

#include <QObject>

class Guard;
class QToolButton;
class modSettings;

class OptionsOpener : public QObject {
    Q_OBJECT

public:
    OptionsOpener(QToolButton* cmdOptions, modSettings& settings, const Guard& guard);
    void cmdOptions_Click();

private:
    modSettings& m_settings;
};
