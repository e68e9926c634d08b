#include "settingsformat.h"

#include <QIODevice>
#include <QStringDecoder>

namespace settingsformat {
namespace {

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

QStringView trimmed(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

// %XX in a section or key name as the old INI format wrote special characters.
QString percentDecoded(QStringView name)
{
    if (!name.contains(QLatin1Char('%')))
        return name.toString();
    return QString::fromUtf8(QByteArray::fromPercentEncoding(name.toUtf8()));
}

// Inside double quotes the old format escaped every backslash and quote and wrote control
// characters as \n, \t, ... A backslash before anything else stays as it is.
QString unescapedQuoted(QStringView inner)
{
    QString out;
    out.reserve(inner.size());
    for (qsizetype i = 0; i < inner.size(); ++i) {
        const QChar c = inner[i];
        if (c != QLatin1Char('\\') || i + 1 == inner.size()) {
            out.append(c);
            continue;
        }
        const char16_t next = inner[i + 1].unicode();
        const char16_t plain = next == u'n'    ? u'\n'
                               : next == u't'  ? u'\t'
                               : next == u'r'  ? u'\r'
                               : next == u'"'  ? u'"'
                               : next == u'\\' ? u'\\'
                                               : 0;
        if (plain) {
            out.append(QChar(plain));
            ++i;
        } else {
            out.append(c);
        }
    }
    return out;
}

// Outside quotes only "\\" and "\"" can only have come from the old format's escaping: a name
// such as C:\Temp or C:\new is kept as it stands.
QString unescapedPlain(QStringView value)
{
    if (!value.contains(QLatin1Char('\\')))
        return value.toString();
    QString out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c == QLatin1Char('\\') && i + 1 < value.size() &&
            (value[i + 1] == QLatin1Char('\\') || value[i + 1] == QLatin1Char('"'))) {
            out.append(value[i + 1]);
            ++i;
        } else {
            out.append(c);
        }
    }
    return out;
}

QString legacyValue(QStringView value)
{
    if (value.size() >= 2 && value.startsWith(QLatin1Char('"')) && value.endsWith(QLatin1Char('"')))
        return unescapedQuoted(value.sliced(1, value.size() - 2));
    if (value.startsWith(QLatin1String("@@")))
        return unescapedPlain(value.sliced(1));
    if (value == QLatin1String("@Invalid()"))
        return {};
    return unescapedPlain(value);
}

QString oneLine(QString value)
{
    for (QChar& c : value)
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QChar(0))
            c = QLatin1Char(' ');
    return value;
}

bool readFunction(QIODevice& device, QSettings::SettingsMap& map)
{
    return parse(device.readAll(), map);
}

bool writeFunction(QIODevice& device, const QSettings::SettingsMap& map)
{
    const QByteArray data = serialize(map);
    return device.write(data) == data.size();
}

} // namespace

bool parse(const QByteArray& data, QSettings::SettingsMap& map)
{
    map.clear();
    if (data.contains('\0'))
        return false;
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(data.startsWith("\xEF\xBB\xBF") ? data.sliced(3) : data);
    if (decoder.hasError())
        return false;
    const QString marker = QString::fromLatin1(kMarker);
    bool plain = false;
    bool first = true;
    QString section;
    QSettings::SettingsMap read;
    for (QStringView line : QStringView(text).split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const QStringView content = trimmed(line);
        if (content.isEmpty())
            continue;
        if (first) {
            first = false;
            plain = content == marker;
        }
        if (content.startsWith(QLatin1Char(';')) || content.startsWith(QLatin1Char('#')))
            continue;
        if (content.startsWith(QLatin1Char('['))) {
            if (!content.endsWith(QLatin1Char(']')) || content.size() < 3)
                return false;
            const QStringView name = trimmed(content.sliced(1, content.size() - 2));
            section = plain ? name.toString() : percentDecoded(name);
            if (!plain && section.compare(QLatin1String("General"), Qt::CaseInsensitive) == 0)
                section.clear(); // the old format's section for keys outside any section
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals < 0)
            return false;
        const QStringView keyText = trimmed(line.first(equals));
        if (keyText.isEmpty())
            return false;
        const QString key = plain ? keyText.toString() : percentDecoded(keyText);
        const QStringView value = line.sliced(equals + 1);
        read.insert(section.isEmpty() ? key : section + QLatin1Char('/') + key,
                    plain ? value.toString() : legacyValue(trimmed(value)));
    }
    map = std::move(read);
    return true;
}

QByteArray serialize(const QSettings::SettingsMap& map)
{
    QByteArray out = QByteArray(kMarker) + '\n';
    // Keys outside any section first, then each section once with its keys in order.
    QString current;
    bool inSection = false;
    QList<QPair<QString, QString>> sectioned;
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        const QString value = it.value().userType() == QMetaType::QStringList
                                  ? it.value().toStringList().join(QStringLiteral(", "))
                                  : it.value().toString();
        const qsizetype slash = it.key().indexOf(QLatin1Char('/'));
        if (slash < 0)
            out += QByteArray(oneLine(it.key()).toUtf8() + '=' + oneLine(value).toUtf8() + '\n');
        else
            sectioned.append({it.key(), value});
    }
    for (const auto& [fullKey, value] : std::as_const(sectioned)) {
        const qsizetype slash = fullKey.indexOf(QLatin1Char('/'));
        const QString section = fullKey.first(slash);
        if (!inSection || section != current) {
            out += "\n[";
            out += oneLine(section).toUtf8();
            out += "]\n";
            current = section;
            inSection = true;
        }
        out += QByteArray(oneLine(fullKey.sliced(slash + 1)).toUtf8() + '=' + oneLine(value).toUtf8() + '\n');
    }
    return out;
}

QSettings::Format format()
{
    static const QSettings::Format registered =
        QSettings::registerFormat(QStringLiteral("conf"), readFunction, writeFunction);
    return registered;
}

} // namespace settingsformat
