#pragma once
// The status line over the entry box: a message shown until hidden, or flashed for a while
// unless another one replaces it.

#include <QObject>
#include <QString>

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

signals:
    void hidden();

private:
    QLineEdit* m_box;
    QTimer* m_timer;
};
