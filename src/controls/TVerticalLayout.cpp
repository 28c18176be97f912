#include "controls/TVerticalLayout.h"

#include <QAbstractTextDocumentLayout>
#include <QElapsedTimer>
#include <QTextBlock>
#include <QTextList>
#include <algorithm>
#include <cmath>

#include "controls/TVerticalRuby.h"

namespace {

// Column c of paragraph b, placed by the running sums of columns and offsets before each
// paragraph.
TVerticalLayout::ColumnRef PlaceColumn(const std::vector<int>& colPrefix,
                                       const std::vector<double>& xPrefix,
                                       const TVerticalParagraph& p, int b, int c) {
    TVerticalLayout::ColumnRef r;
    r.block = b;
    r.column = c;
    r.global = colPrefix[static_cast<size_t>(b)] + c;
    r.offset = xPrefix[static_cast<size_t>(b)] + p.columns[static_cast<size_t>(c)].offset;
    r.width = p.columns[static_cast<size_t>(c)].width;
    return r;
}

}  // namespace

TVerticalLayout::TVerticalLayout(QTextDocument* document, QObject* parent)
    : QObject(parent), m_doc(document), m_shaper(m_fonts) {
    if (m_doc) {
        // A document reports its changes only once it has a layout. When nothing else has
        // given it one, the layout made here gets a null page size, which keeps it from laying
        // the text out horizontally on every change; a QTextEdit set on the document later
        // sizes it again.
        if (!m_doc->findChild<QAbstractTextDocumentLayout*>(QString(),
                                                            Qt::FindDirectChildrenOnly)) {
            m_doc->setPageSize(QSizeF(0, 0));
            m_doc->documentLayout();
        }
        connect(m_doc, &QTextDocument::contentsChange, this, &TVerticalLayout::OnContentsChange);
    }
    Reset();
}

TVerticalLayout::~TVerticalLayout() = default;

qreal TVerticalLayout::Pitch(qreal em) const {
    return std::ceil(em * m_lineSpacing);
}

qreal TVerticalLayout::DefaultPitch() const {
    if (!m_doc) return 24;
    const QFont f = m_doc->defaultFont();
    const qreal em = f.pixelSize() > 0 ? f.pixelSize() : f.pointSizeF() * 96.0 / 72.0;
    return Pitch(em);
}

void TVerticalLayout::SetColumnHeight(qreal height) {
    height = std::max<qreal>(height, 8);
    if (qFuzzyCompare(height, m_columnHeight)) return;
    m_columnHeight = height;
    // Shaping does not depend on the height: keep it and re-break the columns.
    if (!m_doc) return;
    QTextBlock b = m_doc->begin();
    for (size_t i = 0; i < m_blocks.size() && b.isValid(); ++i, b = b.next()) {
        if (m_blocks[i].para)
            BreakColumns(*m_blocks[i].para, b);
        else
            Estimate(static_cast<int>(i), b);
    }
    m_prefixDirty = true;
}

void TVerticalLayout::SetLineSpacing(qreal factor) {
    if (factor <= 0 || qFuzzyCompare(factor, m_lineSpacing)) return;
    m_lineSpacing = factor;
    InvalidateAll();
}

void TVerticalLayout::SetTypesetting(const TVerticalTypesetting& typesetting) {
    if (typesetting == m_shaper.Typesetting()) return;
    m_shaper.SetTypesetting(typesetting);
    InvalidateAll();
}

void TVerticalLayout::SetPreedit(int position, const QString& text,
                                 const std::vector<TVerticalPreeditFormat>& formats) {
    if (!m_doc) return;
    const int oldBlock = m_preeditPos >= 0 ? m_doc->findBlock(m_preeditPos).blockNumber() : -1;
    m_preeditPos = text.isEmpty() ? -1 : position;
    m_preeditText = text;
    m_preeditFormats = formats;
    const int newBlock = m_preeditPos >= 0 ? m_doc->findBlock(m_preeditPos).blockNumber() : -1;
    for (int b : {oldBlock, newBlock}) {
        if (b >= 0 && b < BlockCount() && m_blocks[static_cast<size_t>(b)].para) LayOut(b);
    }
}

