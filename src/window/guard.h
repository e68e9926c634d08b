#pragma once
// Runs a handler of the bar; a failure of a component is reported (a message box with its number
// and description) and the bar goes on.

#include <QString>

#include <functional>

class Guard {
public:
    using Reporter = std::function<void(int number, const QString& description)>;
    explicit Guard(Reporter report) : m_report(std::move(report)) {}

    void run(const std::function<void()>& handler) const;
    void report(int number, const QString& description) const;

private:
    Reporter m_report;
};
