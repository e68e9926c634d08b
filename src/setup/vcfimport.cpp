#include "vcfimport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QUuid>

namespace setup {
namespace {

// A line without its line end and leading/trailing blanks, upper-cased for comparison.
QByteArray bare(const QByteArray& line)
{
    return line.trimmed().toUpper();
}

// The physical lines of the card, folded lines joined.
QList<QByteArray> unfoldedLines(const QByteArray& card)
{
    QList<QByteArray> lines;
    for (QByteArray line : card.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (!lines.isEmpty() && (line.startsWith(' ') || line.startsWith('\t')))
            lines.last() += line.mid(1);
        else
            lines.append(line);
    }
    return lines;
}

// A file name for the card: its UID when that is a safe name, else a fresh one.
QString fileNameFor(const QString& uid)
{
    static const QRegularExpression safe(QStringLiteral("^[A-Za-z0-9@._+-]{1,200}$"));
    if (safe.match(uid).hasMatch() && !uid.startsWith(QLatin1Char('.')))
        return uid + QStringLiteral(".vcf");
    return QUuid::createUuid().toString(QUuid::WithoutBraces) + QStringLiteral(".vcf");
}

// The card with a UID line added before END:VCARD, in the card's own line-end style.
QByteArray withUid(const QByteArray& card, const QString& uid)
{
    const QByteArray eol = card.contains("\r\n") ? QByteArray("\r\n") : QByteArray("\n");
    const qsizetype end = card.toUpper().lastIndexOf("END:VCARD");
    return card.left(end) + "UID:" + uid.toUtf8() + eol + card.mid(end);
}

// The UIDs of the cards already in the folder.
QSet<QString> uidsIn(const QString& folder)
{
    QSet<QString> uids;
    const QFileInfoList files = QDir(folder).entryInfoList({QStringLiteral("*.vcf")}, QDir::Files);
    for (const QFileInfo& info : files) {
        QFile file(info.filePath());
        if (!file.open(QIODevice::ReadOnly))
            continue;
        for (const QByteArray& card : splitCards(file.readAll())) {
            const QString uid = cardUid(card);
            if (!uid.isEmpty())
                uids.insert(uid);
        }
    }
    return uids;
}

} // namespace

QString ImportResult::summary() const
{
    QString text = imported == 1 ? QCoreApplication::translate("SetupWindow", "1 contact imported.")
                                 : QCoreApplication::translate("SetupWindow", "%1 contacts imported.").arg(imported);
    if (alreadyPresent > 0)
        text += QCoreApplication::translate("SetupWindow", " %1 already in the address book.").arg(alreadyPresent);
    if (!problems.isEmpty())
        text += QCoreApplication::translate("SetupWindow", " %1 not imported:\n").arg(problems.size()) +
                problems.join(QLatin1Char('\n'));
    return text;
}

QList<QByteArray> splitCards(const QByteArray& data)
{
    QList<QByteArray> cards;
    qsizetype start = -1;
    int depth = 0; // vCard 2.1 may nest a card (AGENT); the outer card holds it
    qsizetype pos = 0;
    while (pos < data.size()) {
        qsizetype next = data.indexOf('\n', pos);
        next = next < 0 ? data.size() : next + 1;
        const QByteArray line = bare(data.mid(pos, next - pos));
        if (line == "BEGIN:VCARD") {
            if (depth == 0)
                start = pos;
            ++depth;
        } else if (line == "END:VCARD" && depth > 0) {
            if (--depth == 0) {
                QByteArray card = data.mid(start, next - start);
                if (!card.endsWith('\n'))
                    card += data.mid(start, next - start).contains("\r\n") ? "\r\n" : "\n";
                cards.append(card);
            }
        }
        pos = next;
    }
    return cards;
}

QString cardUid(const QByteArray& card)
{
    int depth = 0;
    for (const QByteArray& line : unfoldedLines(card)) {
        const QByteArray upper = bare(line);
        if (upper == "BEGIN:VCARD")
            ++depth;
        else if (upper == "END:VCARD")
            --depth;
        else if (depth == 1) {
            // UID, or a grouped item.UID, with or without parameters.
            const qsizetype colon = line.indexOf(':');
            if (colon < 0)
                continue;
            QByteArray name = line.left(colon).toUpper();
            name = name.left(name.indexOf(';') < 0 ? name.size() : name.indexOf(';'));
            if (name.contains('.'))
                name = name.mid(name.lastIndexOf('.') + 1);
            if (name == "UID")
                return QString::fromUtf8(line.mid(colon + 1)).trimmed();
        }
    }
    return {};
}

ImportResult importVcfFile(const QString& vcfFile, const QString& folder)
{
    ImportResult result;
    QFile in(vcfFile);
    if (!in.open(QIODevice::ReadOnly)) {
        result.problems.append(
            QCoreApplication::translate("SetupWindow", "%1 cannot be read: %2").arg(vcfFile, in.errorString()));
        return result;
    }
    const QList<QByteArray> cards = splitCards(in.readAll());
    if (cards.isEmpty()) {
        result.problems.append(
            QCoreApplication::translate("SetupWindow", "%1 holds no vCard (BEGIN:VCARD … END:VCARD).").arg(vcfFile));
        return result;
    }
    if (!QDir().mkpath(folder)) {
        result.problems.append(
            QCoreApplication::translate("SetupWindow", "The folder %1 cannot be created.").arg(folder));
        return result;
    }
    QSet<QString> known = uidsIn(folder);
    int number = 0;
    for (QByteArray card : cards) {
        ++number;
        QString uid = cardUid(card);
        if (!uid.isEmpty() && known.contains(uid)) {
            ++result.alreadyPresent;
            continue;
        }
        if (uid.isEmpty()) {
            uid = QUuid::createUuid().toString(QUuid::WithoutBraces);
            card = withUid(card, uid);
        }
        QString name = fileNameFor(uid);
        while (QFileInfo::exists(folder + QLatin1Char('/') + name))
            name = fileNameFor(QString());
        QSaveFile out(folder + QLatin1Char('/') + name);
        if (!out.open(QIODevice::WriteOnly) || out.write(card) != card.size() || !out.commit()) {
            result.problems.append(QCoreApplication::translate("SetupWindow", "Card %1: %2 cannot be written: %3")
                                       .arg(number)
                                       .arg(out.fileName(), out.errorString()));
            continue;
        }
        known.insert(uid);
        ++result.imported;
    }
    return result;
}

} // namespace setup
