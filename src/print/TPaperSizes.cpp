#include "print/TPaperSizes.h"

#include <QStringList>
#include <iterator>

namespace {

struct Paper {
    const char* name;
    QPageSize::PageSizeId id;
};

// The list as the user reads it in the message. "A4Small", "LetterSmall" and "Note" are the
// same sheets as A4 and Letter; "C/D/E size Sheet" are the American engineering sizes;
// "10 x 14 in" has no size of its own in Qt and stays out of the check.
const Paper kPapers[] = {
    {"A3", QPageSize::A3},
    {"A4", QPageSize::A4},
    {"A5", QPageSize::A5},
    {"B4", QPageSize::B4},
    {"B5", QPageSize::JisB5},  // 182 x 257
    {"CSheet", QPageSize::AnsiC},
    {"DSheet", QPageSize::AnsiD},
    {"ESheet", QPageSize::AnsiE},
    {"Letter", QPageSize::Letter},
    {"Tabloid", QPageSize::Tabloid},
    {"Ledger", QPageSize::Ledger},
    {"Legal", QPageSize::Legal},
    {"Statement", QPageSize::Statement},
    {"Executive", QPageSize::Executive},
    {"Folio", QPageSize::Folio},
    {"Quarto", QPageSize::Quarto},
    {"Envelope9", QPageSize::Envelope9},
    {"Envelope10", QPageSize::Envelope10},
    {"Envelope11", QPageSize::Envelope11},
    {"Envelope12", QPageSize::Envelope12},
    {"Envelope14", QPageSize::Envelope14},
    {"11x17", QPageSize::Tabloid},
};

}  // namespace

bool TPaperSizes::Supported(QPageSize::PageSizeId id) {
    for (const Paper& p : kPapers)
        if (p.id == id) return true;
    // Qt names some of the same sheets twice.
    return id == QPageSize::AnsiA || id == QPageSize::AnsiB;
}

QString TPaperSizes::UnsupportedMessage() {
    return QStringLiteral(
        "使用できない用紙サイズが設定されているようです\n"
        "オリマキで有効な用紙設定は以下のようになります\n"
        "A3  297x420mm      Letter  8.5x11in       Quarto  215 x 275mm\n"
        "A4  210x297mm      LetterSmall 8.5x11in   Envelope 9   \n"
        "A4Small 210x297mm  Tabloid  11x17in       Envelope 10   \n"
        "A5  148x210mm      Ledger  17x11in        Envelope 11  \n"
        "B4  250x354mm      Legal  8.5x14in        Envelope 12  \n"
        "B5  182x257        Statement 5.5x8.5in    Envelope 14  \n"
        "C size Sheet       Executive 7.5x10in     10 x 14 in    \n"
        "D size Sheet       Folio  8.5x13in        11 x 17 in \n"
        "E size Sheet       Note  8.5x11in \n"
        "デフォルトの用紙設定が再設定されます。");
}

QPageSize::PageSizeId TPaperSizes::FromName(const QString& name) {
    const QString n = QString(name).remove(QLatin1Char(' ')).toLower();
    for (const Paper& p : kPapers)
        if (QString::fromLatin1(p.name).toLower() == n) return p.id;
    if (n == QLatin1String("a4small")) return QPageSize::A4;
    if (n == QLatin1String("lettersmall") || n == QLatin1String("note")) return QPageSize::Letter;
    return QPageSize::Custom;
}
