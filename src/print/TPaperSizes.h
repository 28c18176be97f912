#pragma once
// The paper sizes a printed report can use, and the message that lists them when the printer
// is set to another one.

#include <QPageSize>
#include <QString>

namespace TPaperSizes {
// Whether the report can be laid out on this paper.
bool Supported(QPageSize::PageSizeId id);
// The message shown when the printer setup chose a paper outside the list: a table of the
// valid sizes laid out with spaces (every space, trailing ones too, is part of the table).
QString UnsupportedMessage();
// A paper size by its name as the command line takes it ("A4", "b5", "Letter" …);
// QPageSize::Custom when the name is not one of the list.
QPageSize::PageSizeId FromName(const QString& name);
}  // namespace TPaperSizes
