// The software edition's record layout: the table prg, twelve fields (no Tracks), in field-list order.
#pragma once

#include "platform/db/fielddef.h"

namespace orupim::editions {

inline const db::RecordLayout& softwareLayout() {
    using db::FieldKind;
    static const db::RecordLayout layout{"prg",
                                         {
                                             {"Title", FieldKind::Text, 40},
                                             {"Publisher", FieldKind::Text, 40},
                                             {"Author", FieldKind::Text, 40},
                                             {"Category", FieldKind::Text, 20},
                                             {"Format", FieldKind::Text, 10},
                                             {"Code", FieldKind::Text, 20},
                                             {"Language", FieldKind::Text, 20},
                                             {"Borrowed", FieldKind::Logical},
                                             {"Lent", FieldKind::Logical},
                                             {"Date", FieldKind::Date},
                                             {"Name", FieldKind::Text, 40},
                                             {"Notes", FieldKind::Memo, 240},
                                         }};
    return layout;
}

} // namespace orupim::editions
