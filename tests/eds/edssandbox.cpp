#include "edssandbox.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QThread>

#pragma push_macro("signals")
#undef signals
#include <gio/gio.h>
#pragma pop_macro("signals")

#include <signal.h>
#include <sys/prctl.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

bool writeFile(const QString& path, const QByteArray& text)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(text) == text.size();
}

QByteArray serviceFile(const char* name, const QString& exec)
{
    return QByteArray("[D-BUS Service]\nName=") + name + "\nExec=" + exec.toUtf8() + '\n';
}

// Whether the process is gone (or a zombie of someone else's: it no longer runs).
bool gone(pid_t pid)
{
    if (::kill(pid, 0) != 0)
        return true;
    QFile stat(u"/proc/%1/stat"_s.arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return true;
    const QByteArray line = stat.readAll();
    const qsizetype close = line.lastIndexOf(')');
    return close > 0 && line.mid(close + 2, 1) == "Z";
}

// Waits for a condition; the timer bounds it.
template <typename Condition> bool waitFor(Condition done, int milliseconds)
{
    QDeadlineTimer deadline(milliseconds);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QThread::yieldCurrentThread();
        QThread::usleep(20000); // a polling step while a process ends, not a wait for time
    }
    return true;
}

} // namespace

EdsSandbox::EdsSandbox(Services services) : m_services(services) {}

EdsSandbox::~EdsSandbox()
{
    stop();
}

bool EdsSandbox::writeConfig()
{
    const QString root = m_root.path();
    for (const char* dir : {"config", "data", "cache", "runtime", "services"}) {
        if (!QDir().mkpath(root + QLatin1Char('/') + QLatin1String(dir)))
            return false;
    }
    QFile::setPermissions(root + u"/runtime"_s, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString services = root + u"/services"_s;
    bool ok = true;
    if (m_services == Services::Eds) {
        ok = writeFile(services + u"/registry.service"_s, serviceFile("org.gnome.evolution.dataserver.Sources5",
                                                                      u"/usr/libexec/evolution-source-registry"_s)) &&
             writeFile(services + u"/addressbook.service"_s,
                       serviceFile("org.gnome.evolution.dataserver.AddressBook10",
                                   u"/usr/libexec/evolution-addressbook-factory"_s));
    } else if (m_services == Services::Hanging) {
        // Started by the bus, never on it: it leaves its process number for stop().
        const QString script = root + u"/hanging-registry"_s;
        ok = writeFile(script, "#!/bin/sh\necho $$ > '" + root.toUtf8() + "/hanging.pid'\nexec sleep 120\n") &&
             QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner) &&
             writeFile(services + u"/registry.service"_s,
                       serviceFile("org.gnome.evolution.dataserver.Sources5", script));
    }
    const QByteArray config = "<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-BUS Bus Configuration 1.0//EN\"\n"
                              " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
                              "<busconfig>\n"
                              "  <type>session</type>\n"
                              "  <listen>unix:dir=" +
                              root.toUtf8() +
                              "/runtime</listen>\n"
                              "  <servicedir>" +
                              services.toUtf8() +
                              "</servicedir>\n"
                              "  <policy context=\"default\">\n"
                              "    <allow send_destination=\"*\" eavesdrop=\"true\"/>\n"
                              "    <allow eavesdrop=\"true\"/>\n"
                              "    <allow own=\"*\"/>\n"
                              "  </policy>\n"
                              "</busconfig>\n";
    return ok && writeFile(root + u"/bus.conf"_s, config);
}

bool EdsSandbox::start()
{
    if (!m_root.isValid() || !writeConfig()) {
        m_error = u"cannot write the sandbox's files"_s;
        return false;
    }
    QProcessEnvironment env = environment();
    env.remove(u"DBUS_SESSION_BUS_ADDRESS"_s);
    m_bus.setProcessEnvironment(env);
    // A test that dies takes its bus along, and the address book's services end with their bus.
    m_bus.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    m_bus.start(u"dbus-daemon"_s,
                {u"--config-file="_s + m_root.path() + u"/bus.conf"_s, u"--nofork"_s, u"--print-address=1"_s});
    if (!m_bus.waitForStarted(10000)) {
        m_error = u"dbus-daemon does not start: "_s + m_bus.errorString();
        return false;
    }
    while (!m_bus.canReadLine()) {
        if (!m_bus.waitForReadyRead(10000)) {
            m_error = u"dbus-daemon prints no address: "_s + QString::fromUtf8(m_bus.readAllStandardError());
            return false;
        }
    }
    m_address = QString::fromUtf8(m_bus.readLine()).trimmed();
    return !m_address.isEmpty();
}

