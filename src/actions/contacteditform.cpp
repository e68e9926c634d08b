// A little over 400 lines: the edit form's rows (names, e-mail addresses, numbers, postal addresses,
// web pages, categories) are built, filled and read back here side by side, so that what a row shows
// and what it hands back stay one pair.

#include "contacteditform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using contactclient::ContactForm;
using contactclient::FormAddress;
using contactclient::FormEntry;

namespace {

QString kindText(const QString& kind)
{
    if (kind == QLatin1String("home"))
        return ContactEditForm::tr("Home");
    if (kind == QLatin1String("work"))
        return ContactEditForm::tr("Work");
    if (kind == QLatin1String("mobile"))
        return ContactEditForm::tr("Mobile");
    if (kind == QLatin1String("fax"))
        return ContactEditForm::tr("Fax");
    if (kind == QLatin1String("pager"))
        return ContactEditForm::tr("Pager");
    return ContactEditForm::tr("Other");
}

QComboBox* kindBox(QWidget* parent, const QStringList& kinds, const QString& kind)
{
    auto* box = new QComboBox(parent);
    for (const QString& k : kinds)
        box->addItem(kindText(k), k);
    const int at = box->findData(kind);
    box->setCurrentIndex(at >= 0 ? at : box->findData(QStringLiteral("other")));
    return box;
}

QLabel* errorLabel(QWidget* parent, const QString& name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, QColor(0xB0, 0x00, 0x20));
    label->setPalette(p);
    label->hide();
    return label;
}

void showError(QLabel* label, const QString& text)
{
    label->setText(text);
    label->setVisible(!text.isEmpty());
}

} // namespace

ContactEditForm::ContactEditForm(const QStringList& barCategories, QWidget* parent)
    : QWidget(parent), m_barCategories(barCategories)
{
    setObjectName(QStringLiteral("fraEdit"));
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* names = new QFormLayout;
    outer->addLayout(names);
    txtPrefix = addLine(names, QStringLiteral("txtPrefix"), tr("&Prefix"));
    txtGivenName = addLine(names, QStringLiteral("txtGivenName"), tr("&Given name"));
    txtMiddleName = addLine(names, QStringLiteral("txtMiddleName"), tr("&Middle name"));
    txtFamilyName = addLine(names, QStringLiteral("txtFamilyName"), tr("&Family name"));
    txtSuffix = addLine(names, QStringLiteral("txtSuffix"), tr("Suffi&x"));
    txtFullName = addLine(names, QStringLiteral("txtFullName"), tr("F&ull name"));
    lblNameError = errorLabel(this, QStringLiteral("lblNameError"));
    names->addRow(QString(), lblNameError);
    txtFileAs = addLine(names, QStringLiteral("txtFileAs"), tr("File &as"));
    txtFileAs->setPlaceholderText(tr("as the name"));
    txtOrganization = addLine(names, QStringLiteral("txtOrganization"), tr("&Organisation"));
    txtJobTitle = addLine(names, QStringLiteral("txtJobTitle"), tr("&Title"));
    txtNickname = addLine(names, QStringLiteral("txtNickname"), tr("&Nickname"));
    for (QLineEdit* part : {txtPrefix, txtGivenName, txtMiddleName, txtFamilyName, txtSuffix})
        connect(part, &QLineEdit::textEdited, this, &ContactEditForm::namePartEdited);
    connect(txtFullName, &QLineEdit::textEdited, this, [this] { m_follower.fullNameEdited(form()); });

    auto section = [&](const QString& caption, const QString& addName, const QString& addText, QVBoxLayout*& host,
                       std::function<void()> add) {
        auto* title = new QLabel(caption, this);
        outer->addWidget(title);
        host = new QVBoxLayout;
        outer->addLayout(host);
        auto* addButton = new QPushButton(addText, this);
        addButton->setObjectName(addName);
        addButton->setAccessibleName(addText);
        auto* line = new QHBoxLayout;
        line->addWidget(addButton);
        line->addStretch();
        outer->addLayout(line);
        connect(addButton, &QAbstractButton::clicked, this, add);
    };
    section(tr("E-mail"), QStringLiteral("cmdAddEmail"), tr("Add e-mail address"), m_emailHost, [this] {
        addEntry(m_emails, m_emailHost, QStringLiteral("Email"), contactclient::emailKinds(),
                 {QStringLiteral("home"), {}, m_emails.isEmpty(), -1}, true)
            .value->setFocus();
    });
    section(tr("Phone"), QStringLiteral("cmdAddPhone"), tr("Add phone number"), m_phoneHost, [this] {
        addEntry(m_phones, m_phoneHost, QStringLiteral("Phone"), contactclient::phoneKinds(),
                 {QStringLiteral("mobile"), {}, false, -1}, false)
            .value->setFocus();
    });
    section(tr("Postal address"), QStringLiteral("cmdAddAddress"), tr("Add postal address"), m_addressHost, [this] {
        addAddress({QStringLiteral("home"), {}, {}, {}, {}, {}, -1}).street->setFocus();
    });
    section(tr("Web page"), QStringLiteral("cmdAddWebPage"), tr("Add web page"), m_urlHost, [this] {
        addEntry(m_urls, m_urlHost, QStringLiteral("WebPage"), contactclient::emailKinds(),
                 {QStringLiteral("other"), {}, false, -1}, false)
            .value->setFocus();
    });

    auto* more = new QFormLayout;
    outer->addLayout(more);
    auto* boxes = new QHBoxLayout;
    for (const QString& c : m_barCategories) {
        auto* box = new QCheckBox(c, this);
        box->setObjectName(QStringLiteral("chkCategory%1").arg(m_categoryBoxes.size()));
        connect(box, &QCheckBox::toggled, this, &ContactEditForm::edited);
        m_categoryBoxes.append(box);
        boxes->addWidget(box);
    }
    boxes->addStretch();
    if (!m_categoryBoxes.isEmpty())
        more->addRow(tr("Categories"), boxes);
    txtOtherCategories = addLine(more, QStringLiteral("txtOtherCategories"), tr("Other &categories"));
    txtOtherCategories->setPlaceholderText(tr("separated by commas"));
    txtBirthday = addLine(more, QStringLiteral("txtBirthday"), tr("&Birthday"));
    txtBirthday->setPlaceholderText(tr("1985-04-12, or --04-12"));
    lblBirthdayError = errorLabel(this, QStringLiteral("lblBirthdayError"));
    more->addRow(QString(), lblBirthdayError);
    txtNote = new QPlainTextEdit(this);
    txtNote->setObjectName(QStringLiteral("txtNote"));
    txtNote->setTabChangesFocus(true);
    txtNote->setAccessibleName(tr("Note"));
    txtNote->setFixedHeight(txtNote->fontMetrics().lineSpacing() * 4 + 12);
    connect(txtNote, &QPlainTextEdit::textChanged, this, [this] {
        if (!m_filling)
            emit edited();
    });
    auto* noteCaption = new QLabel(tr("No&te"), this);
    noteCaption->setBuddy(txtNote);
    more->addRow(noteCaption, txtNote);
}

