#include "factory.h"

#include "contactclient/errors.h"

#include <vector>

// Placeholder until the LibreOffice stand-in lands: documents kept in memory.
namespace wordprocessor {
namespace {

class MemoryRange : public Range {
public:
    QString Text() const override { return m_text; }
    void setText(const QString& text) override { m_text = text; }

private:
    QString m_text;
};

class MemoryDocument : public Document {
public:
    Range& Content() override { return m_content; }

private:
    MemoryRange m_content;
};

class MemoryDocuments : public wordprocessor::Documents {
public:
    Document& Add() override { return *m_documents.emplace_back(std::make_unique<MemoryDocument>()); }

private:
    std::vector<std::unique_ptr<MemoryDocument>> m_documents;
};

class MemoryApplication : public Application {
public:
    wordprocessor::Documents& Documents() override { return m_documents; }
    bool Visible() const override { return m_visible; }
    void setVisible(bool visible) override
    {
        if (visible)
            throw contactclient::AutomationError(contactclient::errWordProcessor,
                                                 QStringLiteral("No word processor is available."));
        m_visible = visible;
    }

private:
    MemoryDocuments m_documents;
    bool m_visible = false;
};

} // namespace

std::shared_ptr<Application> createApplication()
{
    return std::make_shared<MemoryApplication>();
}

} // namespace wordprocessor
