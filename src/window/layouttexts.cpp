// The bar's texts from the layout table, listed for the translators: the table keeps them in
// English, and the controls show them translated (controlfactory).
#include <QtGlobal>

namespace {

[[maybe_unused]] const char* const kLayoutTexts[] = {
    QT_TRANSLATE_NOOP("layout", "Options"),       QT_TRANSLATE_NOOP("layout", "Hide to tray"),
    QT_TRANSLATE_NOOP("layout", "Write letter"),  QT_TRANSLATE_NOOP("layout", "CANCEL"),
    QT_TRANSLATE_NOOP("layout", "Dial"),          QT_TRANSLATE_NOOP("layout", "Quick e-mail"),
    QT_TRANSLATE_NOOP("layout", "Close"),         QT_TRANSLATE_NOOP("layout", "CLEAR"),
    QT_TRANSLATE_NOOP("layout", "SEND"),          QT_TRANSLATE_NOOP("layout", "Change size"),
    QT_TRANSLATE_NOOP("layout", "E-mail"),        QT_TRANSLATE_NOOP("layout", "View contact"),
    QT_TRANSLATE_NOOP("layout", "Status bar"),    QT_TRANSLATE_NOOP("layout", "Subject"),
    QT_TRANSLATE_NOOP("layout", "Body"),          QT_TRANSLATE_NOOP("layout", "Status"),
    QT_TRANSLATE_NOOP("layout", "Mail text"),     QT_TRANSLATE_NOOP("layout", "Matching contacts"),
    QT_TRANSLATE_NOOP("layout", "Contact name"),  QT_TRANSLATE_NOOP("layout", "Category"),
    QT_TRANSLATE_NOOP("layout", "Contacts"),      QT_TRANSLATE_NOOP("layout", "No contact found"),
    QT_TRANSLATE_NOOP("layout", "Contact found"), QT_TRANSLATE_NOOP("layout", "Number of contacts"),
};

} // namespace
