#include "urllauncher.h"

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
    const bool mail = scheme == QStringLiteral("mailto");
    const QString what = mail ? QStringLiteral("mail program") : QStringLiteral("telephone program");
    const QString handed =
        mail ? QStringLiteral("The mail was not handed on") : QStringLiteral("The number was not handed on");
    const QString example = mail ? QStringLiteral("thunderbird") : QStringLiteral("org.gnome.Calls");
    const QString package =
        mail ? QStringLiteral("thunderbird or evolution") : QStringLiteral("gnome-calls or linphone-desktop");
    return QStringLiteral("No %1 is set to open %2: links. %3.\n\n"
                          "Install one (for example the package %4), then choose it in your desktop's settings "
                          "under default applications, or run:\n\n    xdg-mime default %5.desktop x-scheme-handler/%2")
        .arg(what, scheme, handed, package, example);
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
