#pragma once
// The word processor on LibreOffice: documents are held in memory until Visible is set; then each
// new one is written as a Flat ODT into a private folder and opened with `soffice -n FILE` (a new,
// untitled document), or with `xdg-open FILE` when LibreOffice is missing. Nothing waits for it.

#include "wordprocessor/wordprocessor.h"

#include <QStringList>

#include <functional>

namespace wordprocessor {

struct OpenerEnvironment {
    // Finds a program on the PATH; empty when there is none.
    std::function<QString(const QString& name)> findProgram;
    // Starts a program detached; false when it could not be started.
    std::function<bool(const QString& program, const QStringList& arguments)> startDetached;
    // Where letters are written; empty: a "letters" folder under XDG_RUNTIME_DIR or the cache.
    QString folder;
};

// The real environment: QStandardPaths::findExecutable and QProcess::startDetached.
OpenerEnvironment systemEnvironment();

std::shared_ptr<Application> createLibreOffice(OpenerEnvironment environment);

// The private folder letters go into (created with mode 0700); throws errWordProcessor.
QString privateLetterFolder(const QString& preferred);

} // namespace wordprocessor
