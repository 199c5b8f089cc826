// The video edition's record layout: the table flx and its fields in the order of the query's field list.
// Pure data, kept in a header so that the catalogue program and the table-creating tool share one copy.
#pragma once

#include "platform/db/fielddef.h"

namespace orupim::catalogue {

inline const db::RecordLayout& videoLayout() {
    using db::FieldKind;
    static const db::RecordLayout layout{"flx",
                                         {
                                             {"Title", FieldKind::Text, 40},
                                             {"Director", FieldKind::Text, 40},
                                             {"Category", FieldKind::Text, 20},
                                             {"Format", FieldKind::Text, 10},
                                             {"Publisher", FieldKind::Text, 25},
                                             {"Code", FieldKind::Text, 20},
                                             {"Language", FieldKind::Text, 20},
                                             {"Borrowed", FieldKind::Logical},
                                             {"Lent", FieldKind::Logical},
                                             {"Date", FieldKind::Date},
                                             {"Name", FieldKind::Text, 40},
                                             {"Tracks", FieldKind::AutoIncrement},
                                             {"Notes", FieldKind::Memo, 240},
                                         }};
    return layout;
}

} // namespace orupim::catalogue
