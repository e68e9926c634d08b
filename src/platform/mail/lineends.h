#pragma once
// Mail travels with CRLF line ends; a local mail program takes the system's own (LF). The message
// is turned piece by piece: a CR that ends one piece waits for the next to show whether an LF
// follows it.

#include <QByteArray>
#include <QByteArrayView>

namespace mail {

class LocalLineEnds {
public:
    // The piece with each CRLF made LF; a lone CR stays as it is.
    QByteArray convert(QByteArrayView piece);
    // What is still held back after the last piece.
    QByteArray finish();

private:
    bool m_heldCr = false;
};

} // namespace mail
