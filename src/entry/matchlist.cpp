#include "matchlist.h"

#include "contacts/contactlookup.h"
#include "entry/contactentry.h"
#include "entry/markedelision.h"
#include "entry/matchplacement.h"
#include "entry/newcontactrow.h"

#include <QAbstractButton>
#include <QAbstractListModel>
#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QPainter>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QTimer>

#include <functional>

namespace {

constexpr int kVisibleRows = ContactLookup::kVisibleRows;

QString kindLabel(ContactFinder::Kind kind)
{
    using Kind = ContactFinder::Kind;
    switch (kind) {
    case Kind::Email:
        return QCoreApplication::translate("MatchList", "e-mail");
    case Kind::Phone:
        return QCoreApplication::translate("MatchList", "number");
    case Kind::Organization:
        return QCoreApplication::translate("MatchList", "organisation");
    case Kind::Title:
        return QCoreApplication::translate("MatchList", "title");
    case Kind::Nickname:
        return QCoreApplication::translate("MatchList", "nickname");
    case Kind::Category:
        return QCoreApplication::translate("MatchList", "category");
    case Kind::Place:
        return QCoreApplication::translate("MatchList", "place");
    case Kind::Name:
        return QCoreApplication::translate("MatchList", "name");
    }
    return {};
}

enum Role { MarkStartRole = Qt::UserRole + 1, MarkLengthRole, ValueRole, EntryIdRole, NewContactRole };

} // namespace

class MatchModel : public QAbstractListModel {
public:
    // newContact: the text the last row offers to add, empty for no such row. detail fills in the
    // rows that came without their details, when they are first asked for.
    void setRows(std::vector<ContactSearch::Shown> rows, const QString& newContact = {},
                 std::function<void(ContactSearch::Shown&)> detail = {})
    {
        beginResetModel();
        m_rows = std::move(rows);
        m_detail = std::move(detail);
        m_newContact = newContact;
        m_newLabel = newContact.isEmpty() ? QString() : newcontactrow::label(newContact);
        endResetModel();
    }
    const ContactSearch::Shown& at(int row) const
    {
        ContactSearch::Shown& r = m_rows[size_t(row)];
        if (!r.detailed && m_detail)
            m_detail(r);
        return r;
    }
    bool isNewContact(int row) const { return !m_newContact.isEmpty() && row == int(m_rows.size()); }
    const QString& newContact() const { return m_newContact; }
    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : int(m_rows.size()) + (m_newContact.isEmpty() ? 0 : 1);
    }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid() || index.row() >= rowCount())
            return {};
        if (isNewContact(index.row())) {
            switch (role) {
            case Qt::DisplayRole:
            case Qt::AccessibleTextRole:
                return m_newLabel;
            case Qt::ToolTipRole:
                return QCoreApplication::translate("MatchList", "Opens a new contact card with this text (Ctrl+N)");
            case Qt::FontRole: {
                QFont font;
                font.setItalic(true);
                return font;
            }
            case NewContactRole:
                return true;
            default:
                return {};
            }
        }
        const ContactSearch::Shown& r = at(index.row());
        switch (role) {
        case Qt::DisplayRole:
            return r.fileAs;
        case Qt::AccessibleTextRole:
        case Qt::ToolTipRole:
            return r.value.isEmpty() ? r.fileAs
                                     : QCoreApplication::translate("MatchList", "%1, %2 %3")
                                           .arg(r.fileAs, kindLabel(r.kind), r.value);
        case ValueRole:
            return r.value;
        case MarkStartRole:
            return int(r.markStart);
        case MarkLengthRole:
            return int(r.markLength);
        case EntryIdRole:
            return r.entryId;
        default:
            return {};
        }
    }

private:
    mutable std::vector<ContactSearch::Shown> m_rows; // detailed as they are asked for
    std::function<void(ContactSearch::Shown&)> m_detail;
    QString m_newContact;
    QString m_newLabel;
};

