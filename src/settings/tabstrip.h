#pragma once
// A tab strip: a row of tabs over a framed body. Each tab has a caption, a key and a tool tip; the
// selected tab is read and set by its 1-based index. The pages themselves are separate widgets
// that the owner lays over the body; the strip only says which tab is selected.

#include <QWidget>

class QTabBar;

class TabStrip : public QWidget {
    Q_OBJECT

public:
    explicit TabStrip(QWidget* parent = nullptr);

    void addTab(const QString& caption, const QString& key, const QString& toolTip);
    int count() const;
    QString key(int index) const; // 1-based
    // 1-based; 0 when there are no tabs.
    int selectedIndex() const;
    void setSelectedIndex(int index);
    QTabBar* tabBar() const { return m_bar; }

signals:
    // A tab became selected, by the user or by code.
    void selectedChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QTabBar* m_bar;
};
