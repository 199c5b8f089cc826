// The edition description: everything in which the five catalogue programs differ, as plain data. The
// catalogue code (main window, start-up, commands) reads one description and never asks which edition it
// runs; each executable is built with exactly one description (see thisedition.h). The few steps that differ
// between editions are chosen here by data: which lists are loaded into which fields, whether the web browser
// is looked up, which values Duplicate keeps and in which order it writes them, what the clipboard commands
// do per field, which field-enter handler each control runs and whether its field is searchable.
#pragma once

#include "catalogue/messagetable.h"
#include "platform/db/fielddef.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace orupim::catalogue {

struct Place {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// A page of the page control: its component name and its tab caption.
struct PageDescription {
    std::string name;    // "TabMain"
    std::string caption; // "Main"
};

// A field label: transparent, navy bold, to the left of the control it labels.
struct LabelDescription {
    std::string name;    // "Label1"
    std::string caption; // "Director :"
    int page = 0;        // index into Edition::pages
    int left = 0;
    int top = 0;
};

enum class ControlKind {
    TextField, // single-line data-aware edit
    ListField, // data-aware drop-down field, sorted items, takes typed text
    CheckBox,  // data-aware check box storing "True" / "False"
    Memo,      // multi-line data-aware memo
};

// What Copy To Clipboard or Paste From Clipboard does when a control is the field last entered.
struct ClipboardStep {
    enum class Action {
        Edit,      // the control's own copy or paste of its selection
        ListField, // the drop-down field's selected text to or from the clipboard as text
        Refuse,    // a status message and nothing else
    };
    Action action = Action::Edit;
    Message message = Message::FieldNotCopiable; // the message of a refusal
};

// Where a field-enter handler takes the caption that becomes the search field's label.
enum class SearchLabelSource {
    Label,      // the caption of the control's label
    OwnCaption, // the control's own caption (a check box that has no label of its own)
};

// One data control of the record view, DBEdit1 to DBEdit12.
struct ControlDescription {
    std::string name; // "DBEdit1"
    ControlKind kind = ControlKind::TextField;
    std::string field;   // the data field it shows
    std::string caption; // a check box's own caption; empty when it has none
    std::string label;   // the name of its label in Edition::labels; empty when it has none
    int page = 0;        // index into Edition::pages
    int tabOrder = 0;    // within its page, from 0
    Place place;
    SearchLabelSource searchLabel = SearchLabelSource::Label;
    bool searchable = true; // false: the handler sets NotSearchable to 1
    ClipboardStep copy;
    ClipboardStep paste;
};

// A list section of the lookup-list file and the drop-down field its key names fill.
struct ListSection {
    std::string section; // "Publisher"
    std::string control; // "DBEdit3"
};

// The menu and tool-bar texts that differ between editions.
struct MenuTexts {
    std::string newsletterItem;    // component name of the Internet menu's newsletter item
    std::string newsletterCaption; // "&Newsleter"
    std::string helpMenu;          // component name of the Help menu
    std::string noticesCaption;    // "&Read Notices..."
    std::string aboutItem;         // component name of the Help menu's about item
    std::string aboutCaption;      // "About OruFLX..."
    std::string aboutHint;         // hint of SpeedButton16, "About FLX"
};

struct Edition {
    // Constants.
    std::string deliverable;      // "OruFLX"
    std::string code;             // "FLX"
    std::string table;            // "flx"
    std::string designStatement;  // the form's statement of MainQuery, opened at creation
    std::string showStatement;    // run when the main window is shown and by Reset Data Set
    std::string listFile;         // the lookup-list file in the program directory
    std::string windowTitle;      // WindowTitle
    std::string applicationTitle; // the application's title
    std::string printHeading;     // the heading of Print Record
    std::string printJobField;    // the field whose value names the record in the print job's name
    std::string designCaption;    // the main window's caption before creation sets WindowTitle

    // The record layout of the edition's table, in the order of the query's field list.
    const db::RecordLayout* layout = nullptr;

    // The record view.
    std::vector<PageDescription> pages;
    std::vector<LabelDescription> labels;
    std::vector<ControlDescription> controls; // DBEdit1 to DBEdit12, in that order
    // The control whose field-enter handler the page control's own enter event runs, when it has one.
    std::optional<std::string> pageControlEnter;
    // The search dialog's FieldNameLabel: a fixed width at which a longer field label is cut; none: the label
    // sizes itself to its text.
    std::optional<int> searchFieldLabelWidth;

    // FieldCaptions: entry i holds the caption of the label named here (empty: the entry stays empty).
    std::vector<std::string> captionLabels;

    // Lookup lists, loaded in this order at creation and by Reload Lists.
    std::vector<ListSection> lists;
    // Whether the creation handler looks up the web browser's command.
    bool looksUpBrowser = true;

    // The key re-query: its two key columns (the fields of DBEdit1 and DBEdit2) and its statement format.
    std::vector<std::string> keyColumns;
    std::string keyReQueryFormat;

    // Duplicate Record: the controls whose texts it keeps, in the order they are read, and the fields it
    // writes them into, in the order they are written (each kept text goes into its own control's field).
    std::vector<std::string> duplicateKept;
    std::vector<std::string> duplicateWriteOrder;

    MenuTexts menus;

    // Look-ups by name; nullptr (or -1) when there is none.
    const ControlDescription* control(const std::string& name) const;
    const LabelDescription* label(const std::string& name) const;
    int controlIndex(const std::string& name) const;
    const ControlDescription* controlForField(const std::string& field) const;
};

} // namespace orupim::catalogue
