#include "summonkeys.h"

#include "settingsstore.h"

#include <QCoreApplication>
#include <QStringList>

namespace summon {

namespace {

const QString kApplication = QStringLiteral("Quintel");
const QString kSection = QStringLiteral("Desktop");
const QString kKey = QStringLiteral("SummonShortcut");
// Stored for "no shortcut", so that an empty value is told apart from one never set.
const QString kOff = QStringLiteral("none");

struct Named {
    const char* name;    // as Qt writes it, in lower case
    unsigned keysym;     // the X keysym
    const char* keyName; // the keysym's name, as the portal takes it
};
// Keys other than letters, digits and F1–F24.
constexpr Named kNamedKeys[] = {
    {"space", 0x20, "space"},     {"home", 0xff50, "Home"},        {"end", 0xff57, "End"},
    {"pgup", 0xff55, "Page_Up"},  {"pgdown", 0xff56, "Page_Down"}, {"ins", 0xff63, "Insert"},
    {"insert", 0xff63, "Insert"}, {"del", 0xffff, "Delete"},       {"delete", 0xffff, "Delete"},
    {"pause", 0xff13, "Pause"},   {"print", 0xff61, "Print"},      {"scrolllock", 0xff14, "Scroll_Lock"},
    {"menu", 0xff67, "Menu"},     {"left", 0xff51, "Left"},        {"up", 0xff52, "Up"},
    {"right", 0xff53, "Right"},   {"down", 0xff54, "Down"},
};

const Named* namedKey(const QString& name)
{
    for (const Named& key : kNamedKeys) {
        if (name == QLatin1String(key.name))
            return &key;
    }
    return nullptr;
}

unsigned modifierOf(const QString& name)
{
    if (name == QLatin1String("ctrl") || name == QLatin1String("control"))
        return Control;
    if (name == QLatin1String("alt"))
        return Alt;
    if (name == QLatin1String("shift"))
        return Shift;
    if (name == QLatin1String("meta") || name == QLatin1String("super") || name == QLatin1String("logo"))
        return Super;
    return 0;
}

unsigned keysymOf(const QString& name)
{
    if (name.size() == 1) {
        const char16_t c = name.at(0).unicode();
        if ((c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9'))
            return c; // the keysyms of lower-case letters and digits are their ASCII codes
        return 0;
    }
    if (name.startsWith(QLatin1Char('f'))) {
        bool ok = false;
        const int n = name.mid(1).toInt(&ok);
        if (ok && n >= 1 && n <= 24 && name.mid(1) == QString::number(n))
            return 0xffbe + unsigned(n - 1);
    }
    const Named* key = namedKey(name);
    return key ? key->keysym : 0;
}

bool isFunctionKey(unsigned keysym)
{
    return keysym >= 0xffbe && keysym <= 0xffbe + 23;
}

QStringList parts(const QString& text)
{
    return text.trimmed().toLower().split(QLatin1Char('+'));
}

struct Parsed {
    KeyCombination combination;
    QString problem;
};

Parsed parseWithProblem(const QString& text)
{
    Parsed result;
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) {
        result.problem = QCoreApplication::translate("SummonKeys", "No key combination was given.");
        return result;
    }
    const QStringList names = parts(trimmed);
    unsigned modifiers = 0;
    for (qsizetype i = 0; i + 1 < names.size(); ++i) {
        const unsigned modifier = modifierOf(names.at(i).trimmed());
        if (!modifier) {
            result.problem =
                QCoreApplication::translate("SummonKeys", "%1 is not a modifier key (Ctrl, Alt, Shift or Meta).")
                    .arg(names.at(i).trimmed().isEmpty() ? QStringLiteral("\"\"") : names.at(i).trimmed());
            return result;
        }
        modifiers |= modifier;
    }
    const QString key = names.constLast().trimmed();
    const unsigned keysym = keysymOf(key);
    if (!keysym) {
        result.problem =
            modifierOf(key)
                ? QCoreApplication::translate("SummonKeys", "The combination needs a key besides the modifiers.")
                : QCoreApplication::translate("SummonKeys", "The key %1 cannot be used for the shortcut.").arg(key);
        return result;
    }
    if (!isFunctionKey(keysym) && !(modifiers & (Control | Alt | Super))) {
        result.problem =
            QCoreApplication::translate("SummonKeys",
                                        "The combination needs Ctrl, Alt or Meta: otherwise typing %1 anywhere would "
                                        "summon the bar.")
                .arg(trimmed);
        return result;
    }
    result.combination = {modifiers, keysym};
    return result;
}

} // namespace

QString defaultShortcut()
{
    return QStringLiteral("Ctrl+Alt+Q");
}

QString shortcut(const SettingsStore& store)
{
    const QString value = store.GetSetting(kApplication, kSection, kKey, QString()).trimmed();
    if (value.isEmpty())
        return defaultShortcut();
    if (value.compare(kOff, Qt::CaseInsensitive) == 0)
        return {};
    return value;
}

void setShortcut(SettingsStore& store, const QString& text)
{
    const QString value = text.trimmed();
    store.SaveSetting(kApplication, kSection, kKey, value.isEmpty() ? kOff : value);
}

KeyCombination parse(const QString& text)
{
    return parseWithProblem(text).combination;
}

QString problem(const QString& text)
{
    return parseWithProblem(text).problem;
}

QString portalTrigger(const QString& text)
{
    const KeyCombination combination = parse(text);
    if (!combination.isValid())
        return {};
    QStringList out;
    if (combination.modifiers & Control)
        out << QStringLiteral("CTRL");
    if (combination.modifiers & Alt)
        out << QStringLiteral("ALT");
    if (combination.modifiers & Shift)
        out << QStringLiteral("SHIFT");
    if (combination.modifiers & Super)
        out << QStringLiteral("LOGO");
    const QString key = parts(text).constLast().trimmed();
    if (key.size() == 1)
        out << key;
    else if (isFunctionKey(combination.keysym))
        out << key.toUpper();
    else
        out << QLatin1String(namedKey(key)->keyName);
    return out.join(QLatin1Char('+'));
}

} // namespace summon
