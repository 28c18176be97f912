#include "editing/TFindHistory.h"

bool TFindHistory::Add(QStringList& list, const QString& text) {
    if (text.isEmpty() || list.contains(text)) return false;
    list.prepend(text);
    return true;
}
