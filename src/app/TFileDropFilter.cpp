#include "app/TFileDropFilter.h"

#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

TFileDropFilter::TFileDropFilter(QWidget* panel, std::function<void(const QStringList&)> dropped,
                                 QObject* parent)
    : QObject(parent), panel_(panel), dropped_(std::move(dropped)) {}

QStringList TFileDropFilter::LocalFiles(const QMimeData* mime) {
    QStringList names;
    if (!mime || !mime->hasUrls()) return names;
    for (const QUrl& url : mime->urls())
        if (url.isLocalFile()) names << url.toLocalFile();
    return names;
}

bool TFileDropFilter::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || !panel_ || (widget != panel_ && !panel_->isAncestorOf(widget))) return false;
    auto* drop = static_cast<QDropEvent*>(event);
    const QStringList files = LocalFiles(drop->mimeData());
    if (files.isEmpty()) return false;
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    if (type == QEvent::Drop && dropped_) dropped_(files);
    return true;
}
