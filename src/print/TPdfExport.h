#pragma once
// A document as a PDF file, through the same page renderer as the printer: the pages carry the
// text as text (searchable and copyable, in reading order), the fonts embedded, and the
// document's title in the file's information.

#include <QPageSize>
#include <QString>

class QIODevice;
class QTextDocument;
class QPagedPaintDevice;
class QPageLayout;
struct TReportLayout;

namespace TPdfExport {

struct Options {
    bool vertical = true;
    QPageSize pageSize = QPageSize(QPageSize::A4);
    QString title;
};

// Writes the document to `out`; the number of pages written, or -1 when the device fails.
int Write(QTextDocument& document, const Options& options, QIODevice* out);

// The report layout of a page layout (its full page and margins in millimetres).
TReportLayout LayoutOf(const QPageLayout& page);

}  // namespace TPdfExport
