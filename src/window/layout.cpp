#include "layout.h"

namespace layout {

const QList<Control>& controls()
{
    using K = Kind;
    using G = Group;
    static const QList<Control> table = {
        {QStringLiteral("txtStatus"), K::TextBox, {45, 2025, 4425, 285}, QStringLiteral("Status bar"), 1, G::Bar, true, true, {}, {}},
        {QStringLiteral("picHook"), K::PictureBox, {7155, 180, 420, 555}, {}, 20, G::None, true, true, {}, {}},
        {QStringLiteral("cmdOptions"), K::PictureButton, {6115, 2160, 195, 195}, {}, 19, G::Bar, true, true,
         QStringLiteral(":/icons/options.svg"), QStringLiteral("Options")},
        {QStringLiteral("cmdMin"), K::PictureButton, {6115, 0, 195, 195}, {}, 18, G::None, true, true,
         QStringLiteral(":/icons/minimize.svg"), QStringLiteral("Hide to tray")},
        {QStringLiteral("cmdWriteContact"), K::PictureButton, {5760, 1980, 330, 330}, {}, 17, G::Bar, false, true,
         QStringLiteral(":/icons/write.svg"), QStringLiteral("Write letter")},
        {QStringLiteral("cmdCancelMail"), K::TextButton, {5670, 1125, 780, 240}, QStringLiteral("CANCEL"), 16, G::None, true, true, {}, {}},
        {QStringLiteral("cmdDialContact"), K::PictureButton, {5445, 1980, 330, 330}, {}, 5, G::Bar, false, true,
         QStringLiteral(":/icons/dial.svg"), QStringLiteral("Dial")},
        {QStringLiteral("cmdQEmailContact"), K::PictureButton, {5130, 1980, 330, 330}, {}, 4, G::Bar, false, true,
         QStringLiteral(":/icons/quickemail.svg"), QStringLiteral("Quick e-mail")},
        {QStringLiteral("cmdClose"), K::PictureButton, {6295, 0, 195, 195}, {}, 15, G::None, true, true,
         QStringLiteral(":/icons/close.svg"), QStringLiteral("Close")},
        {QStringLiteral("cmdClearMail"), K::Button, {5670, 855, 780, 240}, QStringLiteral("CLEAR"), 14, G::Mail, true, true, {}, {}},
        {QStringLiteral("cmdSendMail"), K::TextButton, {5670, 1395, 780, 240}, QStringLiteral("SEND"), 13, G::Mail, true, true, {}, {}},
        {QStringLiteral("txtSubject"), K::TextBox, {45, 45, 5595, 285}, QStringLiteral("Subject"), 11, G::Mail, true, true, {}, {}},
        {QStringLiteral("txtBody"), K::MultiLineTextBox, {45, 315, 5595, 1320}, QStringLiteral("Body\r\n"), 12, G::Mail, true, true, {}, {}},
        {QStringLiteral("lstContacts"), K::ListBox, {6840, 405, 2760, 840}, {}, 10, G::None, true, false, {}, {}},
        {QStringLiteral("txtContact"), K::TextBox, {45, 2025, 4425, 285}, {}, 9, G::Bar, true, true, {}, {}},
        {QStringLiteral("cmdState"), K::PictureButton, {6295, 2160, 195, 195}, {}, 8, G::Bar, true, true,
         QStringLiteral(":/icons/state.svg"), QStringLiteral("Change size")},
        {QStringLiteral("cmbCategories"), K::DropDown, {45, 1665, 1740, 315}, {}, 6, G::Bar, true, true, {}, {}},
        {QStringLiteral("cmdEMailContact"), K::PictureButton, {4815, 1980, 330, 330}, {}, 3, G::Bar, false, true,
         QStringLiteral(":/icons/email.svg"), QStringLiteral("E-mail")},
        {QStringLiteral("cmdViewContact"), K::PictureButton, {4500, 1980, 330, 330}, {}, 2, G::Bar, false, true,
         QStringLiteral(":/icons/view.svg"), QStringLiteral("View contact")},
        {QStringLiteral("cmbContacts"), K::DropDown, {1800, 1665, 2715, 315}, {}, 0, G::Bar, false, true, {}, {}},
        {QStringLiteral("imgTwo"), K::Image, {4500, 1620, 405, 405}, {}, -1, G::Bar, true, true,
         QStringLiteral(":/icons/lamp-unlit.svg"), {}},
        {QStringLiteral("imgOne"), K::Image, {4500, 1620, 405, 405}, {}, -1, G::Bar, true, false,
         QStringLiteral(":/icons/lamp-lit.svg"), {}},
        {QStringLiteral("lblContactCount"), K::Label, {4905, 1710, 375, 195}, QStringLiteral("(....)"), 7, G::Bar, true, true, {}, {}},
    };
    return table;
}

const Control* find(const QString& name)
{
    for (const Control& c : controls()) {
        if (c.name == name)
            return &c;
    }
    return nullptr;
}

} // namespace layout
