#include "urllauncher.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QProcess>

UrlLauncher::Handler UrlLauncher::handlerFromQuery(bool finishedNormally, int exitCode, const QByteArray& output)
{
    if (!finishedNormally || exitCode != 0)
        return Handler::Unknown;
    return output.trimmed().isEmpty() ? Handler::Missing : Handler::Registered;
}

QString UrlLauncher::noProgramText(const QString& scheme)
{
    // Whole sentences, so that each language can put the package and the command where it needs them.
    if (scheme == QStringLiteral("mailto"))
        return QCoreApplication::translate(
                   "UrlLauncher", "No mail program is set to open mailto: links. The mail was not handed on.\n\n"
                                  "Install one (for example the package %1), then choose it in your desktop's "
                                  "settings under default applications, or run:\n\n    %2")
            .arg(QStringLiteral("thunderbird or evolution"),
                 QStringLiteral("xdg-mime default thunderbird.desktop x-scheme-handler/mailto"));
    if (scheme == QStringLiteral("https") || scheme == QStringLiteral("http"))
        return QCoreApplication::translate("UrlLauncher",
                                           "No web browser is set to open web pages. The map was not opened.\n\n"
                                           "Install one (for example the package %1), then choose it in your desktop's "
                                           "settings under default applications, or run:\n\n    %2")
            .arg(QStringLiteral("firefox-esr or chromium"),
                 QStringLiteral("xdg-settings set default-web-browser firefox-esr.desktop"));
    return QCoreApplication::translate(
               "UrlLauncher", "No telephone program is set to open %3: links. The number was not handed on.\n\n"
                              "Install one (for example the package %1), then choose it in your desktop's "
                              "settings under default applications, or run:\n\n    %2")
        .arg(QStringLiteral("gnome-calls or linphone-desktop"),
             QStringLiteral("xdg-mime default org.gnome.Calls.desktop x-scheme-handler/") + scheme, scheme);
}

UrlLauncher::UrlLauncher(QObject* parent) : QObject(parent) {}

void UrlLauncher::open(const QUrl& url, std::function<void()> failed)
{
    // The query runs as a child of this object: when the owner goes first, so does the question.
    auto* query = new QProcess(this);
    query->setProgram(QStringLiteral("xdg-mime"));
    query->setArguments(
        {QStringLiteral("query"), QStringLiteral("default"), QStringLiteral("x-scheme-handler/") + url.scheme()});
    query->setStandardErrorFile(QProcess::nullDevice());
    auto answer = [this, query, url, failed](Handler handler) {
        query->deleteLater();
        const bool opened = handler != Handler::Missing && QDesktopServices::openUrl(url);
        if (!opened && failed)
            failed();
        emit done(url, opened);
    };
    connect(query, &QProcess::finished, this, [query, answer](int exitCode, QProcess::ExitStatus status) {
        answer(handlerFromQuery(status == QProcess::NormalExit, exitCode, query->readAllStandardOutput()));
    });
    connect(query, &QProcess::errorOccurred, this, [answer](QProcess::ProcessError error) {
        // Not installed or not startable: nobody to ask, so the URL is handed on as it is.
        if (error == QProcess::FailedToStart)
            answer(Handler::Unknown);
    });
    query->start();
}
