// A little over 400 lines: the card's view, its edit mode, saving, cancelling and deleting share
// the one window's state (the contact shown, whether it is being edited, its book); apart, each
// would have to be handed that state.
#include "contactcard.h"

#include "actions/birthdaytext.h"
#include "actions/cardrow.h"
#include "actions/contacteditform.h"
#include "actions/maplink.h"
#include "actions/urllauncher.h"
#include "desktop/messagebox.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kPhotoSize = 96;

QLabel* textLabel(QWidget* parent, const QString& name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    label->setWordWrap(true);
    return label;
}

QString kindLabel(const QString& base, const QString& kind)
{
    return kind.isEmpty() ? base : QStringLiteral("%1 (%2)").arg(base, kind.toLower());
}

} // namespace

ContactCard::ContactCard(QStringList barCategories) : QWidget(nullptr, Qt::Window)
{
    setObjectName(QStringLiteral("frmContactCard"));
    setAttribute(Qt::WA_DeleteOnClose);
    launcher = new UrlLauncher(this);
    imgPhoto = new QLabel(this);
    imgPhoto->setObjectName(QStringLiteral("imgPhoto"));
    imgPhoto->setAccessibleName(QCoreApplication::translate("ContactCard", "Photo"));
    lblName = textLabel(this, QStringLiteral("lblName"));
    QFont big = lblName->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.3);
    lblName->setFont(big);
    lblFileAs = textLabel(this, QStringLiteral("lblFileAs"));
    lblOrganization = textLabel(this, QStringLiteral("lblOrganization"));

    auto* names = new QVBoxLayout;
    names->addWidget(lblName);
    names->addWidget(lblFileAs);
    names->addWidget(lblOrganization);
    names->addStretch();
    auto* head = new QHBoxLayout;
    head->addWidget(imgPhoto);
    head->addLayout(names, 1);

    auto* fieldsHost = new QWidget(this);
    m_fields = new QFormLayout(fieldsHost);
    m_fields->setObjectName(QStringLiteral("layFields"));
    m_fields->setContentsMargins(0, 0, 0, 0);
    auto* view = new QWidget(this);
    auto* viewLayout = new QVBoxLayout(view);
    viewLayout->setContentsMargins(0, 0, 0, 0);
    viewLayout->addWidget(fieldsHost);
    viewLayout->addStretch();

    // Made before the form's fields, so that it comes first in their tab order; it stands above them.
    m_bookRow = new QWidget(this);
    auto* bookLayout = new QFormLayout(m_bookRow);
    bookLayout->setContentsMargins(0, 0, 0, 0);
    cboBook = new QComboBox(m_bookRow);
    cboBook->setObjectName(QStringLiteral("cboBook"));
    cboBook->setAccessibleName(tr("Address book"));
    cboBook->setToolTip(tr("The address book the new contact is saved in"));
    auto* bookCaption = new QLabel(tr("Add&ress book:"), m_bookRow);
    bookCaption->setObjectName(QStringLiteral("lblBook"));
    bookCaption->setBuddy(cboBook);
    bookLayout->addRow(bookCaption, cboBook);
    m_bookRow->hide();
    editForm = new ContactEditForm(barCategories, this);
    editForm->addHeaderRow(m_bookRow);
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("scrEdit"));
    scroll->setWidgetResizable(true);
    scroll->setWidget(editForm);
    scroll->setFrameShape(QFrame::NoFrame);
    m_pages = new QStackedWidget(this);
    m_pages->addWidget(view);
    m_pages->addWidget(scroll);

    lblStatus = textLabel(this, QStringLiteral("lblStatus"));
    lblStatus->hide();

    auto button = [this](const QString& name, const QString& text) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(name);
        return b;
    };
    cmdEdit = button(QStringLiteral("cmdEdit"), tr("&Edit"));
    cmdDelete = button(QStringLiteral("cmdDelete"), tr("&Delete…"));
    cmdSave = button(QStringLiteral("cmdSave"), tr("&Save"));
    cmdCancel = button(QStringLiteral("cmdCancel"), tr("Cancel"));
    cmdClose = button(QStringLiteral("cmdClose"), tr("Close"));
    connect(cmdClose, &QAbstractButton::clicked, this, &QWidget::close);
    connect(cmdEdit, &QAbstractButton::clicked, this, [this] { edit(); });
    connect(cmdSave, &QAbstractButton::clicked, this, [this] { save(); });
    connect(cmdCancel, &QAbstractButton::clicked, this, [this] { cancel(); });
    connect(cmdDelete, &QAbstractButton::clicked, this, [this] { deleteContact(); });
    for (const QKeySequence& key : {QKeySequence(Qt::Key_F2), QKeySequence(Qt::CTRL | Qt::Key_E)})
        connect(new QShortcut(key, this), &QShortcut::activated, this, [this] {
            if (!editing())
                edit();
        });
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_S), this), &QShortcut::activated, this, [this] {
        if (editing())
            save();
    });
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &ContactCard::escape);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdEdit);
    buttons->addWidget(cmdDelete);
    buttons->addStretch();
    buttons->addWidget(cmdSave);
    buttons->addWidget(cmdCancel);
    buttons->addWidget(cmdClose);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(head);
    layout->addWidget(m_pages, 1);
    layout->addWidget(lblStatus);
    layout->addLayout(buttons);
    showView();
    resize(420, 480);
}

