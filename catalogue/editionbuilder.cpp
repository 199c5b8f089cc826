#include "catalogue/editionbuilder.h"

#include <string>
#include <utility>

namespace orupim::catalogue {

int defaultHeight(ControlKind kind) {
    switch (kind) {
    case ControlKind::CheckBox:
        return 17;
    case ControlKind::Memo:
        return 254;
    case ControlKind::TextField:
    case ControlKind::ListField:
        break;
    }
    return 21;
}

ClipboardStep defaultCopy(ControlKind kind) {
    switch (kind) {
    case ControlKind::ListField:
        return {ClipboardStep::Action::ListField};
    case ControlKind::CheckBox:
        return {ClipboardStep::Action::Refuse, 13};
    case ControlKind::TextField:
    case ControlKind::Memo:
        break;
    }
    return {ClipboardStep::Action::Edit};
}

ClipboardStep defaultPaste(ControlKind kind) {
    return defaultCopy(kind);
}

ControlDescription& addLabelledControl(Edition& edition, int number, ControlKind kind, std::string field,
                                       std::string caption, int page, int tabOrder, Place place,
                                       LabelPlace labelPlace) {
    const std::string n = std::to_string(number);
    LabelDescription label;
    label.name = "Label" + n;
    label.caption = std::move(caption);
    label.page = page;
    label.left = labelPlace.left;
    label.top = labelPlace.top;
    edition.labels.push_back(label);

    ControlDescription control;
    control.name = "DBEdit" + n;
    control.kind = kind;
    control.field = std::move(field);
    control.label = label.name;
    control.page = page;
    control.tabOrder = tabOrder;
    control.place = place;
    if (control.place.height == 0)
        control.place.height = defaultHeight(kind);
    control.enterHandler = control.name + "Enter";
    control.copy = defaultCopy(kind);
    control.paste = defaultPaste(kind);
    edition.controls.push_back(control);
    return edition.controls.back();
}

} // namespace orupim::catalogue
