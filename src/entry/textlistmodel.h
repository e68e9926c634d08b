#pragma once
// A read-only list model whose rows are texts handed out one at a time: the drop-down and the
// search list show 100,000 names without a QStringList of them beside the lists that hold them.

#include <QAbstractListModel>

#include <functional>

class TextListModel : public QAbstractListModel {
    Q_OBJECT

public:
    using TextAt = std::function<QString(int row)>;

    explicit TextListModel(QObject* parent = nullptr) : QAbstractListModel(parent) {}

    // The rows become count texts, row r showing textAt(r); textAt keeps alive what it reads.
    void setTexts(int count, TextAt textAt);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    int m_count = 0;
    TextAt m_textAt;
};
