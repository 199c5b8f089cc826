// The entry point of every catalogue executable: the program of the edition it is built for.
#include "catalogue/startup.h"
#include "catalogue/thisedition.h"

int main(int argc, char** argv) {
    return orupim::catalogue::runCatalogue(argc, argv, orupim::catalogue::thisEdition());
}
