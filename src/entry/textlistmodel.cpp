#include "textlistmodel.h"

void TextListModel::setTexts(int count, TextAt textAt)
{
    beginResetModel();
    m_count = count;
    m_textAt = std::move(textAt);
    endResetModel();
}

int TextListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_count;
}

QVariant TextListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_count || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return m_textAt(index.row());
}
