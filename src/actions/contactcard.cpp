#include "contactcard.h"

#include "actions/birthdaytext.h"

#include <QCoreApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QShortcut>
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

ContactCard::ContactCard() : QWidget(nullptr, Qt::Window)
{
    setObjectName(QStringLiteral("frmContactCard"));
    setAttribute(Qt::WA_DeleteOnClose);
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
    m_fields->setContentsMargins(0, 0, 0, 0);

    auto* close = new QPushButton(QCoreApplication::translate("ContactCard", "Close"), this);
    close->setObjectName(QStringLiteral("cmdClose"));
    connect(close, &QAbstractButton::clicked, this, &QWidget::close);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(head);
    layout->addWidget(fieldsHost);
    layout->addStretch();
    layout->addLayout(buttons);
    resize(380, 420);
}

void ContactCard::addRow(const QString& label, const QString& value)
{
    if (value.trimmed().isEmpty())
        return;
    // The value is its own accessible name; its caption labels it (a buddy), so a screen reader
    // says "E-mail (work): ann@work.example" rather than the caption twice. Both are plain text:
    // a kind comes from the card as much as the value does.
    const int row = m_fields->rowCount();
    auto* field = textLabel(this, QStringLiteral("lblField%1").arg(row));
    field->setText(value);
    auto* caption = new QLabel(label + QLatin1Char(':'), this);
    caption->setObjectName(QStringLiteral("lblCaption%1").arg(row));
    caption->setTextFormat(Qt::PlainText);
    caption->setBuddy(field);
    m_fields->addRow(caption, field);
}

void ContactCard::setContact(const contactclient::ContactItem& contact)
{
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
    addRow(QCoreApplication::translate("ContactCard", "Nickname"), details.nickname);
    for (const auto& e : details.emails)
        addRow(kindLabel(QCoreApplication::translate("ContactCard", "E-mail"), e.kind), e.value);
    for (const auto& p : details.phones)
        addRow(kindLabel(QCoreApplication::translate("ContactCard", "Phone"), p.kind), p.value);
    for (const auto& a : details.addresses)
        addRow(kindLabel(QCoreApplication::translate("ContactCard", "Address"), a.kind), a.value);
    for (const auto& u : details.urls)
        addRow(kindLabel(QCoreApplication::translate("ContactCard", "Web page"), u.kind), u.value);
    addRow(QCoreApplication::translate("ContactCard", "Birthday"), card::birthdayText(details.birthday));
    addRow(QCoreApplication::translate("ContactCard", "Categories"), details.categories.join(QStringLiteral(", ")));
    addRow(QCoreApplication::translate("ContactCard", "Note"), details.note);
}
