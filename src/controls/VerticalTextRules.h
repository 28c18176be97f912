#pragma once
// Text rules of vertical Japanese writing that depend only on the characters: how a character
// stands in a column, and where a column may end.

#include <QString>
#include <utility>
#include <vector>

namespace VerticalTextRules {

// How a character is drawn in a column (Unicode vertical orientation).
enum class Orientation {
    Upright,             // U: drawn as it is
    Rotated,             // R: turned a quarter turn clockwise (Latin, digits, half-width forms)
    TransformedUpright,  // Tu: the font's vertical form, else upright
    TransformedRotated,  // Tr: the font's vertical form, else turned
};

Orientation OrientationOf(char32_t c);

// Short name of the class as Unicode writes it ("U", "R", "Tu", "Tr").
const char* OrientationName(Orientation o);

// Break opportunities of a paragraph by the strict Japanese line rules: result[i] is true when
// a column may begin at UTF-16 index i (i in 0..text.size()). result[0] and result[size] are
// true. A column never begins with closing brackets, 、。, small kana or ー, and never ends
// with an opening bracket.
std::vector<bool> BreakOpportunities(const QString& text);

// True when c may not start a column (closing brackets and punctuation, small kana, ー ...).
bool IsNoStartCharacter(char32_t c);
// True when c may not end a column (opening brackets).
bool IsNoEndCharacter(char32_t c);

}  // namespace VerticalTextRules

namespace VerticalTextRules {

// The word around UTF-16 index i of a paragraph for a double-click: a run of characters of
// one kind (kanji with 々, hiragana, katakana with ー, letters and digits of either width);
// any other character is a word of its own. Returns [first, last).
std::pair<int, int> WordRange(const QString& text, int i);

// Length of the run at UTF-16 index i that stands upright in one cell (tate-chu-yoko), or 0:
// a run of 1 to maxDigits half-width digits starting at i, or with marks "!!", "!?", "?!" and
// "??", that no other half-width letter, digit or sign touches (so 3.5, A4, 100% and v2 stay
// turned).
int UprightRunLength(const QString& text, int i, int maxDigits, bool marks);

// Full-width punctuation whose blank half may be trimmed where it meets other punctuation.
enum class Punctuation {
    None,
    Opening,  // 「『（【〔［｛〈《〘〖“‘: ink in the second half
    Closing,  // 」』）】〕］｝〉》〙〗”’、。，．: ink in the first half
};
Punctuation PunctuationOf(char32_t c);

// Which half of character c (between before and after, 0 for none) is trimmed away: the blank
// end of closing punctuation followed by closing punctuation, the blank start of opening
// punctuation after opening or closing punctuation.
struct Trim {
    bool start = false;
    bool end = false;
};
Trim TrimOf(char32_t before, char32_t c, char32_t after);

}  // namespace VerticalTextRules
