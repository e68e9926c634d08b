#pragma once
// What the address-book back-ends' tests share: the lists as names and identifiers, the failure a
// call raises, the bar's worker thread, a change saved as the contact card saves it, a keyring in memory and a password
// prompt that gives one answer.

#include "contactclient/automation.h"
#include "contactclient/carddav/credentials.h"

#include <QCoreApplication>
#include <QHash>
#include <QStringList>
#include <QThread>

#include <functional>
#include <optional>

namespace testsupport {

// Every item's full name, sorted.
inline QStringList fullNames(const contactclient::ItemSet& set)
{
    QStringList names;
    set.forEach([&](const contactclient::Item& item) { names.append(item.FullName()); });
    names.sort();
    return names;
}

// The identifier of the (last) item of that full name; empty when there is none.
inline QString entryIdOf(const contactclient::ItemSet& set, const QString& fullName)
{
    QString id;
    set.forEach([&](const contactclient::Item& item) {
        if (item.FullName() == fullName)
            id = item.EntryID();
    });
    return id;
}

// The items in their order as "EntryID=FullName".
inline QStringList listing(const contactclient::ItemSet& set)
{
    QStringList out;
    set.forEach([&](const contactclient::Item& i) { out.append(i.EntryID() + QLatin1Char('=') + i.FullName()); });
    return out;
}

// The automation error a call raised: its number (0: none raised) and description.
struct CallFailure {
    int number = 0;
    QString description;
};
inline CallFailure failureOf(const std::function<void()>& call)
{
    try {
        call();
    } catch (const contactclient::AutomationError& e) {
        return {e.number(), e.description()};
    }
    return {};
}
inline int errorOf(const std::function<void()>& call)
{
    return failureOf(call).number;
}

// The bar's worker: the work on a thread of its own, done back on the UI thread.
inline void onWorkerThread(std::function<void()> work, std::function<void()> done)
{
    QThread* thread = QThread::create(std::move(work));
    QObject::connect(thread, &QThread::finished, QCoreApplication::instance(), [thread, done = std::move(done)] {
        done();
        thread->deleteLater();
    });
    thread->start();
}

// Changes the item's values as the contact card does (read, change, set) and saves them.
inline void saveChanged(contactclient::ContactItem& item,
                        const std::function<void(contactclient::ContactForm&)>& change)
{
    contactclient::ContactForm form = item.form();
    change(form);
    item.setForm(form);
    item.Save();
}

// A keyring in memory; an unavailable one finds and keeps nothing.
class MemoryKeyring : public contactclient::carddav::Keyring {
public:
    explicit MemoryKeyring(bool available = true) : m_available(available) {}
    Result read(const QString& key) override
    {
        if (!m_available)
            return {Status::Unavailable, {}, QStringLiteral("no Secret Service")};
        return entries.contains(key) ? Result{Status::Found, entries.value(key), {}} : Result{Status::NotFound, {}, {}};
    }
    bool write(const QString& key, const QString& password) override
    {
        if (m_available)
            entries.insert(key, password);
        return m_available;
    }
    QHash<QString, QString> entries;

private:
    bool m_available;
};

// A prompt that always gives the same answer (nullopt: the user declines) and counts the asking.
class AnsweringPrompt : public contactclient::carddav::PasswordPrompt {
public:
    explicit AnsweringPrompt(std::optional<QString> answer) : m_answer(std::move(answer)) {}
    std::optional<QString> askPassword(const QString&, const QString&) override
    {
        ++asked;
        return m_answer;
    }
    int asked = 0;

private:
    std::optional<QString> m_answer;
};

} // namespace testsupport