QString ContactCard::contactName() const
{
    return lblName->text();
}

bool ContactCard::editing() const
{
    return m_pages->currentIndex() == 1;
}

void ContactCard::showView()
{
    m_pages->setCurrentIndex(0);
    const bool writable = m_item && m_item->writable();
    cmdEdit->setVisible(true);
    cmdDelete->setVisible(true);
    cmdEdit->setEnabled(writable);
    cmdDelete->setEnabled(writable && !m_item->EntryID().isEmpty());
    const QString why = writable
                            ? QString()
                            : (m_item ? m_item->readOnlyReason() : contactclient::ContactItem::defaultReadOnlyReason());
    cmdEdit->setToolTip(writable ? tr("Change this contact (F2)") : why);
    cmdDelete->setToolTip(writable ? tr("Delete this contact") : why);
    cmdSave->setVisible(false);
    cmdCancel->setVisible(false);
    cmdClose->setVisible(true);
}

bool ContactCard::edit()
{
    if (!m_item || !m_item->writable())
        return false;
    try {
        m_base = m_item->form();
    } catch (const contactclient::AutomationError& e) {
        QMessageBox::warning(this, windowTitle(), e.description());
        return false;
    }
    if (!m_item->EntryID().isEmpty())
        setContact(*m_item); // the card as it is now
    offerBooks();
    editForm->setForm(m_base);
    m_pages->setCurrentIndex(1);
    cmdEdit->setVisible(false);
    cmdDelete->setVisible(false);
    cmdClose->setVisible(false);
    cmdSave->setVisible(true);
    cmdCancel->setVisible(true);
    lblStatus->hide();
    editForm->txtGivenName->setFocus();
    return true;
}

void ContactCard::offerBooks()
{
    // A contact of a book is written to its own book: only a new one is asked where it goes.
    const QList<contactclient::ContactBook> books =
        m_item->EntryID().isEmpty() ? m_item->newContactBooks() : QList<contactclient::ContactBook>{};
    cboBook->clear();
    for (const contactclient::ContactBook& book : books)
        cboBook->addItem(book.label, book.key);
    const int chosen = cboBook->findData(m_item->chosenBook());
    cboBook->setCurrentIndex(chosen >= 0 ? chosen : 0);
    m_bookRow->setVisible(books.size() >= 2);
}

