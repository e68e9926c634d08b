#pragma once
// The desktop's address books (GNOME) for the set-up window: looked up on a worker thread, the
// answer handed back on the UI thread.

#include <QList>
#include <QObject>
#include <QString>

#include <functional>

namespace setup {

struct DesktopBook {
    QString uid;
    QString name;
    int contacts = -1; // -1: cannot be read
    QString problem;
};

struct DesktopBooks {
    QList<DesktopBook> books; // the registry's order
    QString problem;          // why there are none to offer; empty when the lookup worked
};

// Calls done with the books, on context's thread, unless context is gone by then.
void listDesktopBooks(QObject* context, std::function<void(const DesktopBooks&)> done);

// The setting for the ticked books: empty when all are ticked (new books then come in too).
QString bookSetting(const QList<DesktopBook>& books, const QList<bool>& ticked);

} // namespace setup
