#pragma once
// Message boxes behind a small wrapper, so tests can see and answer them without a modal loop.

#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

namespace MessageBox {

enum class Icon { None, Information, Warning, Critical };

struct Shown {
    QString title;
    QString text;
    Icon icon;
};

// Shows a box with an OK button only and waits until it is dismissed.
void show(QWidget* parent, const QString& title, const QString& text, Icon icon = Icon::None);

// Shows a box with Yes and No buttons and waits for the answer: true for Yes. No answer can be
// given on a platform without a screen: false.
bool ask(QWidget* parent, const QString& title, const QString& text, Icon icon = Icon::Warning);

// Tests: the answers the next questions get, in order (No once they are used up).
void setNextAnswers(const QList<bool>& answers);

// Tests: every box is recorded here instead of being shown, and returns at once.
void setTestMode(bool on);
QList<Shown>& shownInTest();

} // namespace MessageBox
