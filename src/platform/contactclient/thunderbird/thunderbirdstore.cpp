#include "thunderbirdstore.h"

#include "contactclient/thunderbird/thunderbirdbook.h"
#include "contactclient/thunderbird/thunderbirdprofiles.h"

#include <QFileInfo>

namespace contactclient {

std::vector<Book> thunderbirdBooks(const QString& location)
{
    QString profile;
    QStringList files;
    const QFileInfo info(location);
    if (location.isEmpty()) {
        for (const QString& p : thunderbird::allProfiles()) {
            files = thunderbird::addressBookFiles(p);
            if (!files.isEmpty()) {
                profile = p;
                break;
            }
        }
        if (files.isEmpty())
            throw AutomationError(errStoreUnavailable,
                                  QStringLiteral("No Thunderbird profile with an address book was found."));
    } else if (info.isDir()) {
        profile = info.absoluteFilePath();
        files = thunderbird::addressBookFiles(profile);
        if (files.isEmpty())
            throw AutomationError(
                errStoreUnavailable,
                QStringLiteral("The Thunderbird profile \"%1\" holds no address book (abook.sqlite).").arg(location));
    } else if (info.isFile()) {
        profile = info.absolutePath();
        files = {info.absoluteFilePath()};
    } else {
        throw AutomationError(errStoreUnavailable,
                              QStringLiteral("The Thunderbird address book \"%1\" does not exist.").arg(location));
    }
    std::vector<Book> books;
    for (const QString& file : std::as_const(files))
        books.push_back({thunderbird::addressBookName(profile, QFileInfo(file).fileName()),
                         std::make_shared<ThunderbirdBookStore>(file)});
    return books;
}

} // namespace contactclient