void TVerticalLayout::InvalidateAll() {
    Reset();
}

bool TVerticalLayout::CheckDefaultFont() {
    if (!m_doc || m_doc->defaultFont() == m_defaultFont) return false;
    Reset();
    return true;
}

void TVerticalLayout::Reset() {
    m_blocks.clear();
    m_pending = 0;
    m_nextIdle = 0;
    m_prefixDirty = true;
    if (!m_doc) return;
    m_defaultFont = m_doc->defaultFont();
    m_blocks.resize(static_cast<size_t>(m_doc->blockCount()));
    int i = 0;
    for (QTextBlock b = m_doc->begin(); b.isValid() && i < BlockCount(); b = b.next(), ++i)
        Estimate(i, b);
    m_pending = BlockCount();
}

void TVerticalLayout::Estimate(int block, const QTextBlock& b) {
    Entry& e = m_blocks[static_cast<size_t>(block)];
    const QFont f = m_doc->defaultFont();
    const qreal em = f.pixelSize() > 0 ? f.pixelSize() : f.pointSizeF() * 96.0 / 72.0;
    const int chars = std::max(0, b.length() - 1);
    const qreal perColumn = std::max<qreal>(1, std::floor(m_columnHeight / em));
    e.estColumns = std::max(1, static_cast<int>(std::ceil(chars / perColumn)));
    e.estWidth = static_cast<float>(e.estColumns * Pitch(em));
}

void TVerticalLayout::OnContentsChange(int from, int /*removed*/, int added) {
    if (!m_doc) return;
    const int newCount = m_doc->blockCount();
    const int delta = newCount - BlockCount();
    QTextBlock first = m_doc->findBlock(from);
    if (!first.isValid()) first = m_doc->lastBlock();
    QTextBlock last = m_doc->findBlock(from + added);
    if (!last.isValid()) last = m_doc->lastBlock();
    const int fb = first.blockNumber();
    const int lb = std::max(fb, last.blockNumber());
    const int oldLast = lb - delta;
    if (fb < 0 || oldLast < fb - 1 || oldLast >= BlockCount() || fb > BlockCount()) {
        Reset();
        emit Changed(0, newCount - 1);
        return;
    }
    // Paragraphs fb..oldLast of the old document became fb..lb.
    for (int i = fb; i <= oldLast; ++i)
        if (!m_blocks[static_cast<size_t>(i)].para) --m_pending;
    m_blocks.erase(m_blocks.begin() + fb, m_blocks.begin() + oldLast + 1);
    std::vector<Entry> fresh(static_cast<size_t>(lb - fb + 1));
    m_blocks.insert(m_blocks.begin() + fb, std::make_move_iterator(fresh.begin()),
                    std::make_move_iterator(fresh.end()));
    m_pending += lb - fb + 1;
    // The preedit sits at the caret; a change moves it with the caret, which the view re-sets.
    // A small edit is laid out at once; a large replacement is estimated and laid out lazily.
    QTextBlock b = first;
    const bool small = m_eager && lb - fb < 16;
    for (int i = fb; i <= lb && b.isValid(); ++i, b = b.next()) {
        if (small)
            LayOut(i);
        else
            Estimate(i, b);
    }
    if (m_nextIdle > fb) m_nextIdle = fb;
    m_prefixDirty = true;
    emit Changed(fb, lb);
}

bool TVerticalLayout::IsLaidOut(int block) const {
    return block >= 0 && block < BlockCount() && m_blocks[static_cast<size_t>(block)].para;
}