bool ContactCard::save()
{
    const contactclient::ContactForm form = editForm->form();
    const QList<contactclient::FieldError> errors = contactclient::validateForm(form);
    editForm->showErrors(errors);
    if (!errors.isEmpty())
        return false;
    const bool adding = m_item->EntryID().isEmpty();
    try {
        if (adding && !m_bookRow->isHidden())
            m_item->chooseBook(cboBook->currentData().toString());
        m_item->setForm(form);
        m_item->Save();
    } catch (const contactclient::ConflictError& e) {
        // Their state is shown; the user's changes stay in the fields, carried onto it, to save again.
        QMessageBox::warning(this, windowTitle(),
                             tr("%1\n\nThe card now shows the contact as it is; your changes are kept in the fields. "
                                "Check them and save again.")
                                 .arg(e.description()));
        try {
            const contactclient::ContactForm theirs = m_item->form();
            const contactclient::ContactForm carried = contactclient::rebaseForm(m_base, form, theirs);
            setContact(*m_item);
            m_base = theirs;
            editForm->setForm(theirs);
            editForm->setForm(carried, false);
            m_pages->setCurrentIndex(1);
        } catch (const contactclient::AutomationError& again) {
            QMessageBox::warning(this, windowTitle(), again.description());
        }
        return false;
    } catch (const contactclient::AutomationError& e) {
        QMessageBox::warning(this, windowTitle(), e.description());
        return false;
    }
    setContact(*m_item);
    showView();
    // A change the address book keeps for later (its server cannot be reached) says so here.
    lblStatus->setText(m_item->writeNote());
    lblStatus->setVisible(!lblStatus->text().isEmpty());
    emit saved(m_item->EntryID(), m_item->FileAs(), adding);
    return true;
}

bool ContactCard::cancel()
{
    if (editForm->changed()) {
        const auto answer =
            QMessageBox::question(this, windowTitle(), tr("Discard your changes to “%1”?").arg(contactName()),
                                  QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Cancel);
        if (answer != QMessageBox::Discard)
            return false;
    }
    if (m_item && m_item->EntryID().isEmpty()) {
        close(); // a new contact that was not saved
        return true;
    }
    showView();
    return true;
}

void ContactCard::escape()
{
    if (editing())
        cancel();
    else
        close();
}

bool ContactCard::deleteContact()
{
    if (!m_item || !m_item->writable() || m_item->EntryID().isEmpty())
        return false;
    const auto answer =
        QMessageBox::question(this, windowTitle(),
                              tr("Delete “%1” from the address book?\n\nA copy of the card is kept in %2.")
                                  .arg(contactName(), m_item->deletedFolder()),
                              QMessageBox::Yes | QMessageBox::Cancel, QMessageBox::Cancel);
    if (answer != QMessageBox::Yes)
        return false;
    const QString id = m_item->EntryID();
    try {
        m_item->Delete();
    } catch (const contactclient::ConflictError& e) {
        // Changed elsewhere since it was shown: the user sees the new state before deciding again.
        QMessageBox::warning(this, windowTitle(),
                             tr("%1\n\nThe card now shows the contact as it is.").arg(e.description()));
        try {
            m_item->form();
            setContact(*m_item);
        } catch (const contactclient::AutomationError& again) {
            QMessageBox::warning(this, windowTitle(), again.description());
        }
        return false;
    } catch (const contactclient::AutomationError& e) {
        QMessageBox::warning(this, windowTitle(), e.description());
        return false;
    }
    emit deleted(id);
    close();
    return true;
}

void ContactCard::addRow(const QString& label, const QString& value, CardRow::Kind kind)
{
    if (value.trimmed().isEmpty())
        return;
    // The value is its own accessible name; its caption labels it (a buddy), so a screen reader
    // says "E-mail (work): ann@work.example" rather than the caption twice. Both are plain text:
    // a kind comes from the card as much as the value does.
    const int row = m_fields->rowCount();
    auto* field = new CardRow(label, value, kind, row, this);
    connect(field, &CardRow::copied, this, [this](const QString& copied) {
        lblStatus->setText(tr("Copied: %1").arg(copied));
        lblStatus->show();
    });
    connect(field, &CardRow::mapRequested, this, &ContactCard::showOnMap);
    auto* caption = new QLabel(label + QLatin1Char(':'), this);
    caption->setObjectName(QStringLiteral("lblCaption%1").arg(row));
    caption->setTextFormat(Qt::PlainText);
    caption->setBuddy(field->lblValue);
    m_fields->addRow(caption, field->layout());
    m_rows.append(field);
}

