#pragma once
// The Options button: shows the one options dialog, modeless.

#include <QObject>
#include <QStringList>

#include <functional>

class Guard;
class QToolButton;
class modSettings;

class OptionsOpener : public QObject {
    Q_OBJECT

public:
    // bookCategories: the categories the address book uses, offered when a category is added.
    OptionsOpener(QToolButton* cmdOptions, modSettings& settings, const Guard& guard,
                  std::function<QStringList()> bookCategories = {});
    void cmdOptions_Click();

private:
    modSettings& m_settings;
    std::function<QStringList()> m_bookCategories;
};
