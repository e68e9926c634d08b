#pragma once
// The floor under start-up: listing the folder and reading every address-book file's bytes, and
// nothing else.

#include <QString>

namespace bench {

struct FloorRun {
    double ms = 0;
    qint64 files = 0;
    qint64 bytes = 0;
};

FloorRun readFloor(const QString& folder, int threads);

} // namespace bench
