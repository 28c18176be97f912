#include "print/TPdfExport.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include "print/TPageRenderer.h"
#include "print/TReportLayout.h"

TReportLayout TPdfExport::LayoutOf(const QPageLayout& page) {
    const QRectF full = page.fullRect(QPageLayout::Millimeter);
    const QMarginsF m = page.margins(QPageLayout::Millimeter);
    return TReportLayout::FromPage(full.height(), full.width(), m.top(), m.bottom(), m.left(),
                                   m.right());
}

int TPdfExport::Write(QTextDocument& document, const Options& options, QIODevice* out) {
    QPdfWriter writer(out);
    writer.setPageLayout(QPageLayout(options.pageSize, QPageLayout::Portrait,
                                     QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
    writer.setResolution(600);
    writer.setTitle(options.title);
    writer.setCreator(QStringLiteral("Orimaki"));
    const TReportLayout layout = LayoutOf(writer.pageLayout());
    if (!layout.Usable()) return -1;
    TPageRenderer renderer(&document, options.vertical);
    renderer.SetElementSize(QSizeF(layout.elementWidth, layout.elementHeight));
    QPainter painter;
    if (!painter.begin(&writer)) return -1;
    const int pages = renderer.PrintPages(painter, writer, 0, renderer.PageCount() - 1,
                                          QPointF(layout.elementLeft, layout.elementTop),
                                          [](int) { return true; });
    if (!painter.end()) return -1;
    return pages;
}
