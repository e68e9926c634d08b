#include "callwindow.h"

#include "actions/dialnumbers.h"
#include "actions/urllauncher.h"
#include "desktop/messagebox.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>

CallWindow::CallWindow() : QWidget(nullptr, Qt::Window)
{
    setObjectName(QStringLiteral("frmCall"));
    setAttribute(Qt::WA_DeleteOnClose);
    launcher = new UrlLauncher(this);
    lblName = new QLabel(this);
    lblName->setObjectName(QStringLiteral("lblName"));
    lblName->setTextFormat(Qt::PlainText); // a name from the address book, never markup
    QFont bold = lblName->font();
    bold.setBold(true);
    lblName->setFont(bold);
    lstNumbers = new QListWidget(this);
    lstNumbers->setObjectName(QStringLiteral("lstNumbers"));
    lstNumbers->setAccessibleName(QCoreApplication::translate("CallWindow", "Numbers"));
    lblHandedOver = new QLabel(this);
    lblHandedOver->setObjectName(QStringLiteral("lblHandedOver"));
    lblHandedOver->setTextFormat(Qt::PlainText);
    lblHandedOver->setWordWrap(true);
    lblHandedOver->hide();
    cmdCall = new QPushButton(QCoreApplication::translate("CallWindow", "&Call"), this);
    cmdCall->setObjectName(QStringLiteral("cmdCall"));
    cmdCall->setDefault(true);
    cmdSms = new QPushButton(QCoreApplication::translate("CallWindow", "&Text message"), this);
    cmdSms->setObjectName(QStringLiteral("cmdSms"));
    cmdSms->setEnabled(false);
    cmdClose = new QPushButton(QCoreApplication::translate("CallWindow", "Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdCall);
    buttons->addWidget(cmdSms);
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblName);
    layout->addWidget(lstNumbers);
    layout->addWidget(lblHandedOver);
    layout->addLayout(buttons);

    connect(cmdCall, &QAbstractButton::clicked, this, &CallWindow::cmdCall_Click);
    connect(cmdClose, &QAbstractButton::clicked, this, &QWidget::close);
    connect(cmdSms, &QAbstractButton::clicked, this, &CallWindow::cmdSms_Click);
    connect(lstNumbers, &QListWidget::currentItemChanged, this,
            [this](const QListWidgetItem* item) { cmdSms->setEnabled(item && item->data(Qt::UserRole + 1).toBool()); });
    connect(lstNumbers, &QListWidget::itemActivated, this, &CallWindow::cmdCall_Click);
    connect(launcher, &UrlLauncher::done, this, [this](const QUrl& url, bool opened) {
        if (!opened)
            return;
        lblHandedOver->setText(QCoreApplication::translate("CallWindow", "%1 was handed to your telephone program.")
                                   .arg(url.toString(QUrl::RemoveScheme)));
        lblHandedOver->show();
        QTimer::singleShot(kCloseAfterMs, this, &QWidget::close);
    });
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
    resize(320, 220);
}

void CallWindow::setContact(const contactclient::ContactItem& contact)
{
    const QString name = contact.FullName().isEmpty() ? contact.FileAs() : contact.FullName();
    setWindowTitle(QCoreApplication::translate("CallWindow", "Call %1").arg(name));
    lblName->setText(name);
    lstNumbers->clear();
    for (const dialing::Number& n : dialing::numbersOf(contact)) {
        auto* item = new QListWidgetItem(QStringLiteral("%1: %2").arg(n.kind, n.number), lstNumbers);
        item->setData(Qt::UserRole, n.number);
        item->setData(Qt::UserRole + 1, n.mobile);
    }
    if (lstNumbers->count() == 0)
        new QListWidgetItem(QCoreApplication::translate("CallWindow", "No telephone numbers"), lstNumbers);
    cmdCall->setEnabled(lstNumbers->item(0)->data(Qt::UserRole).isValid());
    lstNumbers->setCurrentRow(0);
    lstNumbers->setFocus();
}

void CallWindow::cmdCall_Click()
{
    const QListWidgetItem* item = lstNumbers->currentItem();
    if (!item || !item->data(Qt::UserRole).isValid())
        return;
    auto noDialer = [this] {
        MessageBox::show(this, QStringLiteral("Quintel"), UrlLauncher::noProgramText(QStringLiteral("tel")),
                         MessageBox::Icon::Warning);
    };
    const QUrl url = dialing::telUrl(item->data(Qt::UserRole).toString());
    if (url.isEmpty())
        noDialer();
    else
        launcher->open(url, noDialer);
}

void CallWindow::cmdSms_Click()
{
    const QListWidgetItem* item = lstNumbers->currentItem();
    if (!item || !item->data(Qt::UserRole + 1).toBool())
        return;
    auto noMessenger = [this] {
        MessageBox::show(
            this, QStringLiteral("Quintel"),
            QCoreApplication::translate("CallWindow", "No messaging program could be opened for sms: links."),
            MessageBox::Icon::Warning);
    };
    const QUrl url = dialing::smsUrl(item->data(Qt::UserRole).toString());
    if (url.isEmpty())
        noMessenger();
    else
        launcher->open(url, noMessenger);
}
