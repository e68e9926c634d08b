#pragma once
// Catches the URLs the program hands to the desktop (QDesktopServices::setUrlHandler), for the
// offscreen platform that cannot open any.

#include <QDesktopServices>
#include <QList>
#include <QObject>
#include <QUrl>

class UrlCatcher : public QObject {
    Q_OBJECT

public:
    explicit UrlCatcher(const QStringList& schemes) : m_schemes(schemes)
    {
        for (const QString& s : m_schemes)
            QDesktopServices::setUrlHandler(s, this, "handle");
    }
    ~UrlCatcher() override
    {
        for (const QString& s : m_schemes)
            QDesktopServices::unsetUrlHandler(s);
    }
    QList<QUrl> urls;

public slots:
    void handle(const QUrl& url) { urls.append(url); }

private:
    QStringList m_schemes;
};