void TVerticalLayout::LayOut(int block) {
    Entry& e = m_blocks[static_cast<size_t>(block)];
    const QTextBlock b = m_doc->findBlockByNumber(block);
    if (!b.isValid()) return;
    TVerticalShaper::Preedit pre;
    if (m_preeditPos >= 0 && m_preeditPos >= b.position() &&
        m_preeditPos < b.position() + b.length()) {
        pre.position = m_preeditPos - b.position();
        pre.text = m_preeditText;
        pre.formats = m_preeditFormats;
    }
    if (!e.para) --m_pending;
    auto p = std::make_unique<TVerticalParagraph>();
    p->shaped = m_shaper.Shape(b, m_doc->defaultFont(), pre);
    TVerticalRuby::Prepare(*p, m_fonts, m_doc->defaultFont());
    if (QTextList* list = b.textList()) {
        const QTextListFormat lf = list->format();
        switch (lf.style()) {
            case QTextListFormat::ListDisc:
                p->bullet = QStringLiteral("●");
                break;
            case QTextListFormat::ListCircle:
                p->bullet = QStringLiteral("○");
                break;
            case QTextListFormat::ListSquare:
                p->bullet = QStringLiteral("■");
                break;
            default:
                p->bullet = list->itemText(b);
                break;
        }
        p->bulletFont = m_fonts.FontFor(b.charFormat(), m_doc->defaultFont());
    }
    BreakColumns(*p, b);
    e.para = std::move(p);
    m_prefixDirty = true;
}

void TVerticalLayout::BreakColumns(TVerticalParagraph& p, const QTextBlock& b) const {
    const QTextBlockFormat bf = b.blockFormat();
    const TShapedParagraph& s = p.shaped;
    qreal listIndent = 0;
    if (QTextList* list = b.textList())
        listIndent = std::max(1, list->format().indent()) * m_doc->indentWidth();
    const qreal head = bf.leftMargin() + bf.indent() * m_doc->indentWidth() + listIndent;
    const qreal tail = bf.rightMargin();
    const qreal firstIndent = bf.textIndent();
    const Qt::Alignment align = bf.alignment();
    auto& fonts = const_cast<TVerticalFontCache&>(m_fonts);
    const qreal blockEm = fonts.At(fonts.FontFor(b.charFormat(), m_doc->defaultFont())).pixelSize;

    p.columns.clear();
    p.bulletSize = p.bullet.isEmpty() ? 0 : static_cast<float>(blockEm);
    const int n = static_cast<int>(s.clusters.size());
    int colFirst = 0;
    do {
        const bool firstColumn = p.columns.empty();
        // A column never starts above its top (a hanging first line that reaches past the
        // column top, a negative indent read from a file): nothing is drawn over what lies
        // above the columns.
        const qreal start = std::max<qreal>(0, head + (firstColumn ? firstIndent : 0));
        const qreal avail = std::max<qreal>(blockEm, m_columnHeight - start - tail);
        qreal pos = 0;
        qreal fitLength = 0;  // where the column would have ended without the line rules
        int k = colFirst;
        int end = n;  // one past the last cluster of this column
        for (; k < n; ++k) {
            const TVerticalCluster& cl = s.clusters[static_cast<size_t>(k)];
            if (cl.lineBreak) {
                end = k + 1;
                break;
            }
            if (k > colFirst && pos + cl.advance > avail + 0.01) {
                // The column is full: end it at the last place a column may begin.
                int j = k;
                while (j > colFirst &&
                       !s.breaks[static_cast<size_t>(s.clusters[static_cast<size_t>(j)].start)])
                    --j;
                end = j > colFirst ? j : k;
                if (end < k) fitLength = pos;
                break;
            }
            pos += cl.advance;
        }
        TVerticalColumn col;
        col.firstCluster = colFirst;
        col.endCluster = std::min(end, n);
        col.start = colFirst < n ? s.clusters[static_cast<size_t>(colFirst)].start
                                 : static_cast<int>(s.text.size());
        col.end = col.endCluster < n ? s.clusters[static_cast<size_t>(col.endCluster)].start
                                     : static_cast<int>(s.text.size());
        qreal em = 0;
        float length = 0;
        for (int c = col.firstCluster; c < col.endCluster; ++c) {
            const TVerticalCluster& cl = s.clusters[static_cast<size_t>(c)];
            length += cl.advance;
            em = std::max(em, fonts.At(s.runs[static_cast<size_t>(cl.run)].font).pixelSize);
        }
        if (em <= 0) em = blockEm;
        col.width = static_cast<float>(Pitch(em));
        col.ruby = TVerticalRuby::ColumnRoom(p, col, col.width);
        col.width += col.ruby;
        // A column that the line rules ended early spreads what it lacks between its
        // characters, so that it ends where it would have ended without them (as far as two
        // characters' room).
        const int count = col.endCluster - col.firstCluster;
        const qreal lack = fitLength - length;
        if (m_shaper.Typesetting().justify && count > 1 && lack > 0.5 && lack <= 2 * blockEm &&
            !(align & (Qt::AlignHCenter | Qt::AlignRight))) {
            col.spacing = static_cast<float>(lack / (count - 1));
            length = static_cast<float>(fitLength);
        }
        col.length = length;
        qreal top = start;
        if (align & Qt::AlignHCenter)
            top += std::max<qreal>(0, (avail - length) / 2);
        else if (align & (Qt::AlignRight))
            top += std::max<qreal>(0, avail - length);
        col.top = static_cast<float>(top);
        p.columns.push_back(col);
        colFirst = col.endCluster;
    } while (colFirst < n);
    // A paragraph that ends with a line separator gets an empty column after it.
    if (n > 0 && s.clusters[static_cast<size_t>(n - 1)].lineBreak) {
        TVerticalColumn col;
        col.firstCluster = col.endCluster = n;
        col.start = col.end = static_cast<int>(s.text.size());
        col.width = static_cast<float>(Pitch(blockEm));
        col.top = static_cast<float>(std::max<qreal>(0, head));
        p.columns.push_back(col);
    }

    p.spaceBefore = static_cast<float>(bf.topMargin());
    float x = p.spaceBefore;
    for (TVerticalColumn& c : p.columns) {
        c.offset = x;
        x += c.width;
    }
    p.width = x + static_cast<float>(bf.bottomMargin());
}

