// A window of the form framework for the test over the accessibility bus: a main form with a status bar of
// two panels, and a modal-less dialog. Each line read on standard input is shown in the message panel
// ("counts <text>" in the counts panel); an empty line or the end of input ends the program.
#include "platform/ui/application.h"
#include "platform/ui/form.h"
#include "platform/ui/statusbar.h"

#include <QApplication>
#include <QSocketNotifier>
#include <iostream>
#include <string>
#include <unistd.h>

int main(int argc, char** argv) {
    QApplication qt(argc, argv);
    orupim::ui::Application application;
    application.setTitle("OruFLX 1.1");
    orupim::ui::Form* window = nullptr;
    application.createForm(window);
    window->setCaption("OruFLX 1.1");
    window->setClientSize(513, 60);
    auto* bar = new orupim::ui::StatusBar(window->client());
    bar->setGeometry(0, 40, 513, 20);
    bar->addPanel(400);
    bar->addPanel(50);

    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        std::string line;
        if (!std::getline(std::cin, line) || line.empty()) {
            application.terminate();
            return;
        }
        if (line.rfind("counts ", 0) == 0)
            bar->setPanelText(1, line.substr(7));
        else
            bar->setPanelText(0, line);
        std::cout << "shown" << std::endl;
    });
    std::cout << "ready" << std::endl;
    return application.run();
}