void ContactEditForm::addHeaderRow(QWidget* row)
{
    static_cast<QVBoxLayout*>(layout())->insertWidget(0, row);
}

QLineEdit* ContactEditForm::addLine(QFormLayout* layout, const QString& name, const QString& caption)
{
    auto* edit = new QLineEdit(this);
    edit->setObjectName(name);
    auto* label = new QLabel(caption, this);
    label->setBuddy(edit);
    layout->addRow(label, edit);
    connect(edit, &QLineEdit::textEdited, this, &ContactEditForm::edited);
    return edit;
}

ContactEditForm::EntryRow& ContactEditForm::addEntry(QList<EntryRow>& rows, QVBoxLayout* host, const QString& list,
                                                     const QStringList& kinds, const FormEntry& entry,
                                                     bool withPreferred)
{
    EntryRow r;
    r.origin = entry.origin;
    r.row = new QWidget(this);
    const int n = int(rows.size());
    auto* line = new QHBoxLayout(r.row);
    line->setContentsMargins(0, 0, 0, 0);
    r.kind = kindBox(r.row, kinds, entry.kind);
    r.kind->setObjectName(QStringLiteral("cbo%1Kind%2").arg(list).arg(n));
    r.kind->setAccessibleName(tr("Kind"));
    r.value = new QLineEdit(entry.value, r.row);
    r.value->setObjectName(QStringLiteral("txt%1%2").arg(list).arg(n));
    r.value->setAccessibleName(list);
    line->addWidget(r.kind);
    line->addWidget(r.value, 1);
    if (withPreferred) {
        r.preferred = new QCheckBox(tr("Preferred"), r.row);
        r.preferred->setObjectName(QStringLiteral("chk%1Preferred%2").arg(list).arg(n));
        r.preferred->setChecked(entry.preferred);
        connect(r.preferred, &QCheckBox::toggled, this, [this, box = r.preferred](bool on) {
            if (on) // one preferred address
                for (const EntryRow& other : std::as_const(m_emails))
                    if (other.preferred && other.preferred != box)
                        other.preferred->setChecked(false);
            emit edited();
        });
        line->addWidget(r.preferred);
    }
    auto* remove = new QPushButton(tr("Remove"), r.row);
    remove->setObjectName(QStringLiteral("cmdRemove%1%2").arg(list).arg(n));
    remove->setAccessibleName(tr("Remove %1").arg(list));
    line->addWidget(remove);
    r.error = errorLabel(this, QStringLiteral("lbl%1Error%2").arg(list).arg(n));
    host->addWidget(r.row);
    host->addWidget(r.error);
    connect(r.value, &QLineEdit::textEdited, this, &ContactEditForm::edited);
    connect(r.kind, &QComboBox::currentIndexChanged, this, &ContactEditForm::edited);
    QWidget* row = r.row;
    QLabel* error = r.error;
    connect(remove, &QAbstractButton::clicked, this, [this, row, error] {
        error->deleteLater();
        removeRow(row);
    });
    rows.append(r);
    if (!m_filling)
        emit edited();
    return rows.back();
}