namespace {

// A row: the name, then the field that matched in a quieter colour with the matched part bold.
class MatchDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // Rows a little taller than the text: the list is as high as its rows, so the last row shown is
    // never cut off.
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(std::max(size.height(), option.fontMetrics.height() + 4));
        return size;
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        const QString value = index.data(ValueRole).toString();
        opt.text.clear();
        const QWidget* widget = opt.widget;
        QStyle* style = widget ? widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);

        const QRect text = style->subElementRect(QStyle::SE_ItemViewItemText, &opt, widget);
        const bool selected = opt.state & QStyle::State_Selected;
        const QPalette::ColorRole role = selected ? QPalette::HighlightedText : QPalette::Text;
        painter->save();
        painter->setPen(opt.palette.color(QPalette::Active, role));
        QFontMetrics metrics(opt.font);
        const QString name = index.data(Qt::DisplayRole).toString();
        const int nameWidth =
            std::min(metrics.horizontalAdvance(name), value.isEmpty() ? text.width() : text.width() / 2);
        painter->drawText(QRect(text.left(), text.top(), nameWidth, text.height()), Qt::AlignVCenter | Qt::AlignLeft,
                          metrics.elidedText(name, Qt::ElideRight, nameWidth));
        if (!value.isEmpty()) {
            int x = text.left() + nameWidth + metrics.horizontalAdvance(QStringLiteral("   "));
            QColor quiet = opt.palette.color(QPalette::Active, role);
            if (!selected)
                quiet.setAlphaF(0.7f);
            QFont bold = opt.font;
            bold.setBold(true);
            const QFontMetrics boldMetrics(bold);
            // Shortened so that the marked part stays in view ("…mbai" would hide what matched).
            const markedelision::Parts shown = markedelision::elide(
                value, index.data(MarkStartRole).toInt(), index.data(MarkLengthRole).toInt(), text.right() - x,
                [&metrics](QStringView t) { return metrics.horizontalAdvance(t.toString()); },
                [&boldMetrics](QStringView t) { return boldMetrics.horizontalAdvance(t.toString()); });
            const QString parts[3] = {shown.before, shown.marked, shown.after};
            for (int i = 0; i < 3 && x < text.right(); ++i) {
                const QFont& font = i == 1 ? bold : opt.font;
                painter->setFont(font);
                painter->setPen(i == 1 ? opt.palette.color(QPalette::Active, role) : quiet);
                const int w = std::min(QFontMetrics(font).horizontalAdvance(parts[i]), text.right() - x);
                painter->drawText(QRect(x, text.top(), w, text.height()), Qt::AlignVCenter | Qt::AlignLeft, parts[i]);
                x += w;
            }
        }
        painter->restore();
    }
};

} // namespace

MatchList::MatchList(QWidget& window, QLineEdit* box, ContactEntry& entry, ContactLookup& lookup)
    : m_window(window), m_box(box), m_entry(entry), m_lookup(lookup), m_model(std::make_unique<MatchModel>())
{
    // A window of its own that never takes the focus: typing goes on in the box.
    m_view = new QListView(&m_window);
    m_view->setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus);
    m_view->setAttribute(Qt::WA_ShowWithoutActivating);
    m_view->setObjectName(QStringLiteral("lstMatches"));
    m_view->setAccessibleName(QCoreApplication::translate("MatchList", "Matching contacts"));
    m_view->setFocusPolicy(Qt::NoFocus);
    m_view->viewport()->setFocusPolicy(Qt::NoFocus);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setUniformItemSizes(true);
    m_view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_view->setItemDelegate(new MatchDelegate(m_view));
    m_view->setModel(m_model.get());
    m_view->hide();
    connect(m_view, &QListView::clicked, this, &MatchList::choose);

    auto* later = m_later = new QTimer(this);
    later->setSingleShot(true);
    later->setInterval(0);
    connect(later, &QTimer::timeout, this, &MatchList::typed);
    // The completion answers a change first; the list follows once the box holds its outcome.
    connect(m_box, &QLineEdit::textEdited, this, [this, later] {
        if (m_enabled)
            later->start();
    });
    connect(m_box, &QLineEdit::textChanged, this, [this, later](const QString& text) {
        if (text.isEmpty() || (!later->isActive() && !m_choosing))
            close();
    });
    connect(&m_lookup, &ContactLookup::ready, this, [this] {
        if (isOpen())
            typed();
    });
    m_box->installEventFilter(this);
    m_window.installEventFilter(this);
}

MatchList::~MatchList()
{
    delete m_view.data();
}

void MatchList::setEnabled(bool enabled)
{
    m_enabled = enabled;
    if (!enabled)
        close();
}

