#include "editing/TRangeCheckBox.h"

void TRangeCheckBox::mouseReleaseEvent(QMouseEvent* e) {
    // The release first toggles the box as usual; whatever it became, a mouse-up leaves it
    // unchecked.
    QCheckBox::mouseReleaseEvent(e);
    if (isChecked()) setChecked(false);
}
