#pragma once
// Failures of the platform stand-ins. Each carries a number and a description, which is what the
// program shows when it reports a failure. The numbers are listed in app/errornumbers.h.

#include <QString>

#include <exception>
#include <stdexcept>

namespace contactclient {

class AutomationError : public std::runtime_error {
public:
    AutomationError(int number, const QString& description)
        : std::runtime_error(description.toStdString()), m_number(number), m_description(description)
    {
    }
    int number() const { return m_number; }
    QString description() const { return m_description; }

private:
    int m_number;
    QString m_description;
};

// Error numbers of the stand-ins.
enum ErrorNumber : int {
    errUnexpected = 1,          // an unexpected failure inside the program
    errStoreUnavailable = 1001, // the address book cannot be opened or read
    errItemNotFound = 1002,     // GetItemFromID: the item is gone
    errBadFilter = 1003,        // Restrict: a filter it does not understand
    errUnsupported = 1004,      // an argument the stand-in does not support (folder kind, item kind)
    errMailNotSent = 1010,      // Send failed; nothing was lost
    errMailAddress = 1011,      // no usable recipient, or an unsafe header value
    errComposer = 1012,         // the desktop's composer or dialer could not be started
    errMailTryLater = 1013,     // Send failed for a reason that may pass (server unreachable, timeout,
                                // a 4xx answer); nothing was lost
    errWordProcessor = 1020,    // the word processor is missing or could not open the letter
    errReadOnly = 1030,         // the contact's address book cannot be written from here
    errConflict = 1031,         // the contact was changed elsewhere since it was read; nothing written
    errNotWritten = 1032,       // writing the contact failed; the address book is as it was
    errBadValue = 1033,         // a value or property name that cannot be written
};

// The number and description of whatever was thrown (an AutomationError keeps its own).
struct Failure {
    int number = errUnexpected;
    QString description;
};
inline Failure describeFailure(std::exception_ptr error)
{
    try {
        std::rethrow_exception(std::move(error));
    } catch (const AutomationError& e) {
        return {e.number(), e.description()};
    } catch (const std::exception& e) {
        return {errUnexpected, QString::fromUtf8(e.what())};
    } catch (...) {
        return {errUnexpected, QStringLiteral("An unknown failure.")};
    }
}

class ItemNotFound : public AutomationError {
public:
    explicit ItemNotFound(const QString& entryId)
        : AutomationError(errItemNotFound, QStringLiteral("The item \"%1\" is not in the address book.").arg(entryId))
    {
    }
};

class ConflictError : public AutomationError {
public:
    explicit ConflictError(const QString& description) : AutomationError(errConflict, description) {}
};

} // namespace contactclient
