#include "tabstrip.h"

#include <QPainter>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>

TabStrip::TabStrip(QWidget* parent) : QWidget(parent), m_bar(new QTabBar(this))
{
    m_bar->setDrawBase(false);
    m_bar->setExpanding(false);
    m_bar->setUsesScrollButtons(false);
    setFocusProxy(m_bar);
    setFocusPolicy(m_bar->focusPolicy());
    connect(m_bar, &QTabBar::currentChanged, this, [this] { emit selectedChanged(); });
}

void TabStrip::addTab(const QString& caption, const QString& key, const QString& toolTip)
{
    const int i = m_bar->addTab(caption);
    m_bar->setTabData(i, key);
    m_bar->setTabToolTip(i, toolTip);
    m_bar->setAccessibleTabName(i, caption);
    m_bar->resize(width(), m_bar->sizeHint().height());
    update();
}

int TabStrip::count() const
{
    return m_bar->count();
}

QString TabStrip::key(int index) const
{
    return m_bar->tabData(index - 1).toString();
}

int TabStrip::selectedIndex() const
{
    return m_bar->currentIndex() + 1;
}

void TabStrip::setSelectedIndex(int index)
{
    m_bar->setCurrentIndex(index - 1);
}

void TabStrip::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_bar->resize(width(), m_bar->sizeHint().height());
}

void TabStrip::paintEvent(QPaintEvent*)
{
    // The body: the frame a tab widget draws around its pages, joined to the row of tabs.
    QStyleOptionTabWidgetFrame option;
    option.initFrom(this);
    const int overlap = style()->pixelMetric(QStyle::PM_TabBarBaseOverlap, nullptr, this);
    const int top = m_bar->height() - overlap;
    option.rect = QRect(0, top, width(), height() - top);
    option.shape = m_bar->shape();
    option.tabBarSize = m_bar->size();
    option.tabBarRect = m_bar->geometry();
    option.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_FrameTabWidget, &option, &painter, this);
}
