#pragma once
// Lays a document out into the text element of a printed page and paints it page after page.
//
// Vertically the columns run top to bottom with the element's height as their length, the
// first column on the right, and each page takes as many whole columns as fit into the
// element's width; pages follow in reading order. Horizontally the lines run top to bottom and
// a page takes as many whole lines as fit into the element's height. No column or line is ever
// cut between two pages. Fonts and formats are those of the views: the vertical layout and
// painter of the vertical view are used, with a layout of their own (the view's layout is
// never touched), and a horizontal page is the document's own text layout on a copy of it.
//
// Layout units are the views' pixels (96 per inch), so a 12-point character prints 12 points
// high on any device.

#include <QPointF>
#include <QPointer>
#include <QSizeF>
#include <QTextDocument>
#include <memory>
#include <vector>

class QPainter;
class QPagedPaintDevice;
class TVerticalLayout;

class TPageRenderer {
public:
    TPageRenderer(QTextDocument* document, bool vertical);
    ~TPageRenderer();
    TPageRenderer(const TPageRenderer&) = delete;
    TPageRenderer& operator=(const TPageRenderer&) = delete;

    static constexpr qreal kPixelsPerMm = 96.0 / 25.4;

    bool Vertical() const { return vertical_; }
    void SetVertical(bool vertical);
    // The element's size in millimetres (width, height).
    void SetElementSize(const QSizeF& mm);
    QSizeF ElementSize() const { return elementMm_; }

    // Pages of the document as it stands now (laid out again after the document changed).
    int PageCount();
    // Vertical: the first and last global column of a page (0-based).
    int FirstColumn(int page);
    int LastColumn(int page);
    // Characters of the page in reading order, without paragraph ends (for tests and checks).
    QString PageText(int page);

    // Paints page `page` (0-based) with the element's top-left corner at `elementTopLeft` in
    // the painter's coordinates, which have `dotsPerMm` device dots per millimetre.
    void PaintPage(QPainter& painter, int page, QPointF elementTopLeft, qreal dotsPerMm);

    // Prints the pages from..to (0-based, inclusive) onto a paged device (printer, PDF) whose
    // painter is already begun on it; the element sits at `elementTopLeftMm` of the device's
    // paint rectangle. `progress` is asked after each page whether to go on.
    template <typename Progress>
    int PrintPages(QPainter& painter, QPagedPaintDevice& device, int from, int to,
                   QPointF elementTopLeftMm, Progress progress);
    bool PrintPage(QPainter& painter, QPagedPaintDevice& device, int page, bool first,
                   QPointF elementTopLeftMm);

private:
    void Paginate();
    bool Stale() const;

    QPointer<QTextDocument> doc_;
    bool vertical_;
    QSizeF elementMm_{177, 264};
    std::unique_ptr<TVerticalLayout> layout_;
    std::unique_ptr<QTextDocument> copy_;  // the horizontal layout
    std::vector<int> pageStarts_;          // first column of each page (vertical)
    // Horizontal pages: the top and bottom of the lines each one shows, in the copy's layout.
    std::vector<std::pair<qreal, qreal>> lineSpans_;
    int revision_ = -1;
    bool dirty_ = true;
};

template <typename Progress>
int TPageRenderer::PrintPages(QPainter& painter, QPagedPaintDevice& device, int from, int to,
                              QPointF elementTopLeftMm, Progress progress) {
    int printed = 0;
    for (int page = from; page <= to && page < PageCount(); ++page) {
        if (!PrintPage(painter, device, page, printed == 0, elementTopLeftMm)) break;
        ++printed;
        if (!progress(page)) break;
    }
    return printed;
}
