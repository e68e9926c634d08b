#pragma once
// A text as a Flat OpenDocument text (.fodt, one XML file): each line a paragraph, spaces and
// tabs kept.

#include <QByteArray>
#include <QString>

namespace wordprocessor {

QByteArray flatOdt(const QString& text);

} // namespace wordprocessor