QProcessEnvironment EdsSandbox::environment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    const QString root = m_root.path();
    env.insert(u"DBUS_SESSION_BUS_ADDRESS"_s, m_address);
    env.insert(u"XDG_CONFIG_HOME"_s, root + u"/config"_s);
    env.insert(u"XDG_DATA_HOME"_s, root + u"/data"_s);
    env.insert(u"XDG_CACHE_HOME"_s, root + u"/cache"_s);
    env.insert(u"XDG_RUNTIME_DIR"_s, root + u"/runtime"_s);
    env.insert(u"GSETTINGS_BACKEND"_s, u"memory"_s);
    env.remove(u"DBUS_SYSTEM_BUS_ADDRESS"_s);
    return env;
}

void EdsSandbox::enterThisProcess() const
{
    const QProcessEnvironment env = environment();
    for (const char* name : {"DBUS_SESSION_BUS_ADDRESS", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME",
                             "XDG_RUNTIME_DIR", "GSETTINGS_BACKEND"})
        qputenv(name, env.value(QString::fromLatin1(name)).toUtf8());
    // The bus goes away at the end of the test; this process must not end with it.
    if (GDBusConnection* bus = g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, nullptr)) {
        g_dbus_connection_set_exit_on_close(bus, false);
        g_object_unref(bus);
    }
}

void EdsSandbox::endBusClients()
{
    GError* error = nullptr;
    GDBusConnection* bus =
        g_dbus_connection_new_for_address_sync(m_address.toUtf8().constData(),
                                               GDBusConnectionFlags(G_DBUS_CONNECTION_FLAGS_AUTHENTICATION_CLIENT |
                                                                    G_DBUS_CONNECTION_FLAGS_MESSAGE_BUS_CONNECTION),
                                               nullptr, nullptr, &error);
    if (!bus) {
        g_clear_error(&error);
        return;
    }
    g_dbus_connection_set_exit_on_close(bus, false);
    QList<pid_t> pids;
    GVariant* names = g_dbus_connection_call_sync(bus, "org.freedesktop.DBus", "/org/freedesktop/DBus",
                                                  "org.freedesktop.DBus", "ListNames", nullptr, G_VARIANT_TYPE("(as)"),
                                                  G_DBUS_CALL_FLAGS_NONE, 5000, nullptr, nullptr);
    if (names) {
        GVariantIter* iter = nullptr;
        const gchar* name = nullptr;
        g_variant_get(names, "(as)", &iter);
        while (g_variant_iter_next(iter, "&s", &name)) {
            if (name[0] != ':')
                continue;
            GVariant* pid = g_dbus_connection_call_sync(bus, "org.freedesktop.DBus", "/org/freedesktop/DBus",
                                                        "org.freedesktop.DBus", "GetConnectionUnixProcessID",
                                                        g_variant_new("(s)", name), G_VARIANT_TYPE("(u)"),
                                                        G_DBUS_CALL_FLAGS_NONE, 5000, nullptr, nullptr);
            if (pid) {
                guint32 value = 0;
                g_variant_get(pid, "(u)", &value);
                if (pid_t(value) != ::getpid() && !pids.contains(pid_t(value)))
                    pids.append(pid_t(value));
                g_variant_unref(pid);
            }
        }
        g_variant_iter_free(iter);
        g_variant_unref(names);
    }
    g_object_unref(bus);
    QFile hanging(m_root.path() + u"/hanging.pid"_s);
    if (hanging.open(QIODevice::ReadOnly))
        pids.append(pid_t(hanging.readAll().trimmed().toInt()));
    for (pid_t pid : pids)
        ::kill(pid, SIGTERM);
    for (pid_t pid : pids) {
        if (!waitFor([pid] { return gone(pid); }, 5000))
            ::kill(pid, SIGKILL);
    }
}

void EdsSandbox::stop()
{
    if (m_bus.state() == QProcess::NotRunning)
        return;
    endBusClients();
    m_bus.terminate();
    if (!m_bus.waitForFinished(5000)) {
        m_bus.kill();
        m_bus.waitForFinished(5000);
    }
}
