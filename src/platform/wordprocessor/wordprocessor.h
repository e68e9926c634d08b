#pragma once
// The word processor's automation surface: Documents -> Add -> Content -> Text, and Visible.
// Creating the application object never starts the word processor; documents are held in memory
// until Visible is set, then opened. Failures throw contactclient::AutomationError.

#include <QString>

#include <memory>

namespace wordprocessor {

class Range {
public:
    virtual ~Range() = default;
    virtual QString Text() const = 0;
    virtual void setText(const QString& text) = 0;
};

class Document {
public:
    virtual ~Document() = default;
    virtual Range& Content() = 0;
};

class Documents {
public:
    virtual ~Documents() = default;
    // A new document from the default template.
    virtual Document& Add() = 0;
};

class Application {
public:
    virtual ~Application() = default;
    virtual wordprocessor::Documents& Documents() = 0;
    virtual bool Visible() const = 0;
    // Setting it true opens every document not yet opened.
    virtual void setVisible(bool visible) = 0;
};

} // namespace wordprocessor
