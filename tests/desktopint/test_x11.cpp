// The program's way to the X server, on a real display: atoms as the server names them, however
// often and in whatever order they are asked for; the window manager's frame extents as margins;
// the message that ends a launcher's startup notification.

#include "desktop/x11.h"

#include <QTest>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <optional>

Q_DECLARE_METATYPE(std::optional<QMargins>)

namespace {

QByteArray cardinals(std::initializer_list<quint32> values)
{
    QByteArray bytes;
    for (const quint32 v : values)
        bytes.append(reinterpret_cast<const char*>(&v), sizeof v);
    return bytes;
}

} // namespace

class TestX11 : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(x11::isAvailable());
        m_own = xcb_connect(nullptr, nullptr);
        QVERIFY(m_own && !xcb_connection_has_error(m_own));
    }

    void cleanupTestCase()
    {
        if (m_own)
            xcb_disconnect(m_own);
    }

    void atomsAsTheServerNamesThem_data()
    {
        QTest::addColumn<QByteArrayList>("names");
        QTest::newRow("one name") << QByteArrayList{"_NET_WM_STATE"};
        QTest::newRow("the same name again") << QByteArrayList{"_NET_WM_STATE", "_NET_WM_STATE"};
        QTest::newRow("names that share a beginning")
            << QByteArrayList{"_NET_WM_STATE", "_NET_WM_STATE_ABOVE", "_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE"};
        QTest::newRow("a name the server did not know")
            << QByteArrayList{"QUINTEL_TEST_NEW_ATOM", "QUINTEL_TEST_NEW_ATOM"};
    }
    void atomsAsTheServerNamesThem()
    {
        QFETCH(QByteArrayList, names);
        for (const QByteArray& name : std::as_const(names)) {
            // Asked through a buffer that is then overwritten: the name must be kept, not its address.
            QByteArray asked = name;
            const quint32 got = x11::atom(asked.data());
            asked.fill('X');
            xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
                m_own, xcb_intern_atom(m_own, 0, quint16(name.size()), name.constData()), nullptr);
            QVERIFY(reply);
            const quint32 expected = reply->atom;
            std::free(reply);
            QVERIFY2(got != 0, name.constData());
            QCOMPARE(got, expected);
        }
    }

    void frameExtents_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<std::optional<QMargins>>("expected");

        // The property is left, right, top, bottom; margins are left, top, right, bottom.
        QTest::newRow("a title bar and thin sides")
            << 32 << cardinals({1, 2, 30, 4}) << std::optional(QMargins(1, 30, 2, 4));
        QTest::newRow("no frame") << 32 << cardinals({0, 0, 0, 0}) << std::optional(QMargins());
        QTest::newRow("bytes, not cardinals") << 8 << cardinals({1, 2, 30, 4}) << std::optional<QMargins>();
        QTest::newRow("three sides") << 32 << cardinals({1, 2, 30}) << std::optional<QMargins>();
        QTest::newRow("unset") << 0 << QByteArray() << std::optional<QMargins>();
        QTest::newRow("a side wider than any frame") << 32 << cardinals({1, 2, 500, 4}) << std::optional<QMargins>();
        QTest::newRow("a negative side") << 32 << cardinals({1, 0xffffffffu, 30, 4}) << std::optional<QMargins>();
    }
    void frameExtents()
    {
        QFETCH(int, format);
        QFETCH(QByteArray, value);
        QFETCH(std::optional<QMargins>, expected);
        QCOMPARE(x11::parseFrameExtents(format, value), expected);
    }

    void startupRemoveMessage_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QByteArray>("message");

        QTest::newRow("plain") << "launcher-42_TIME123" << QByteArray("remove: ID=launcher-42_TIME123\0", 31);
        QTest::newRow("blank, quote and backslash escaped")
            << "a b\"c\\d" << QByteArray("remove: ID=a\\ b\\\"c\\\\d\0", 22);
    }
    void startupRemoveMessage()
    {
        QFETCH(QString, id);
        QFETCH(QByteArray, message);
        QCOMPARE(x11::startupRemoveMessage(id), message);
    }

private:
    // A connection of the test's own, to ask the server without the program's cache.
    xcb_connection_t* m_own = nullptr;
};

QTEST_MAIN(TestX11)
#include "test_x11.moc"
