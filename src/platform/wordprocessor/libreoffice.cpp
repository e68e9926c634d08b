#include "libreoffice.h"

#include "contactclient/errors.h"
#include "safefile.h"
#include "wordprocessor/flatodt.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUuid>

#include <vector>

namespace wordprocessor {
namespace {

using contactclient::AutomationError;
using contactclient::errWordProcessor;

class LetterRange : public Range {
public:
    QString Text() const override { return m_text; }
    void setText(const QString& text) override { m_text = text; }

private:
    QString m_text;
};

class LetterDocument : public Document {
public:
    Range& Content() override { return m_content; }
    const LetterRange& content() const { return m_content; }
    bool opened = false;

private:
    LetterRange m_content;
};

class LetterDocuments : public wordprocessor::Documents {
public:
    Document& Add() override { return *documents.emplace_back(std::make_unique<LetterDocument>()); }
    std::vector<std::unique_ptr<LetterDocument>> documents;
};

class LibreOffice : public Application {
public:
    explicit LibreOffice(OpenerEnvironment env) : m_env(std::move(env)) {}

    wordprocessor::Documents& Documents() override { return m_documents; }
    bool Visible() const override { return m_visible; }

    void setVisible(bool visible) override
    {
        if (!visible) {
            m_visible = false;
            return;
        }
        // A document is handed over once: one that failed to open is reported and left alone, so
        // the next letter never reopens it behind the user's back.
        for (auto& doc : m_documents.documents) {
            if (!doc->opened) {
                doc->opened = true;
                open(write(*doc));
            }
        }
        m_visible = true;
    }

private:
    QString write(const LetterDocument& doc)
    {
        const QString folder = privateLetterFolder(m_env.folder);
        const QString name = QStringLiteral("Letter-%1-%2.fodt")
                                 .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")),
                                      QUuid::createUuid().toString(QUuid::Id128).left(8));
        const QString path = QDir(folder).filePath(name);
        const QByteArray bytes = flatOdt(doc.content().Text());
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
            throw AutomationError(
                errWordProcessor,
                QStringLiteral("The letter cannot be written to %1: %2").arg(path, file.errorString()));
        return path;
    }

    void open(const QString& path)
    {
        const QString soffice = m_env.findProgram(QStringLiteral("soffice"));
        if (!soffice.isEmpty()) {
            if (!m_env.startDetached(soffice, {QStringLiteral("-n"), path}))
                throw AutomationError(errWordProcessor,
                                      QStringLiteral("LibreOffice (%1) cannot be started.").arg(soffice));
            return;
        }
        // Handed to xdg-open instead, the letter went to whatever the desktop has for the file, or
        // nowhere, without a word: the user is told what to install.
        throw AutomationError(errWordProcessor,
                              QStringLiteral("No word processor is installed: LibreOffice Writer opens the letters. "
                                             "Install the package libreoffice-writer (for example: sudo apt install "
                                             "libreoffice-writer) and write the letter again. It was saved as %1.")
                                  .arg(path));
    }

    OpenerEnvironment m_env;
    LetterDocuments m_documents;
    bool m_visible = false;
};

} // namespace

std::shared_ptr<Application> createLibreOffice(OpenerEnvironment environment)
{
    return std::make_shared<LibreOffice>(std::move(environment));
}

OpenerEnvironment systemEnvironment()
{
    OpenerEnvironment env;
    env.findProgram = [](const QString& name) { return QStandardPaths::findExecutable(name); };
    env.startDetached = [](const QString& program, const QStringList& arguments) {
        QProcess process;
        process.setProgram(program);
        process.setArguments(arguments);
        process.setStandardInputFile(QProcess::nullDevice());
        process.setStandardOutputFile(QProcess::nullDevice());
        process.setStandardErrorFile(QProcess::nullDevice());
        return process.startDetached();
    };
    return env;
}

QString privateLetterFolder(const QString& preferred)
{
    // The letters hold personal data: the folder is the user's alone. Every level is checked for
    // its owner before its mode is set, and no symbolic link is followed into it.
    QString base;
    QString inside = QStringLiteral("quintel/letters");
    if (!preferred.isEmpty()) {
        const QFileInfo info(QDir::cleanPath(QFileInfo(preferred).absoluteFilePath()));
        base = info.path();
        inside = info.fileName();
    } else {
        const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
        base = (!runtime.isEmpty() && QFileInfo(runtime).isDir())
                   ? runtime
                   : QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    }
    QString why;
    if (!safefile::openPrivateFolder(base, inside, &why).isOpen())
        throw AutomationError(errWordProcessor, QStringLiteral("The letter cannot be written: %1.").arg(why));
    return QDir(base).filePath(inside);
}

} // namespace wordprocessor
