#pragma once
// The filter text the contact client understands for one category.

#include <QString>

// [Categories] = "name", with a double quote inside the name doubled, so such a category
// filters too.
QString categoryFilterText(const QString& name);
