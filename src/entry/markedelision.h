#pragma once
// A value shown beside a match with its matched part marked, shortened to a width so that the
// marked part stays in view: the text before it loses its start ("…mbai"), the text after it its
// end ("Mum…"); only a marked part wider than the whole room is itself cut at its end.

#include <QString>
#include <QStringView>

#include <functional>

namespace markedelision {

struct Parts {
    QString before;
    QString marked;
    QString after;
};

// width: how wide a text is drawn (the marked part may be drawn in another font than the rest).
using Width = std::function<int(QStringView text)>;

Parts elide(QStringView value, qsizetype markStart, qsizetype markLength, int room, const Width& plainWidth,
            const Width& markedWidth);

} // namespace markedelision
