#include "searchfields.h"

namespace contactclient::searchfields {

Builder& Builder::add(Kind kind, QStringView value)
{
    const QStringView trimmed = value.trimmed();
    if (trimmed.isEmpty())
        return *this;
    if (!m_text.isEmpty())
        m_text.append(QChar(kSeparator));
    m_text.append(QChar(char16_t(kind)));
    const qsizetype at = m_text.size();
    m_text.append(trimmed);
    for (qsizetype i = at; i < m_text.size(); ++i) {
        if (m_text.at(i) == QChar(kSeparator))
            m_text[i] = QLatin1Char(' ');
    }
    return *this;
}

void forEach(QStringView text, const std::function<void(Kind kind, QStringView value)>& visit)
{
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf(QChar(kSeparator), start);
        if (end < 0)
            end = text.size();
        if (end > start)
            visit(Kind(text.at(start).unicode()), text.mid(start + 1, end - start - 1));
        start = end + 1;
    }
}

} // namespace contactclient::searchfields
