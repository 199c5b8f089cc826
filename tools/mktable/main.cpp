// orupim-mktable EDITION... DIRECTORY: creates the empty table of each named edition (FLX, PRG, SND, BKS,
// PPL, or ALL for the five) in a host directory, as "<table>.db". An existing table is never replaced. Exit
// status: 0 done, 1 a table could not be created, 2 bad arguments.
#include "platform/core/errors.h"
#include "platform/db/session.h"
#include "tools/mktable/editiontables.h"

#include "platform/core/text.h"

#include <iostream>
#include <vector>

namespace {

int usage() {
    std::cerr << "usage: orupim-mktable EDITION... DIRECTORY\n"
                 "  EDITION: FLX, PRG, SND, BKS, PPL or ALL\n";
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    using namespace orupim;
    if (argc < 3)
        return usage();
    std::vector<const db::RecordLayout*> layouts;
    for (int i = 1; i < argc - 1; ++i) {
        if (equalsIgnoreCase(argv[i], "ALL")) {
            for (const auto& [code, layout] : tools::editionTables())
                layouts.push_back(layout);
        } else if (const auto* layout = tools::editionTable(argv[i])) {
            layouts.push_back(layout);
        } else {
            std::cerr << "orupim-mktable: unknown edition " << argv[i] << "\n";
            return usage();
        }
    }
    const std::filesystem::path directory = argv[argc - 1];
    for (const auto* layout : layouts) {
        try {
            db::Session::createTableInHostDirectory(directory, *layout);
            std::cout << (directory / (layout->table + ".db")).string() << "\n";
        } catch (const Error& error) {
            std::cerr << "orupim-mktable: " << error.message() << "\n";
            return 1;
        }
    }
    return 0;
}