void MatchList::offerNewContacts(std::function<bool(const QString&)> offered, std::function<void(const QString&)> add)
{
    m_offerNew = std::move(offered);
    m_addNew = std::move(add);
}

void MatchList::countUseOf(const QList<QAbstractButton*>& buttons, const std::function<QString()>& chosenEntryId)
{
    for (QAbstractButton* button : buttons) {
        connect(button, &QAbstractButton::clicked, this, [this, chosenEntryId] {
            const QString id = chosenEntryId();
            if (!id.isEmpty())
                m_lookup.recordUse(id);
        });
    }
}

bool MatchList::isOpen() const
{
    return m_view && m_view->isVisible();
}

void MatchList::close()
{
    if (isOpen())
        m_view->hide();
}

void MatchList::answerNow()
{
    if (!m_later->isActive())
        return;
    m_later->stop();
    typed();
}

void MatchList::typed()
{
    const QString text = m_box->text();
    if (!m_enabled || text.isEmpty() || !m_box->hasFocus()) {
        close();
        return;
    }
    // What the user typed: the completed tail is selected behind it.
    const QString query = m_box->hasSelectedText() ? text.left(m_box->selectionStart()) : text;
    // The rows out of sight are detailed when scrolled to.
    std::vector<ContactSearch::Shown> rows = m_lookup.find(query, text, kVisibleRows);
    const bool offerNew = m_addNew && m_offerNew && m_offerNew(text);
    if (rows.empty() && !offerNew) {
        close();
        return;
    }
    m_model->setRows(std::move(rows), offerNew ? text : QString(), m_lookup.detailer(query));
    show();
}

void MatchList::openRecent()
{
    std::vector<ContactSearch::Shown> rows = m_lookup.recent(10);
    if (rows.empty())
        return;
    m_model->setRows(std::move(rows));
    show();
    m_view->setCurrentIndex(m_model->index(0, 0));
}

void MatchList::show()
{
    const int rowHeight = m_view->sizeHintForRow(0);
    const int frame = 2 * m_view->frameWidth();
    const int rows = std::min(m_model->rowCount(), kVisibleRows);
    QScreen* screen = m_window.screen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1920, 1080);
    const QRect bar = m_window.frameGeometry();
    const QRect where = matchplacement::place(bar, available, QSize(bar.width(), rows * rowHeight + frame));
    m_view->setGeometry(where);
    m_view->clearSelection();
    m_view->setCurrentIndex({});
    m_view->scrollToTop();
    m_view->show();
    m_view->raise();
}

void MatchList::move(int rows)
{
    const int count = m_model->rowCount();
    if (count == 0)
        return;
    const QModelIndex current = m_view->currentIndex();
    int row = current.isValid() ? current.row() + rows : (rows > 0 ? rows - 1 : count + rows);
    row = std::clamp(row, 0, count - 1);
    const QModelIndex index = m_model->index(row, 0);
    m_view->setCurrentIndex(index);
    m_view->scrollTo(index);
}

void MatchList::choose(const QModelIndex& index)
{
    if (!index.isValid())
        return;
    if (m_model->isNewContact(index.row())) {
        const QString text = m_model->newContact();
        close();
        m_addNew(text);
        return;
    }
    const QString name = m_model->at(index.row()).fileAs;
    const QString entryId = m_model->at(index.row()).entryId;
    close();
    m_choosing = true;
    m_entry.pickName(name, entryId);
    m_choosing = false;
}

bool MatchList::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &m_window) {
        switch (event->type()) {
        case QEvent::Hide:
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::WindowDeactivate:
            close();
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }
    if (watched != m_box)
        return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::FocusOut) {
        close();
    } else if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
            return false;
        const int page = std::max(1, kVisibleRows - 1);
        if (!isOpen()) {
            if (key->key() == Qt::Key_Down && m_enabled && m_box->text().isEmpty()) {
                openRecent();
                return true;
            }
            return false;
        }
        switch (key->key()) {
        case Qt::Key_Down:
            move(1);
            return true;
        case Qt::Key_Up:
            move(-1);
            return true;
        case Qt::Key_PageDown:
            move(page);
            return true;
        case Qt::Key_PageUp:
            move(-page);
            return true;
        case Qt::Key_Escape:
            close();
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (m_view->currentIndex().isValid()) {
                choose(m_view->currentIndex());
                return true;
            }
            close();
            return false;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}
