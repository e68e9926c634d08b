#pragma once
// Follows the summon shortcut in the settings file while the bar runs. Quintel Setup is a program of
// its own (and a user may edit the file by hand): when the file changes, the combination is read
// afresh and changed() says so, so that the running bar takes the new one without a restart.

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>

#include <functional>

class SummonWatch : public QObject {
    Q_OBJECT

public:
    // file: the settings file (it may not exist yet); read: the combination as the file has it now.
    SummonWatch(const QString& file, std::function<QString()> read, QObject* parent = nullptr);

    // The combination last read.
    QString current() const { return m_current; }

signals:
    // The file now holds another combination; empty: the shortcut was switched off.
    void changed(const QString& keys);

private:
    void look();

    QFileSystemWatcher m_watcher;
    QString m_file;
    std::function<QString()> m_read;
    QString m_current;
};
