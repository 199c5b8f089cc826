#include "tools/mktable/editiontables.h"

#include "catalogue/videolayout.h"
#include "editions/audio/audiolayout.h"
#include "editions/contact/contactlayout.h"
#include "editions/printedmedia/printedmedialayout.h"
#include "editions/software/softwarelayout.h"
#include "platform/core/text.h"

namespace orupim::tools {

const std::vector<std::pair<std::string_view, const db::RecordLayout*>>& editionTables() {
    static const std::vector<std::pair<std::string_view, const db::RecordLayout*>> tables{
        {"FLX", &catalogue::videoLayout()},  {"PRG", &editions::softwareLayout()},
        {"SND", &editions::audioLayout()},   {"BKS", &editions::printedMediaLayout()},
        {"PPL", &editions::contactLayout()},
    };
    return tables;
}

const db::RecordLayout* editionTable(std::string_view code) {
    for (const auto& [name, layout] : editionTables())
        if (equalsIgnoreCase(name, code))
            return layout;
    return nullptr;
}

} // namespace orupim::tools
