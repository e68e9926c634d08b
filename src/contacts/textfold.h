#pragma once
// Texts folded for finding: split into words, letter case folded, accents removed and other
// scripts written in Latin letters (ICU's "Any-Latin; Latin-ASCII"), so that "muller", "mueller"
// and "Müller" meet, and "ivanov" finds "Иванов".

#include <QHash>
#include <QString>
#include <QStringView>

#include <memory>
#include <string>
#include <vector>

namespace textfold {

// One folded word of a text and the word of the text it comes from (a word written in another
// script may give several folded words, each with the whole word's place).
struct Word {
    qsizetype start = 0;  // in the text
    qsizetype length = 0; // in the text
    std::string folded;   // UTF-8, nearly always plain ASCII letters and digits
};

// Folds texts; the transliteration of words that are not plain ASCII is remembered, so that the
// names a book holds many times are transliterated once. One folder per thread.
class Folder {
public:
    // What a folder has transliterated: each run of letters that are not plain ASCII, folded.
    using Memo = QHash<QString, std::string>;

    Folder() = default;
    // A folder that starts knowing what another learnt (read only, so that folders of several
    // threads may share it): folding the same texts again transliterates nothing.
    explicit Folder(std::shared_ptr<const Memo> known) : m_known(std::move(known)) {}

    // What this folder learnt (it forgets it).
    std::shared_ptr<const Memo> takeMemo();

    // The folded words of a text, in order. With alternates, a word with the German letters ä, ö
    // or ü gives a second spelling with ae, oe and ue right after the first (same place):
    // "Müller" gives "muller" and "mueller". What is searched for is folded without them (the
    // words searched in have both).
    std::vector<Word> words(QStringView text, bool alternates = true);
    // The folded spellings of one word of a text (see words()), appended to out.
    void foldWord(QStringView word, std::vector<std::string>& out, bool alternates = true);

private:
    std::string transliterated(QStringView word);

    std::shared_ptr<const Memo> m_known;
    Memo m_runs;
};

// Whether a character belongs to a word: letters, digits and combining marks.
bool isWordCharacter(QChar c);

} // namespace textfold
