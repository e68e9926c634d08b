#include "textfold.h"

#include <unicode/translit.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <memory>
#include <mutex>

namespace textfold {
namespace {

// Making the transliterator costs milliseconds: it is made once, and shared under a lock (one
// transliterator must not be used by two threads at once).
struct SharedTransliterator {
    std::mutex lock;
    std::unique_ptr<icu::Transliterator> transliterator;

    SharedTransliterator()
    {
        UErrorCode status = U_ZERO_ERROR;
        transliterator.reset(icu::Transliterator::createInstance("Any-Latin; Latin-ASCII", UTRANS_FORWARD, status));
        if (U_FAILURE(status))
            transliterator.reset();
    }

    std::string fold(QStringView word)
    {
        icu::UnicodeString text(reinterpret_cast<const UChar*>(word.utf16()), int32_t(word.size()));
        {
            const std::lock_guard guard(lock);
            if (transliterator)
                transliterator->transliterate(text);
        }
        text.foldCase();
        std::string out;
        text.toUTF8String(out);
        return out;
    }
};

SharedTransliterator& shared()
{
    static SharedTransliterator instance;
    return instance;
}

bool isAscii(QStringView text)
{
    for (const QChar c : text) {
        if (c.unicode() >= 0x80)
            return false;
    }
    return true;
}

std::string lowerAscii(QStringView text)
{
    std::string out(size_t(text.size()), '\0');
    for (qsizetype i = 0; i < text.size(); ++i) {
        char c = char(text.at(i).unicode());
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
        out[size_t(i)] = c;
    }
    return out;
}

// The German spelling without umlauts: ä → ae, ö → oe, ü → ue (empty when the word has none).
QString umlautSpelling(QStringView word)
{
    QString out;
    bool any = false;
    for (const QChar c : word) {
        switch (c.unicode()) {
        case 0xE4:
            out += u"ae";
            any = true;
            break;
        case 0xF6:
            out += u"oe";
            any = true;
            break;
        case 0xFC:
            out += u"ue";
            any = true;
            break;
        case 0xC4:
            out += u"Ae";
            any = true;
            break;
        case 0xD6:
            out += u"Oe";
            any = true;
            break;
        case 0xDC:
            out += u"Ue";
            any = true;
            break;
        default:
            out += c;
        }
    }
    return any ? out : QString();
}

bool isFoldedWordByte(char c)
{
    const auto u = static_cast<unsigned char>(c);
    return u >= 0x80 || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z');
}

// A transliteration may hold blanks or marks ("Wang Xiao"): its words, in order.
void splitFolded(const std::string& folded, std::vector<std::string>& out)
{
    size_t at = 0;
    while (at < folded.size()) {
        while (at < folded.size() && !isFoldedWordByte(folded[at]))
            ++at;
        size_t end = at;
        while (end < folded.size() && isFoldedWordByte(folded[end]))
            ++end;
        if (end > at)
            out.push_back(folded.substr(at, end - at));
        at = end;
    }
}

} // namespace

bool isWordCharacter(QChar c)
{
    return c.isLetterOrNumber() || c.isMark();
}

std::string Folder::transliterated(QStringView word)
{
    // Plain letters are folded here; each run of other letters is transliterated once per folder
    // ("ü" of "Jürgen" and of "Müller" alike), a whole word of another script as one run.
    std::string out;
    qsizetype at = 0;
    while (at < word.size()) {
        qsizetype end = at;
        const bool ascii = word.at(at).unicode() < 0x80;
        while (end < word.size() && (word.at(end).unicode() < 0x80) == ascii)
            ++end;
        const QStringView run = word.mid(at, end - at);
        if (ascii) {
            out += lowerAscii(run);
        } else {
            const QString key = run.toString();
            if (m_known) {
                const auto known = m_known->constFind(key);
                if (known != m_known->cend()) {
                    out += *known;
                    at = end;
                    continue;
                }
            }
            auto found = m_runs.constFind(key);
            if (found == m_runs.cend())
                found = m_runs.insert(key, shared().fold(run));
            out += *found;
        }
        at = end;
    }
    return out;
}

std::shared_ptr<const Folder::Memo> Folder::takeMemo()
{
    auto memo = std::make_shared<Memo>(std::move(m_runs));
    m_runs = Memo();
    if (m_known) {
        for (auto it = m_known->cbegin(); it != m_known->cend(); ++it)
            memo->insert(it.key(), it.value());
    }
    memo->squeeze();
    return memo;
}

void Folder::foldWord(QStringView word, std::vector<std::string>& out, bool alternates)
{
    if (isAscii(word)) {
        out.push_back(lowerAscii(word));
        return;
    }
    const size_t first = out.size();
    splitFolded(transliterated(word), out);
    if (!alternates)
        return;
    const QString german = umlautSpelling(word);
    if (german.isEmpty())
        return;
    std::vector<std::string> alternate;
    splitFolded(transliterated(german), alternate);
    for (std::string& a : alternate) {
        if (std::find(out.begin() + qsizetype(first), out.end(), a) == out.end())
            out.push_back(std::move(a));
    }
}

std::vector<Word> Folder::words(QStringView text, bool alternates)
{
    std::vector<Word> result;
    std::vector<std::string> spellings;
    qsizetype at = 0;
    while (at < text.size()) {
        while (at < text.size() && !isWordCharacter(text.at(at)))
            ++at;
        qsizetype end = at;
        while (end < text.size() && isWordCharacter(text.at(end)))
            ++end;
        if (end > at) {
            spellings.clear();
            foldWord(text.mid(at, end - at), spellings, alternates);
            for (std::string& s : spellings)
                result.push_back(Word{at, end - at, std::move(s)});
        }
        at = end;
    }
    return result;
}

} // namespace textfold