bool TVerticalLayout::LayoutSome(int budgetMs) {
    if (!m_doc) return true;
    QElapsedTimer t;
    t.start();
    while (m_pending > 0 && m_nextIdle < BlockCount()) {
        if (!m_blocks[static_cast<size_t>(m_nextIdle)].para) LayOut(m_nextIdle);
        ++m_nextIdle;
        if (t.elapsed() >= budgetMs) break;
    }
    if (m_pending > 0 && m_nextIdle >= BlockCount()) {
        // Everything after the idle cursor is done; what remains was dropped before it.
        m_nextIdle = 0;
    }
    return m_pending == 0;
}

void TVerticalLayout::EnsureAll() {
    if (!m_doc) return;
    if (m_pending > 0) {
        QTextBlock b = m_doc->begin();
        for (int i = 0; i < BlockCount() && b.isValid(); ++i, b = b.next())
            if (!m_blocks[static_cast<size_t>(i)].para) LayOut(i);
    }
    UpdatePrefix();
}

void TVerticalLayout::UpdatePrefix() {
    if (!m_prefixDirty) return;
    const size_t n = m_blocks.size();
    m_colPrefix.resize(n + 1);
    m_xPrefix.resize(n + 1);
    int cols = 0;
    double x = 0;
    for (size_t i = 0; i < n; ++i) {
        m_colPrefix[i] = cols;
        m_xPrefix[i] = x;
        const Entry& e = m_blocks[i];
        if (e.para) {
            cols += static_cast<int>(e.para->columns.size());
            x += e.para->width;
        } else {
            cols += e.estColumns;
            x += e.estWidth;
        }
    }
    m_colPrefix[n] = cols;
    m_xPrefix[n] = x;
    m_prefixDirty = false;
}

int TVerticalLayout::ColumnCount() {
    EnsureAll();
    return m_colPrefix.empty() ? 0 : m_colPrefix.back();
}

int TVerticalLayout::ColumnCountEstimated() {
    UpdatePrefix();
    return m_colPrefix.empty() ? 0 : m_colPrefix.back();
}

qreal TVerticalLayout::TotalWidthEstimated() {
    UpdatePrefix();
    return m_xPrefix.empty() ? 0 : m_xPrefix.back();
}

qreal TVerticalLayout::BlockOffset(int block) {
    UpdatePrefix();
    if (m_xPrefix.empty()) return 0;
    block = std::clamp(block, 0, BlockCount());
    return m_xPrefix[static_cast<size_t>(block)];
}

