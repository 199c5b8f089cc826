// The audio edition's record layout: the table snd, thirteen fields, in field-list order.
#pragma once

#include "platform/db/fielddef.h"

namespace orupim::editions {

inline const db::RecordLayout& audioLayout() {
    using db::FieldKind;
    static const db::RecordLayout layout{"snd",
                                         {
                                             {"Artist", FieldKind::Text, 40},
                                             {"Title", FieldKind::Text, 40},
                                             {"Category", FieldKind::Text, 20},
                                             {"Format", FieldKind::Text, 10},
                                             {"Publisher", FieldKind::Text, 25},
                                             {"Code", FieldKind::Text, 20},
                                             {"Borrowed", FieldKind::Logical},
                                             {"Lent", FieldKind::Logical},
                                             {"Date", FieldKind::Date},
                                             {"Name", FieldKind::Text, 40},
                                             {"Tracks", FieldKind::AutoIncrement},
                                             {"Language", FieldKind::Text, 20},
                                             {"Notes", FieldKind::Memo, 240},
                                         }};
    return layout;
}

} // namespace orupim::editions
