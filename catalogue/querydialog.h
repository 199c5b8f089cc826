// The search dialog TQueryDialog: asks for the pattern of Find Record and names the field it searches.
// Created once at start-up, after the about box; its caption is the window title. Find Record shows it
// modally; Execute (or Enter) keeps the edit's text as the search pattern, Cancel (or Escape) abandons the
// search, and closing it from the title bar does neither, so that Find Record goes on with the pattern of the
// last Execute. Closing only hides it: the next Find Record shows the same dialog with the text it held.
#pragma once

#include "catalogue/edition.h"
#include "platform/ui/form.h"

class QLineEdit;

namespace orupim::ui {
class Label;
class SpeedButton;
} // namespace orupim::ui

namespace orupim::catalogue {

class TQueryDialog : public ui::Form {
    Q_OBJECT
public:
    explicit TQueryDialog(const Edition& edition);

    // Handlers bound by the form.
    void FormCreate();
    void FormShow();
    void ExeButClick();
    void CancelButClick();
    // Key-down handlers with the virtual-key code: 13 runs Execute, 27 Cancel; the key is not consumed.
    void QueryEdKeyDown(int key);
    void FormKeyDown(int key);

    // Components.
    ui::Label* QueryLabel = nullptr;
    ui::Label* SearchOnLabel = nullptr;
    ui::Label* FieldNameLabel = nullptr;
    ui::Label* PatternLabel = nullptr;
    QLineEdit* QueryEd = nullptr;
    ui::SpeedButton* ExecuteBut = nullptr;
    ui::SpeedButton* CancelBut = nullptr;

private:
    ui::Label* addLabel(const char* name, const char* text, int left, int top, int width, int height);
    ui::SpeedButton* addButton(const char* name, const char* caption, int left,
                               void (TQueryDialog::*handler)());
    // Execute and Cancel for the keys of both key handlers.
    void keyDown(int key);

    const Edition& edition_;
};

} // namespace orupim::catalogue