const TVerticalParagraph& TVerticalLayout::Paragraph(int block) {
    Entry& e = m_blocks[static_cast<size_t>(block)];
    if (!e.para) LayOut(block);
    return *e.para;
}

TVerticalLayout::ColumnRef TVerticalLayout::Column(int global, bool exact) {
    ColumnRef r;
    if (BlockCount() == 0) return r;
    if (exact) EnsureAll();
    for (int guard = 0; guard <= BlockCount(); ++guard) {  // each round lays out one more paragraph
        UpdatePrefix();
        global = std::clamp(global, 0, std::max(0, m_colPrefix.back() - 1));
        const auto it = std::upper_bound(m_colPrefix.begin(), m_colPrefix.end() - 1, global);
        const int b = static_cast<int>(it - m_colPrefix.begin()) - 1;
        if (!IsLaidOut(b)) {
            LayOut(b);
            continue;
        }
        const TVerticalParagraph& p = *m_blocks[static_cast<size_t>(b)].para;
        const int local = std::min(global - m_colPrefix[static_cast<size_t>(b)],
                                   static_cast<int>(p.columns.size()) - 1);
        return PlaceColumn(m_colPrefix, m_xPrefix, p, b, local);
    }
    return r;
}

TVerticalLayout::ColumnRef TVerticalLayout::ColumnAtOffset(qreal offset) {
    ColumnRef r;
    if (BlockCount() == 0) return r;
    for (int guard = 0; guard <= BlockCount(); ++guard) {  // each round lays out one more paragraph
        UpdatePrefix();
        const qreal x = std::clamp<qreal>(offset, 0, std::max<qreal>(0, m_xPrefix.back() - 0.001));
        auto it = std::upper_bound(m_xPrefix.begin(), m_xPrefix.end() - 1, x);
        int b = std::max(0, static_cast<int>(it - m_xPrefix.begin()) - 1);
        if (!IsLaidOut(b)) {
            LayOut(b);
            continue;
        }
        const TVerticalParagraph& p = *m_blocks[static_cast<size_t>(b)].para;
        const qreal local = x - m_xPrefix[static_cast<size_t>(b)];
        int c = 0;
        while (c + 1 < static_cast<int>(p.columns.size()) &&
               local >= p.columns[static_cast<size_t>(c)].offset +
                            p.columns[static_cast<size_t>(c)].width)
            ++c;
        return PlaceColumn(m_colPrefix, m_xPrefix, p, b, c);
    }
    return r;
}

TVerticalLayout::ColumnRef TVerticalLayout::ColumnOfPosition(int position, bool atColumnEnd,
                                                             bool exact) {
    if (!m_doc || BlockCount() == 0) return ColumnRef();
    QTextBlock b = m_doc->findBlock(std::max(0, position));
    if (!b.isValid()) b = m_doc->lastBlock();
    const TVerticalParagraph& p = Paragraph(b.blockNumber());
    return ColumnOfTextIndex(
        b.blockNumber(), p.shaped.TextIndex(std::clamp(position - b.position(), 0, b.length() - 1)),
        atColumnEnd, exact);
}

TVerticalLayout::ColumnRef TVerticalLayout::ColumnOfTextIndex(int bn, int idx, bool atColumnEnd,
                                                              bool exact) {
    ColumnRef r;
    if (!m_doc || bn < 0 || bn >= BlockCount()) return r;
    if (exact) EnsureAll();
    const TVerticalParagraph& p = Paragraph(bn);
    int c = static_cast<int>(p.columns.size()) - 1;
    for (int i = 0; i < static_cast<int>(p.columns.size()); ++i) {
        if (idx < p.columns[static_cast<size_t>(i)].end) {
            c = i;
            break;
        }
    }
    if (atColumnEnd && c > 0 && idx == p.columns[static_cast<size_t>(c)].start) {
        // The end of the column before, unless that one ended with a line separator.
        const TVerticalColumn& prev = p.columns[static_cast<size_t>(c - 1)];
        const bool separator =
            prev.endCluster > prev.firstCluster &&
            p.shaped.clusters[static_cast<size_t>(prev.endCluster - 1)].lineBreak;
        if (prev.end == idx && !separator) --c;
    }
    UpdatePrefix();
    return PlaceColumn(m_colPrefix, m_xPrefix, p, bn, c);
}

