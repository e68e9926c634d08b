#pragma once
// The category list as the bar's settings keep it: the count, then Categories/1 … N.

#include "fakes/memorysettingsstore.h"

#include <QStringList>

inline void storeCategories(fake::MemorySettingsStore& store, const QStringList& names)
{
    store.values.insert(QStringLiteral("Settings/NumberOfCategories"), QString::number(names.size()));
    for (int i = 0; i < names.size(); ++i)
        store.values.insert(QStringLiteral("Categories/%1").arg(i + 1), names.at(i));
}
