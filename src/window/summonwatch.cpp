#include "summonwatch.h"

#include <QFileInfo>

SummonWatch::SummonWatch(const QString& file, std::function<QString()> read, QObject* parent)
    : QObject(parent), m_file(file), m_read(std::move(read)), m_current(m_read())
{
    // The folder too: a settings file is replaced as a whole (written aside, then renamed), and a
    // watch on the old file ends with it.
    m_watcher.addPath(QFileInfo(file).absolutePath());
    if (QFileInfo::exists(file))
        m_watcher.addPath(file);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &SummonWatch::look);
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &SummonWatch::look);
}

void SummonWatch::look()
{
    if (!m_watcher.files().contains(m_file) && QFileInfo::exists(m_file))
        m_watcher.addPath(m_file);
    const QString keys = m_read();
    if (keys == m_current)
        return;
    m_current = keys;
    emit changed(keys);
}
