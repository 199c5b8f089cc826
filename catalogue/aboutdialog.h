// The about box TAboutDialog: names the program with the window title in its caption and title line. Created
// once at start-up, after the main window, and shown modally by the main window's about command.
#pragma once

#include "platform/ui/form.h"

class QLabel;

namespace orupim::ui {
class SpeedButton;
}

namespace orupim::catalogue {

class TAboutDialog : public ui::Form {
    Q_OBJECT
public:
    TAboutDialog();

    void FormCreate();
    void CloseButClick();
    // Enter (key code 13) closes the box; every other key, Escape included, does nothing.
    void FormKeyDown(int key);

    QLabel* LabProd_1 = nullptr;
    QLabel* LabProd_2 = nullptr;
    ui::SpeedButton* CloseBut = nullptr;
};

} // namespace orupim::catalogue
