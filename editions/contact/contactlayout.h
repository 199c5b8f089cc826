// The contact edition's record layout: the table ppl, thirteen fields, Name required, in field-list order.
#pragma once

#include "platform/db/fielddef.h"

namespace orupim::editions {

inline const db::RecordLayout& contactLayout() {
    using db::FieldKind;
    static const db::RecordLayout layout{"ppl",
                                         {
                                             {"Name", FieldKind::Text, 50, true},
                                             {"Street", FieldKind::Text, 50},
                                             {"City", FieldKind::Text, 40},
                                             {"PostCode", FieldKind::Text, 40},
                                             {"Region", FieldKind::Text, 40},
                                             {"Country", FieldKind::Text, 30},
                                             {"Phone", FieldKind::Text, 30},
                                             {"Fax", FieldKind::Text, 30},
                                             {"Email", FieldKind::Text, 40},
                                             {"Web", FieldKind::Text, 40},
                                             {"Notes", FieldKind::Memo, 240},
                                             {"Business", FieldKind::Logical},
                                             {"Personal", FieldKind::Logical},
                                         }};
    return layout;
}

} // namespace orupim::editions
