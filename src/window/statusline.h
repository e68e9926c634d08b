#pragma once
// The status line over the entry box: a message shown until hidden, or flashed for a while
// unless another one replaces it. A message longer than the line can be read whole in its tool
// tip, and the last notes are kept for the notification-area icon's menu.

#include <QObject>
#include <QString>
#include <QStringList>

class QLineEdit;
class QTimer;

class StatusLine : public QObject {
    Q_OBJECT

public:
    explicit StatusLine(QLineEdit* txtStatus, QObject* parent = nullptr);

    void show(const QString& message);
    void hide();
    void flash(const QString& message, int milliseconds = 4000);

    bool isShown() const;
    // A flashed message: it goes by itself, and a press on it takes it away at once.
    bool isNote() const;
    QString text() const;
    // The message does not fit the line: only its beginning shows.
    bool isCut() const;
    // The last notes flashed, the newest first.
    QStringList recentNotes() const { return m_recent; }

    static constexpr int kRecentNotes = 5;

signals:
    void hidden();

private:
    QLineEdit* m_box;
    QTimer* m_timer;
    QStringList m_recent;
};
