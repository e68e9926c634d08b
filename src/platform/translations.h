#pragma once
// The user's language: which of the shipped translations to load, read from the locale as gettext
// reads it, and the loading itself (the program's texts and Qt's own, such as message-box buttons).

#include <QString>
#include <QStringList>

#include <functional>

class QCoreApplication;

namespace translations {

// The languages the user asks for, most wanted first, each as "de_DE" or "de": LANGUAGE (a
// colon-separated list) and then the locale of messages (LC_ALL, else LC_MESSAGES, else LANG).
// A locale of "C" or "POSIX" asks for the program's own English, and LANGUAGE is then ignored,
// as gettext does. environment(name) gives a variable's value, empty when unset.
QStringList wantedLanguages(const std::function<QString(const char*)>& environment);

// The first shipped translation that fits one of the wanted languages: the same name, else the
// language alone ("de" for "de_AT"), else a country's variant of it ("pt_BR" for "pt_PT").
// Empty when none fits. English ("en") is shipped too, for its plural forms: wanted before the
// others, it wins.
QString choose(const QStringList& wanted, const QStringList& shipped);

// The translations built into the program, as "de", "pt_BR", …
QStringList shipped();

// Loads and installs the translation for the user's language (and Qt's own for it) on app,
// English when none fits. Returns the language loaded ("de", "en"), empty when none could be.
QString install(QCoreApplication& app);

} // namespace translations
