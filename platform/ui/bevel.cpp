#include "platform/ui/bevel.h"

namespace orupim::ui {

QFrame* addLineBevel(QWidget* parent, const char* name, int left, int top, int width) {
    auto* bevel = new QFrame(parent);
    bevel->setObjectName(name);
    bevel->setFrameShape(QFrame::HLine);
    bevel->setFrameShadow(QFrame::Sunken);
    bevel->setGeometry(left, top, width, 2);
    return bevel;
}

} // namespace orupim::ui