ContactEditForm::AddressRow& ContactEditForm::addAddress(const FormAddress& address)
{
    AddressRow r;
    r.origin = address.origin;
    r.row = new QWidget(this);
    const int n = int(m_addresses.size());
    auto* grid = new QFormLayout(r.row);
    grid->setContentsMargins(0, 0, 0, 0);
    r.kind = kindBox(r.row, contactclient::addressKinds(), address.kind);
    r.kind->setObjectName(QStringLiteral("cboAddressKind%1").arg(n));
    r.kind->setAccessibleName(tr("Kind"));
    auto* head = new QHBoxLayout;
    head->addWidget(r.kind);
    auto* remove = new QPushButton(tr("Remove"), r.row);
    remove->setObjectName(QStringLiteral("cmdRemoveAddress%1").arg(n));
    remove->setAccessibleName(tr("Remove address"));
    head->addStretch();
    head->addWidget(remove);
    grid->addRow(head);
    auto field = [&](const QString& name, const QString& caption, const QString& value) {
        auto* edit = new QLineEdit(value, r.row);
        edit->setObjectName(QStringLiteral("txtAddress%1%2").arg(name).arg(n));
        edit->setAccessibleName(caption);
        connect(edit, &QLineEdit::textEdited, this, &ContactEditForm::edited);
        grid->addRow(caption, edit);
        return edit;
    };
    QString street = address.street;
    street.replace(QLatin1Char('\n'), QStringLiteral(", "));
    r.street = field(QStringLiteral("Street"), tr("Street"), street);
    r.city = field(QStringLiteral("City"), tr("City"), address.city);
    r.region = field(QStringLiteral("Region"), tr("Region"), address.region);
    r.postalCode = field(QStringLiteral("PostalCode"), tr("Postal code"), address.postalCode);
    r.country = field(QStringLiteral("Country"), tr("Country"), address.country);
    connect(r.kind, &QComboBox::currentIndexChanged, this, &ContactEditForm::edited);
    m_addressHost->addWidget(r.row);
    QWidget* row = r.row;
    connect(remove, &QAbstractButton::clicked, this, [this, row] { removeRow(row); });
    m_addresses.append(r);
    if (!m_filling)
        emit edited();
    return m_addresses.back();
}

void ContactEditForm::removeRow(QWidget* row)
{
    for (QList<EntryRow>* rows : {&m_emails, &m_phones, &m_urls})
        rows->removeIf([row](const EntryRow& r) { return r.row == row; });
    m_addresses.removeIf([row](const AddressRow& r) { return r.row == row; });
    // The focus goes on to the next field rather than back to the window.
    focusNextChild();
    row->deleteLater();
    emit edited();
}

void ContactEditForm::namePartEdited()
{
    ContactForm f = form();
    m_follower.partsChanged(f);
    txtFullName->setText(f.fullName);
}