qreal TVerticalLayout::CaretY(const ColumnRef& column, int position) {
    const QTextBlock b = m_doc->findBlockByNumber(column.block);
    return CaretYText(column, Paragraph(column.block).shaped.TextIndex(position - b.position()));
}

qreal TVerticalLayout::CaretYText(const ColumnRef& column, int idx) {
    const TVerticalParagraph& p = Paragraph(column.block);
    const TVerticalColumn& col = p.columns[static_cast<size_t>(column.column)];
    qreal y = col.top;
    for (int k = col.firstCluster; k < col.endCluster; ++k) {
        const TVerticalCluster& cl = p.shaped.clusters[static_cast<size_t>(k)];
        if (idx < cl.start + cl.length) {
            if (idx > cl.start) y += cl.advance * (idx - cl.start) / cl.length;
            return y;
        }
        y += cl.advance + (k + 1 < col.endCluster ? col.spacing : 0);
    }
    return y;
}

int TVerticalLayout::HitTest(const ColumnRef& column, qreal y, bool* atColumnEnd) {
    if (atColumnEnd) *atColumnEnd = false;
    const QTextBlock b = m_doc->findBlockByNumber(column.block);
    const TVerticalParagraph& p = Paragraph(column.block);
    const TVerticalColumn& col = p.columns[static_cast<size_t>(column.column)];
    qreal y0 = col.top;
    for (int k = col.firstCluster; k < col.endCluster; ++k) {
        const TVerticalCluster& cl = p.shaped.clusters[static_cast<size_t>(k)];
        if (cl.lineBreak || y < y0 + cl.advance / 2)
            return b.position() + p.shaped.BlockPos(cl.start);
        y0 += cl.advance + col.spacing;
    }
    const bool last = column.column + 1 == static_cast<int>(p.columns.size());
    if (atColumnEnd && !last) *atColumnEnd = true;
    return b.position() + p.shaped.BlockPos(col.end);
}

int TVerticalLayout::CharacterAt(const ColumnRef& column, qreal y) {
    const QTextBlock b = m_doc->findBlockByNumber(column.block);
    const TVerticalParagraph& p = Paragraph(column.block);
    const TVerticalColumn& col = p.columns[static_cast<size_t>(column.column)];
    qreal y0 = col.top;
    int last = -1;
    for (int k = col.firstCluster; k < col.endCluster; ++k) {
        const TVerticalCluster& cl = p.shaped.clusters[static_cast<size_t>(k)];
        if (cl.lineBreak) break;
        last = k;
        if (y < y0 + cl.advance + col.spacing) break;
        y0 += cl.advance + col.spacing;
    }
    if (last < 0) return b.position() + p.shaped.BlockPos(col.start);
    return b.position() + p.shaped.BlockPos(p.shaped.clusters[static_cast<size_t>(last)].start);
}

int TVerticalLayout::ColumnStart(const ColumnRef& column) {
    const QTextBlock b = m_doc->findBlockByNumber(column.block);
    const TVerticalParagraph& p = Paragraph(column.block);
    return b.position() + p.shaped.BlockPos(p.columns[static_cast<size_t>(column.column)].start);
}

int TVerticalLayout::ColumnEnd(const ColumnRef& column) {
    const QTextBlock b = m_doc->findBlockByNumber(column.block);
    const TVerticalParagraph& p = Paragraph(column.block);
    const TVerticalColumn& col = p.columns[static_cast<size_t>(column.column)];
    if (col.endCluster > col.firstCluster &&
        p.shaped.clusters[static_cast<size_t>(col.endCluster - 1)].lineBreak)
        return b.position() +
               p.shaped.BlockPos(p.shaped.clusters[static_cast<size_t>(col.endCluster - 1)].start);
    return b.position() + p.shaped.BlockPos(col.end);
}
