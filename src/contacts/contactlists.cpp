#include "contactlists.h"

#include "contactclient/automation.h"
#include "contacts/searchlist.h"
#include "entry/contactentry.h"
#include "window/frmmain.h"

#include <QComboBox>
#include <QLabel>
#include <QListView>
#include <QSignalBlocker>
#include <QStringListModel>

#include <algorithm>
#include <cstdint>
#include <future>
#include <string_view>
#include <vector>

ContactLists::ContactLists(frmMain& form)
    : m_form(form), m_comboModel(new QStringListModel(this)), m_searchModel(new QStringListModel(this))
{
    m_form.cmbContacts->setModel(m_comboModel);
    m_form.lstContacts->setModel(m_searchModel);
}

void ContactLists::sortAlphabetically(QStringList& names)
{
    // The order of QString::compare(a, b, Qt::CaseInsensitive), equal ones by their exact text.
    // Comparing that way folds both names at every step; with 100,000 names that is most of a
    // reload. Each name is folded once instead, and its first four folded code units are packed
    // into one number, so most comparisons are a single integer comparison.
    const auto n = static_cast<std::size_t>(names.size());
    qsizetype total = 0;
    for (const QString& name : std::as_const(names))
        total += name.size();
    QString folded;
    folded.reserve(total);
    std::vector<std::uint32_t> offsets;
    offsets.reserve(n + 1);
    offsets.push_back(0);
    for (const QString& name : std::as_const(names)) {
        folded.append(name);
        offsets.push_back(static_cast<std::uint32_t>(folded.size()));
    }
    auto* buffer = reinterpret_cast<char16_t*>(folded.data());
    for (std::size_t i = 0; i < n; ++i)
        SearchList::foldInPlace(buffer + offsets[i], offsets[i + 1] - offsets[i]);
    const auto* base = reinterpret_cast<const char16_t*>(folded.constData());
    auto foldedName = [&](std::uint32_t i) {
        return std::u16string_view(base + offsets[i], offsets[i + 1] - offsets[i]);
    };

    struct Key {
        std::uint64_t head;
        std::uint32_t index;
    };
    std::vector<Key> keys(n);
    for (std::size_t i = 0; i < n; ++i) {
        const std::u16string_view f = foldedName(static_cast<std::uint32_t>(i));
        std::uint64_t head = 0;
        for (std::size_t k = 0; k < 4; ++k)
            head = (head << 16) | (k < f.size() ? f[k] : 0);
        keys[i] = {head, static_cast<std::uint32_t>(i)};
    }
    std::sort(keys.begin(), keys.end(), [&](const Key& a, const Key& b) {
        if (a.head != b.head)
            return a.head < b.head;
        const int c = foldedName(a.index).compare(foldedName(b.index));
        if (c != 0)
            return c < 0;
        const auto& x = names.at(a.index);
        const auto& y = names.at(b.index);
        return x != y ? x < y : a.index < b.index;
    });
    QStringList sorted;
    sorted.reserve(names.size());
    for (const Key& k : keys)
        sorted.append(names.at(k.index));
    names = std::move(sorted);
}

void ContactLists::loadContacts(const contactclient::ItemSet& items)
{
    ContactIndex& index = m_form.contactIndex;
    SearchList& search = m_form.searchList;
    {
        const QSignalBlocker blocker(m_form.cmbContacts);
        m_comboModel->setStringList({});
    }
    search.clear();
    index.RemoveAll();

    QStringList names;
    items.forEach([&](const contactclient::Item& item) {
        if (item.TypeName() != contactclient::kContactItemType)
            return;
        const QString fileAs = item.FileAs();
        const QString fullName = item.FullName();
        const QString entryId = item.EntryID();
        names.append(fileAs);
        search.append(fileAs);
        search.append(fullName);
        if (!index.Exists(fullName))
            index.Add(fullName, entryId);
        if (!index.Exists(fileAs))
            index.Add(fileAs, entryId);
    });

    // The count label follows every contact added; nobody sees the steps (the run does not yield),
    // so it is set once to the final count. With no contacts it keeps its text.
    if (!names.isEmpty())
        m_form.lblContactCount->setText(QStringLiteral("(%1)").arg(names.size()));

    // The drop-down's order and the search index do not depend on each other: the names are
    // sorted on a second thread while this one builds the index.
    auto sorting = std::async(std::launch::async, [unsorted = std::move(names)]() mutable {
        sortAlphabetically(unsorted);
        return unsorted;
    });
    search.finish();
    names = sorting.get();
    {
        const QSignalBlocker blocker(m_form.cmbContacts);
        m_comboModel->setStringList(names);
        m_form.cmbContacts->setCurrentIndex(-1);
    }
    m_searchModel->setStringList(search.entries());
    m_form.cmbContacts->setEnabled(true);

    if (m_form.cmbContacts->count() > 0) {
        {
            const QSignalBlocker blocker(m_form.cmbContacts);
            m_form.cmbContacts->setCurrentIndex(0);
        }
        // Selecting an entry is a click on the drop-down, whether or not it was selected before.
        if (m_form.entry)
            m_form.entry->cmbContacts_Click();
    }
}