bool ContactCard::showOnMap(const QString& address)
{
    const QUrl url = maplink::mapUrl(address);
    if (url.isEmpty())
        return false;
    launcher->open(url, [this, scheme = url.scheme()] {
        MessageBox::show(this, QStringLiteral("Quintel"), UrlLauncher::noProgramText(scheme),
                         MessageBox::Icon::Warning);
    });
    return true;
}

void ContactCard::setContact(const contactclient::ContactItem& contact)
{
    // The item itself when it is shared (as the address book hands items out): it is changed here.
    if (auto shared = contact.weak_from_this().lock())
        m_item = std::const_pointer_cast<contactclient::ContactItem>(shared);
    else
        m_item.reset();
    const contactclient::CardDetails details = contact.details();
    const QString name = contact.FullName().isEmpty() ? contact.FileAs() : contact.FullName();
    setWindowTitle(name);
    lblName->setText(name);
    lblFileAs->setText(contact.FileAs() == name ? QString() : contact.FileAs());
    lblFileAs->setVisible(!lblFileAs->text().isEmpty());
    const QString org = details.title.isEmpty() ? details.organization
                        : details.organization.isEmpty()
                            ? details.title
                            : QStringLiteral("%1, %2").arg(details.title, details.organization);
    lblOrganization->setText(org);
    lblOrganization->setVisible(!org.isEmpty());

    QPixmap photo;
    if (!details.photo.isEmpty() && photo.loadFromData(details.photo)) {
        const qreal dpr = devicePixelRatioF();
        photo = photo.scaled(QSize(kPhotoSize, kPhotoSize) * dpr, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        photo.setDevicePixelRatio(dpr);
        imgPhoto->setPixmap(photo);
        imgPhoto->setVisible(true);
    } else {
        imgPhoto->clear();
        imgPhoto->setVisible(false);
    }

    while (m_fields->rowCount() > 0)
        m_fields->removeRow(0);
    m_rows.clear();
    lblStatus->hide();
    using Kind = CardRow::Kind;
    addRow(QCoreApplication::translate("ContactCard", "Nickname"), details.nickname);
    for (const auto& e : details.emails)
        addRow(kindLabel(QCoreApplication::translate("ContactCard", "E-mail"), e.kind), e.value, Kind::Copyable);
    for (const auto& p : details.phones)
        addRow(kindLabel(QCoreApplication::translate("ContactCard", "Phone"), p.kind), p.value, Kind::Copyable);
    for (const auto& a : details.addresses)
        addRow(kindLabel(QCoreApplication::translate("ContactCard", "Address"), a.kind), a.value, Kind::PostalAddress);
    for (const auto& u : details.urls)
        addRow(kindLabel(QCoreApplication::translate("ContactCard", "Web page"), u.kind), u.value, Kind::Copyable);
    addRow(QCoreApplication::translate("ContactCard", "Birthday"), card::birthdayText(details.birthday));
    addRow(QCoreApplication::translate("ContactCard", "Categories"), details.categories.join(QStringLiteral(", ")));
    addRow(QCoreApplication::translate("ContactCard", "Note"), details.note);
    // Tab goes through the values and their buttons, then to the card's buttons.
    QList<QWidget*> chain;
    for (const CardRow* row : std::as_const(m_rows)) {
        for (QWidget* w : std::initializer_list<QWidget*>{row->lblValue, row->cmdCopy, row->cmdMap})
            if (w)
                chain.append(w);
    }
    chain << cmdEdit << cmdDelete << cmdSave << cmdCancel << cmdClose;
    for (qsizetype i = 1; i < chain.size(); ++i)
        setTabOrder(chain.at(i - 1), chain.at(i));
    if (!editing())
        showView();
    if (m_item && m_item->writable() && m_item->EntryID().isEmpty() && !editing()) {
        setWindowTitle(tr("New contact"));
        edit(); // a new contact opens in edit mode
    }
}
