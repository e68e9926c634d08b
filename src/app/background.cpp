#include "background.h"

#include <QFutureWatcher>
#include <QtConcurrent/QtConcurrentRun>

ContactSession::Background workerThreads()
{
    return [](std::function<void()> work, std::function<void()> done) {
        auto* watcher = new QFutureWatcher<void>();
        QObject::connect(watcher, &QFutureWatcherBase::finished, watcher, [watcher, done = std::move(done)] {
            watcher->deleteLater();
            done();
        });
        // A failure that escapes the work must not end the program: the work reports its own.
        watcher->setFuture(QtConcurrent::run([work = std::move(work)] {
            try {
                work();
            } catch (...) {
            }
        }));
    };
}
