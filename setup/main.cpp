// The entry point of the setup program OruInst.
#include "setup/startup.h"

int main(int argc, char** argv) {
    return orupim::setup::runSetup(argc, argv);
}
