// The options dialog's designed layout. Positions and sizes are in twips, relative to the control
// each one lies inside.

#include "frmoptions.h"

#include "settings/tabstrip.h"
#include "window/controlfactory.h"
#include "window/twips.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTextDocument>

namespace {

constexpr int kClientWidth = 6150;
constexpr int kClientHeight = 4920;
constexpr int kPageInitialLeft = 200;
constexpr int kPageOutOfView = -20000;

template <typename W> W* place(W* widget, const char* name, const QRect& rect)
{
    widget->setObjectName(QString::fromLatin1(name));
    twips::setGeometry(widget, rect);
    return widget;
}

QPushButton* button(QWidget* parent, const QString& text, const char* name, const QRect& rect)
{
    auto* b = place(new QPushButton(text, parent), name, rect);
    // Enter presses the focused button (handled by the dialog); no button is the default.
    b->setAutoDefault(false);
    return b;
}

QLabel* picture(QWidget* parent, const char* name, const QRect& rect, const QString& file, const QString& what)
{
    auto* l = place(new QLabel(parent), name, rect);
    // Drawn at the label's size in device pixels, so it stays crisp on HiDPI screens.
    const QSize size(twips::toPixels(rect.width()), twips::toPixels(rect.height()));
    l->setPixmap(QIcon(file).pixmap(size, parent->devicePixelRatioF()));
    l->setScaledContents(true);
    l->setAccessibleName(what);
    return l;
}

// The designed sizes were made for a narrow font; where the installed substitute is wider, the text
// is set a little condensed rather than cut off.
void condenseToFit(QWidget* widget, const QString& text, int room)
{
    QFont font = widget->font();
    for (int stretch = 100; stretch >= 70; stretch -= 5) {
        font.setStretch(stretch);
        if (QFontMetrics(font).horizontalAdvance(text) <= room)
            break;
    }
    widget->setFont(font);
}

void condenseToFit(QLabel* label)
{
    condenseToFit(label, label->text(), label->width());
}

QWidget* page(QWidget* parent, const char* name, int left)
{
    auto* p = place(new QWidget(parent), name, {left, 450, 5685, 3780});
    // The page in view covers the tab strip's body.
    p->setAutoFillBackground(true);
    return p;
}

} // namespace

