#include "desktopbooks.h"

#ifdef QUINTEL_HAVE_EDS
#include "contactclient/eds/edsbooklist.h"
#include "contactclient/errors.h"
#endif

#include <QCoreApplication>
#include <QPointer>
#include <QThread>

namespace setup {

void listDesktopBooks(QObject* context, std::function<void(const DesktopBooks&)> done)
{
    auto result = std::make_shared<DesktopBooks>();
#ifdef QUINTEL_HAVE_EDS
    QThread* thread = QThread::create([result] {
        try {
            for (const auto& b : contactclient::eds::listBooks(std::chrono::seconds(10)))
                result->books.append({b.book.uid, b.book.name, b.contacts, b.problem});
            if (result->books.isEmpty())
                result->problem =
                    QCoreApplication::translate("SetupWindow", "The desktop has no address book switched on.");
        } catch (const contactclient::AutomationError& e) {
            result->problem = e.description();
        }
    });
#else
    QThread* thread = QThread::create([result] {
        result->problem = QCoreApplication::translate(
            "SetupWindow", "This Quintel was built without the desktop's address book (libebook).");
    });
#endif
    // The thread ends on its own; a window closed meanwhile is simply not told.
    QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    QObject::connect(thread, &QThread::finished, context, [result, done = std::move(done)] { done(*result); });
    thread->start();
}

QString bookSetting(const QList<DesktopBook>& books, const QList<bool>& ticked)
{
    QStringList chosen;
    for (qsizetype i = 0; i < books.size(); ++i) {
        if (ticked.value(i))
            chosen.append(books[i].uid);
    }
    return chosen.size() == books.size() ? QString() : chosen.join(QLatin1Char(';'));
}

} // namespace setup
