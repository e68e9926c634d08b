#include "statusline.h"

#include <QLineEdit>
#include <QTimer>

StatusLine::StatusLine(QLineEdit* txtStatus, QObject* parent)
    : QObject(parent), m_box(txtStatus), m_timer(new QTimer(this))
{
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &StatusLine::hide);
    // The line only tells: it never takes the keyboard, so typed keys go on into the entry box
    // under it, and a press goes through to the box as well.
    m_box->setFocusPolicy(Qt::NoFocus);
    m_box->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void StatusLine::show(const QString& message)
{
    m_timer->stop();
    if (!message.isEmpty()) {
        m_box->setText(message);
        m_box->setToolTip(message);
    }
    // A message longer than the line shows its beginning.
    m_box->setCursorPosition(0);
    if (!m_box->isVisible())
        m_box->setVisible(true);
}

void StatusLine::hide()
{
    m_timer->stop();
    const bool was = !m_box->isHidden();
    m_box->setVisible(false);
    if (was)
        emit hidden();
}

void StatusLine::flash(const QString& message, int milliseconds)
{
    if (!message.isEmpty()) {
        m_recent.removeAll(message);
        m_recent.prepend(message);
        while (m_recent.size() > kRecentNotes)
            m_recent.removeLast();
    }
    show(message);
    m_timer->start(milliseconds);
}

bool StatusLine::isNote() const
{
    return m_timer->isActive();
}

bool StatusLine::isShown() const
{
    return m_box->isVisible();
}

QString StatusLine::text() const
{
    return m_box->text();
}

bool StatusLine::isCut() const
{
    // The line has no frame: its text has the width less a small margin on each side.
    return m_box->fontMetrics().horizontalAdvance(m_box->text()) > m_box->width() - 4;
}
