#pragma once
// Files dropped from the desktop on the editing panel: the filter watches every widget inside
// the panel (the views and whatever they are made of), accepts drags that carry local files
// and hands the dropped names to a callback. Drags of text within the editor pass through.

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <functional>

class QWidget;

class TFileDropFilter : public QObject {
    Q_OBJECT
public:
    TFileDropFilter(QWidget* panel, std::function<void(const QStringList&)> dropped,
                    QObject* parent);

    // The local file names a drag carries (empty when it carries none).
    static QStringList LocalFiles(const class QMimeData* mime);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> panel_;
    std::function<void(const QStringList&)> dropped_;
};
