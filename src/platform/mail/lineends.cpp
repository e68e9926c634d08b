#include "lineends.h"

namespace mail {

QByteArray LocalLineEnds::convert(QByteArrayView piece)
{
    QByteArray out;
    out.reserve(piece.size() + 1);
    qsizetype i = 0;
    if (m_heldCr) {
        m_heldCr = false;
        if (piece.isEmpty()) {
            m_heldCr = true;
            return out;
        }
        if (piece.front() != '\n')
            out += '\r';
    }
    for (; i < piece.size(); ++i) {
        const char c = piece[i];
        if (c != '\r') {
            out += c;
            continue;
        }
        if (i + 1 == piece.size())
            m_heldCr = true;
        else if (piece[i + 1] != '\n')
            out += c;
    }
    return out;
}

QByteArray LocalLineEnds::finish()
{
    return std::exchange(m_heldCr, false) ? QByteArray("\r") : QByteArray();
}

} // namespace mail
