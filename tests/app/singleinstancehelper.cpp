// A process for the single-instance tests.
//   singleinstancehelper second DIR  — starts as a later bar would: exit 0 when the running one was
//                                      asked to come forward, 3 when it became the bar, 4 unreachable
//   singleinstancehelper crash DIR   — becomes the bar, says "PRIMARY" and dies without cleaning up
//   singleinstancehelper hold DIR    — becomes the bar, says "PRIMARY", prints "ACTIVATED" when asked

#include "app/singleinstance.h"

#include <QCoreApplication>

#include <csignal>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Quintel"));
    if (argc != 3)
        return 2;
    const QByteArray mode = argv[1];
    SingleInstance instance(QString::fromLocal8Bit(argv[2]), QStringLiteral("/profile"));
    const SingleInstance::Role role = instance.start();
    if (mode == "second")
        return role == SingleInstance::Role::Secondary ? 0 : role == SingleInstance::Role::Primary ? 3 : 4;
    if (role != SingleInstance::Role::Primary)
        return 5;
    std::printf("PRIMARY\n");
    std::fflush(stdout);
    if (mode == "crash")
        std::raise(SIGKILL);
    QObject::connect(&instance, &SingleInstance::activationRequested, &app, [] {
        std::printf("ACTIVATED\n");
        std::fflush(stdout);
    });
    return QCoreApplication::exec();
}
