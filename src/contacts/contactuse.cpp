#include "contactuse.h"

#include "compacttexts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cmath>

namespace {

constexpr qsizetype kMaxLineLength = 4096;
constexpr int kMaxContacts = 10000; // the least used go when there are more

} // namespace

ContactUse::ContactUse(QString file) : m_file(std::move(file))
{
    load();
}

QString ContactUse::standardFile()
{
    QString base = qEnvironmentVariable("XDG_STATE_HOME");
    if (base.isEmpty() || !QDir::isAbsolutePath(base))
        base = QDir::homePath() + QStringLiteral("/.local/state");
    return base + QStringLiteral("/Quintel/contact-use");
}

double ContactUse::decayed(const Use& use, qint64 now)
{
    const double days = double(std::max<qint64>(0, now - use.last)) / 86400.0;
    return use.score * std::exp2(-days / kHalfLifeDays);
}

void ContactUse::record(const QString& entryId, qint64 now)
{
    if (entryId.isEmpty())
        return;
    Use& use = m_uses[entryId];
    use.score = decayed(use, now) + 1.0;
    use.last = std::max(use.last, now);
    if (m_uses.size() > kMaxContacts) {
        auto least = std::min_element(m_uses.begin(), m_uses.end(),
                                      [now](const Use& a, const Use& b) { return decayed(a, now) < decayed(b, now); });
        m_uses.erase(least);
    }
    save();
}

double ContactUse::score(const QString& entryId, qint64 now) const
{
    const auto it = m_uses.constFind(entryId);
    return it == m_uses.cend() ? 0.0 : decayed(*it, now);
}

std::vector<float> ContactUse::scores(const CompactTexts& entryIds, qint64 now) const
{
    std::vector<float> out;
    if (m_uses.isEmpty())
        return out;
    out.resize(size_t(entryIds.count()), 0.0f);
    for (qsizetype i = 0; i < entryIds.count(); ++i) {
        const auto it = m_uses.constFind(entryIds.at(i));
        if (it != m_uses.cend())
            out[size_t(i)] = float(decayed(*it, now));
    }
    return out;
}

QStringList ContactUse::recent(int count) const
{
    std::vector<std::pair<qint64, QString>> all;
    all.reserve(size_t(m_uses.size()));
    for (auto it = m_uses.cbegin(); it != m_uses.cend(); ++it)
        all.emplace_back(it->last, it.key());
    std::sort(all.begin(), all.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first > b.first : a.second < b.second;
    });
    QStringList out;
    for (const auto& [last, id] : all) {
        if (out.size() >= count)
            break;
        out.append(id);
    }
    return out;
}

bool ContactUse::clear()
{
    m_uses.clear();
    if (m_file.isEmpty())
        return true;
    return !QFileInfo::exists(m_file) || QFile::remove(m_file);
}

// One line a contact: score, last use (seconds since the epoch), entry identifier; a line that
// does not read so is left out.
void ContactUse::load()
{
    if (m_file.isEmpty())
        return;
    QFile f(m_file);
    if (!f.open(QIODevice::ReadOnly))
        return;
    while (!f.atEnd()) {
        const QByteArray line = f.readLine(kMaxLineLength).trimmed();
        const QList<QByteArray> parts = line.split('\t');
        if (parts.size() != 3 || parts[2].isEmpty())
            continue;
        bool ok1 = false, ok2 = false;
        Use use;
        use.score = parts[0].toDouble(&ok1);
        use.last = parts[1].toLongLong(&ok2);
        if (ok1 && ok2 && std::isfinite(use.score) && use.score > 0)
            m_uses.insert(QString::fromUtf8(parts[2]), use);
    }
}

bool ContactUse::save() const
{
    if (m_file.isEmpty())
        return true;
    const QFileInfo info(m_file);
    if (!QDir().mkpath(info.absolutePath()))
        return false;
    QFile::setPermissions(info.absolutePath(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QSaveFile f(m_file);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    f.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    for (auto it = m_uses.cbegin(); it != m_uses.cend(); ++it) {
        QString id = it.key();
        id.replace(u'\t', u' ').replace(u'\n', u' ');
        f.write(QByteArray::number(it->score, 'g', 9) + '\t' + QByteArray::number(it->last) + '\t' + id.toUtf8() +
                '\n');
    }
    return f.commit();
}