void ContactEditForm::setForm(const ContactForm& form, bool asOriginal)
{
    m_filling = true;
    m_follower = contactclient::NameFollower(form);
    m_streets = form.addresses;
    txtPrefix->setText(form.prefix);
    txtGivenName->setText(form.given);
    txtMiddleName->setText(form.middle);
    txtFamilyName->setText(form.family);
    txtSuffix->setText(form.suffix);
    txtFullName->setText(form.fullName);
    txtFileAs->setText(form.fileAs);
    txtOrganization->setText(form.organization);
    txtJobTitle->setText(form.title);
    txtNickname->setText(form.nickname);
    txtBirthday->setText(form.birthday);
    txtNote->setPlainText(form.note);
    for (QList<EntryRow>* rows : {&m_emails, &m_phones, &m_urls}) {
        for (const EntryRow& r : *rows) {
            delete r.error;
            delete r.row;
        }
        rows->clear();
    }
    for (const AddressRow& r : m_addresses)
        delete r.row;
    m_addresses.clear();
    for (const FormEntry& e : form.emails)
        addEntry(m_emails, m_emailHost, QStringLiteral("Email"), contactclient::emailKinds(), e, true);
    for (const FormEntry& e : form.phones)
        addEntry(m_phones, m_phoneHost, QStringLiteral("Phone"), contactclient::phoneKinds(), e, false);
    for (const FormAddress& a : form.addresses)
        addAddress(a);
    for (const FormEntry& e : form.urls)
        addEntry(m_urls, m_urlHost, QStringLiteral("WebPage"), contactclient::emailKinds(), e, false);
    QStringList other;
    for (QCheckBox* box : std::as_const(m_categoryBoxes))
        box->setChecked(false);
    for (const QString& c : form.categories) {
        const qsizetype at = m_barCategories.indexOf(c);
        if (at >= 0)
            m_categoryBoxes[at]->setChecked(true);
        else
            other.append(c);
    }
    txtOtherCategories->setText(other.join(QStringLiteral(", ")));
    showErrors({});
    m_filling = false;
    if (asOriginal)
        m_original = this->form(); // as the fields hold it: what counts as unchanged
}

ContactForm ContactEditForm::form() const
{
    ContactForm f;
    f.prefix = txtPrefix->text();
    f.given = txtGivenName->text();
    f.middle = txtMiddleName->text();
    f.family = txtFamilyName->text();
    f.suffix = txtSuffix->text();
    f.fullName = txtFullName->text();
    f.fileAs = txtFileAs->text();
    f.organization = txtOrganization->text();
    f.title = txtJobTitle->text();
    f.nickname = txtNickname->text();
    f.birthday = txtBirthday->text();
    f.note = txtNote->toPlainText();
    auto entries = [](const QList<EntryRow>& rows) {
        QList<FormEntry> out;
        for (const EntryRow& r : rows)
            out.append(
                {r.kind->currentData().toString(), r.value->text(), r.preferred && r.preferred->isChecked(), r.origin});
        return out;
    };
    f.emails = entries(m_emails);
    f.phones = entries(m_phones);
    f.urls = entries(m_urls);
    for (const AddressRow& r : m_addresses) {
        FormAddress a{r.kind->currentData().toString(),
                      r.street->text(),
                      r.city->text(),
                      r.region->text(),
                      r.postalCode->text(),
                      r.country->text(),
                      r.origin};
        // A street of several lines is shown on one line; unchanged, it keeps its lines.
        for (const FormAddress& was : m_streets)
            if (was.origin == r.origin && r.origin >= 0) {
                QString shown = was.street;
                shown.replace(QLatin1Char('\n'), QStringLiteral(", "));
                if (shown == a.street)
                    a.street = was.street;
            }
        f.addresses.append(a);
    }
    for (int i = 0; i < m_categoryBoxes.size(); ++i)
        if (m_categoryBoxes[i]->isChecked())
            f.categories.append(m_barCategories[i]);
    for (const QString& c : txtOtherCategories->text().split(QLatin1Char(',')))
        if (!c.trimmed().isEmpty() && !f.categories.contains(c.trimmed()))
            f.categories.append(c.trimmed());
    return f;
}

bool ContactEditForm::changed() const
{
    return form() != m_original;
}

void ContactEditForm::showErrors(const QList<contactclient::FieldError>& errors)
{
    showError(lblNameError, {});
    showError(lblBirthdayError, {});
    for (const EntryRow& r : std::as_const(m_emails))
        showError(r.error, {});
    QWidget* first = nullptr;
    for (const contactclient::FieldError& e : errors) {
        QWidget* field = nullptr;
        if (e.field == QLatin1String("name")) {
            showError(lblNameError, e.message);
            field = txtGivenName;
        } else if (e.field == QLatin1String("birthday")) {
            showError(lblBirthdayError, e.message);
            field = txtBirthday;
        } else if (e.field == QLatin1String("email") && e.index >= 0 && e.index < m_emails.size()) {
            showError(m_emails[e.index].error, e.message);
            field = m_emails[e.index].value;
        }
        if (!first)
            first = field;
    }
    if (first)
        first->setFocus();
}

QList<QLineEdit*> ContactEditForm::emailFields() const
{
    QList<QLineEdit*> out;
    for (const EntryRow& r : m_emails)
        out.append(r.value);
    return out;
}

QList<QLineEdit*> ContactEditForm::phoneFields() const
{
    QList<QLineEdit*> out;
    for (const EntryRow& r : m_phones)
        out.append(r.value);
    return out;
}
