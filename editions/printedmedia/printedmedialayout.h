// The printed-media edition's record layout: the table bks, twelve fields (no Tracks), Author, Title and
// Publisher required, in field-list order.
#pragma once

#include "platform/db/fielddef.h"

namespace orupim::editions {

inline const db::RecordLayout& printedMediaLayout() {
    using db::FieldKind;
    static const db::RecordLayout layout{"bks",
                                         {
                                             {"Author", FieldKind::Text, 40, true},
                                             {"Title", FieldKind::Text, 80, true},
                                             {"Language", FieldKind::Text, 20},
                                             {"Format", FieldKind::Text, 10},
                                             {"Publisher", FieldKind::Text, 40, true},
                                             {"ISBN", FieldKind::Text, 20},
                                             {"Name", FieldKind::Text, 40},
                                             {"Date", FieldKind::Date},
                                             {"Borrowed", FieldKind::Logical},
                                             {"Lent", FieldKind::Logical},
                                             {"Subject", FieldKind::Text, 20},
                                             {"Notes", FieldKind::Memo, 240},
                                         }};
    return layout;
}

} // namespace orupim::editions
