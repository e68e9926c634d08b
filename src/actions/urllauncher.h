#pragma once
// Hands mailto:, tel:, sms: and web page URLs to the desktop's program for their scheme. xdg-open takes any URL
// and fails later, where nobody sees it, when no program is registered; so the desktop is asked
// first (xdg-mime) without blocking the bar, and the user is told when there is none.

#include <QByteArray>
#include <QObject>
#include <QUrl>

#include <functional>

class UrlLauncher : public QObject {
    Q_OBJECT

public:
    // What the desktop says about a scheme's program.
    enum class Handler { Registered, Missing, Unknown };
    // xdg-mime's answer to "query default x-scheme-handler/<scheme>": a desktop file name, nothing
    // (none registered), or a failure (the desktop cannot be asked; the URL is handed on anyway).
    static Handler handlerFromQuery(bool finishedNormally, int exitCode, const QByteArray& output);

    // What the user is told when no program takes the scheme: what to install or choose, and the
    // command that makes a program the one for the scheme.
    static QString noProgramText(const QString& scheme);

    explicit UrlLauncher(QObject* parent = nullptr);

    // Opens the URL with the scheme's program; `failed` runs when there is none or it cannot be
    // started. Returns at once; the answer comes from the event loop.
    void open(const QUrl& url, std::function<void()> failed);

signals:
    // After each open(): whether the URL was handed on.
    void done(const QUrl& url, bool opened);
};