void frmOptions::buildControls()
{
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(QCoreApplication::translate("frmOptions", "Options"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setWindowIcon(QIcon(QStringLiteral(":/icons/lamp-lit.svg")));
    setFont(controlfactory::windowFont());
    setSizeGripEnabled(false);
    const QRect client = twips::toPixels(QRect(0, 0, kClientWidth, kClientHeight));
    setFixedSize(client.size());

    tbsOptions = place(new TabStrip(this), "tbsOptions", {90, 135, 5895, 4245});
    tbsOptions->setFont(controlfactory::windowFont());
    tbsOptions->addTab(QCoreApplication::translate("frmOptions", "General"), QStringLiteral("General"),
                       QCoreApplication::translate("frmOptions", "General Preferences"));
    tbsOptions->addTab(QCoreApplication::translate("frmOptions", "About"), QStringLiteral("About"),
                       QCoreApplication::translate("frmOptions", "About"));

    cmdOK = button(this, QCoreApplication::translate("frmOptions", "OK"), "cmdOK", {2490, 4455, 1095, 375});
    cmdCancel = button(this, QCoreApplication::translate("frmOptions", "Cancel"), "cmdCancel", {3720, 4455, 1095, 375});
    cmdApply = button(this, QCoreApplication::translate("frmOptions", "Apply"), "cmdApply", {4920, 4455, 1095, 375});

    picOptions[0] = page(this, "picOptions(0)", kPageInitialLeft);
    picOptions[1] = page(this, "picOptions(1)", kPageOutOfView);
    buildGeneralPage();
    buildAboutPage();

    // Keyboard order of the controls that take the focus.
    // Add follows the name box: it is enabled by typing there, so the Tab after the name reaches it.
    const QList<QWidget*> order = {tbsOptions, cmdOK,     cmdCancel, cmdApply,    chkCheckEmailAddresses,
                                   lstCats,    txtNewCat, cmdAddCat, cmdDeleteCat};
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order.at(i - 1), order.at(i));
}

void frmOptions::buildGeneralPage()
{
    QWidget* general = picOptions[0];
    fraSample1 = place(new QGroupBox(QCoreApplication::translate("frmOptions", "Preferences"), general), "fraSample1",
                       {135, 135, 5430, 1695});
    chkCheckEmailAddresses =
        place(new QCheckBox(
                  QCoreApplication::translate("frmOptions", "Only enable Email Buttons if Contact has Email Address"),
                  fraSample1),
              "chkCheckEmailAddresses", {360, 585, 4740, 285});

    Text1 = place(new QPlainTextEdit(noteText(), fraSample1), "Text1", {1035, 945, 4155, 420});
    Text1->setFont(controlfactory::smallFont());
    Text1->setEnabled(false);
    Text1->setFrameShape(QFrame::NoFrame);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text1->document()->setDocumentMargin(1);
    QPalette notePalette = Text1->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        notePalette.setColor(group, QPalette::Base, notePalette.color(group, QPalette::Window));
    Text1->setPalette(notePalette);

    fraCats = place(new QGroupBox(QCoreApplication::translate("frmOptions", "Categories "), general), "fraCats",
                    {135, 1980, 5415, 1590});
    lstCats = place(new QListWidget(fraCats), "lstCats", {180, 315, 2535, 1035});
    lstCats->setSelectionMode(QAbstractItemView::SingleSelection);
    cmdAddCat = button(fraCats, QCoreApplication::translate("frmOptions", "Add"), "cmdAddCat", {4680, 1035, 600, 330});
    cmdAddCat->setEnabled(false);
    txtNewCat = place(new QLineEdit(fraCats), "txtNewCat", {2835, 1035, 1770, 330});
    txtNewCat->setAccessibleName(QCoreApplication::translate("frmOptions", "New category"));
    cmdDeleteCat =
        button(fraCats, QCoreApplication::translate("frmOptions", "Delete"), "cmdDeleteCat", {2835, 630, 2445, 330});
    cmdDeleteCat->setEnabled(false);

    const int indicator = style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, chkCheckEmailAddresses) +
                          style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, chkCheckEmailAddresses);
    condenseToFit(chkCheckEmailAddresses, chkCheckEmailAddresses->text(), chkCheckEmailAddresses->width() - indicator);
}

void frmOptions::buildAboutPage()
{
    QWidget* about = picOptions[1];
    fraSample2 = place(new QGroupBox(about), "fraSample2", {585, 495, 4620, 2685});

    Label1 = place(new QLabel(QStringLiteral("Quintel"), fraSample2), "Label1", {585, 225, 3210, 555});
    QFont title = controlfactory::windowFont();
    title.setPointSizeF(24);
    title.setBold(true);
    Label1->setFont(title);
    Label2 =
        place(new QLabel(QCoreApplication::translate("frmOptions", "A small contact bar for the desktop."), fraSample2),
              "Label2", {900, 855, 3570, 285});
    Label3 = place(new QLabel(QStringLiteral("\u00a9 2026 The Quintel developers"), fraSample2), "Label3",
                   {90, 2340, 2040, 240});
    Label4 = place(new QLabel(QStringLiteral("quintel.example.org"), about), "Label4", {3960, 3465, 1590, 240});
    lblVersion = place(new QLabel(QStringLiteral("v0.0"), fraSample2), "lblVersion", {135, 2070, 1095, 240});

    Image1 = picture(fraSample2, "Image1", {2970, 1665, 1440, 825}, QStringLiteral(":/icons/about-logo.svg"),
                     QCoreApplication::translate("frmOptions", "Quintel logo"));
    Image2 = picture(fraSample2, "Image2", {45, 270, 480, 480}, QStringLiteral(":/icons/about-icon.svg"),
                     QCoreApplication::translate("frmOptions", "Quintel icon"));
    for (QLabel* label : {Label2, Label3, Label4, lblVersion})
        condenseToFit(label);
}
