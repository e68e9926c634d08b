#pragma once
// Which contacts the user acts on through the bar (mail, quick mail, dial, letter, card), how often
// and how lately: kept in the user's state folder, never sent anywhere, to put the contacts used
// most often and most recently first among those found.
//
// Each contact has a score: every use adds one, and the score halves every kHalfLifeDays, so
// that a contact used daily this week outranks one used often a year ago.

#include <QHash>
#include <QString>
#include <QStringList>

#include <vector>

class CompactTexts;

class ContactUse {
public:
    static constexpr double kHalfLifeDays = 30.0;

    // Kept in file; an empty name keeps it in memory only.
    explicit ContactUse(QString file = {});

    // $XDG_STATE_HOME/Quintel/contact-use (~/.local/state when XDG_STATE_HOME is not set).
    static QString standardFile();

    // A use of the contact now (seconds since the epoch); written at once.
    void record(const QString& entryId, qint64 now);
    // The contact's score now (0 for one never used).
    double score(const QString& entryId, qint64 now) const;
    // The scores of the contacts with these entry identifiers, in order.
    std::vector<float> scores(const CompactTexts& entryIds, qint64 now) const;
    // The contacts used, most recent first, at most count of them.
    QStringList recent(int count) const;
    bool isEmpty() const { return m_uses.isEmpty(); }
    // Forgets every use, and removes the file.
    bool clear();

    QString file() const { return m_file; }

private:
    struct Use {
        double score = 0; // as of last
        qint64 last = 0;
    };
    static double decayed(const Use& use, qint64 now);
    void load();
    bool save() const;

    QString m_file;
    QHash<QString, Use> m_uses;
};
