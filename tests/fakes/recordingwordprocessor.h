#pragma once
// A recording fake of the word processor: documents in memory, calls logged in order.

#include "wordprocessor/wordprocessor.h"

#include <QStringList>

#include <memory>
#include <vector>

namespace fake {

class RecordingWordProcessor : public wordprocessor::Application {
public:
    class Range : public wordprocessor::Range {
    public:
        explicit Range(QStringList& log) : m_log(log) {}
        QString Text() const override { return text; }
        void setText(const QString& t) override
        {
            m_log.append(QStringLiteral("Text=") + t);
            text = t;
        }
        QString text;

    private:
        QStringList& m_log;
    };
    class Document : public wordprocessor::Document {
    public:
        explicit Document(QStringList& log) : content(log), m_log(log) {}
        wordprocessor::Range& Content() override
        {
            m_log.append(QStringLiteral("Content"));
            return content;
        }
        Range content;

    private:
        QStringList& m_log;
    };
    class Docs : public wordprocessor::Documents {
    public:
        explicit Docs(QStringList& log) : m_log(log) {}
        wordprocessor::Document& Add() override
        {
            m_log.append(QStringLiteral("Add"));
            return *documents.emplace_back(std::make_unique<Document>(m_log));
        }
        std::vector<std::unique_ptr<Document>> documents;

    private:
        QStringList& m_log;
    };

    QStringList log;
    Docs docs{log};
    bool visible = false;
    QString failVisible; // non-empty: setVisible(true) throws with this description

    wordprocessor::Documents& Documents() override
    {
        log.append(QStringLiteral("Documents"));
        return docs;
    }
    bool Visible() const override { return visible; }
    void setVisible(bool v) override;
};

} // namespace fake

#include "contactclient/errors.h"

inline void fake::RecordingWordProcessor::setVisible(bool v)
{
    log.append(QStringLiteral("Visible=%1").arg(v ? QStringLiteral("true") : QStringLiteral("false")));
    if (v && !failVisible.isEmpty())
        throw contactclient::AutomationError(contactclient::errWordProcessor, failVisible);
    visible = v;
}
