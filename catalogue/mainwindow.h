// The catalogue's main window TMainWindow: the menu bar, the tool bar of sixteen speed buttons, the page
// control with the edition's data controls and their labels, and the status bar of two panels. Its form is
// built from the edition description; every component carries its form name as its object name ("DBEdit1",
// "Exit1", "SpeedButton5"), so that it can be found by that name. The handlers keep the names the form binds
// them to.
#pragma once

#include "catalogue/edition.h"
#include "catalogue/messagetable.h"
#include "platform/db/datasource.h"
#include "platform/db/query.h"
#include "platform/ui/form.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orupim {
class IniFile;
}

namespace orupim::ui {
class Label;
class PageControl;
class SpeedButton;
class StatusBar;
} // namespace orupim::ui

namespace orupim::catalogue {

class TMainWindow : public ui::Form {
    Q_OBJECT
public:
    explicit TMainWindow(const Edition& edition);
    ~TMainWindow() override;

    const Edition& edition() const { return edition_; }

    // Handlers bound by the form.
    void FormCreate();
    void FormShow();
    void ExitClick();

    void FirstRecClick();
    void PrevRecClick();
    void NextRecClick();
    void LastRecClick();
    void AddRecClick();
    void DeleteRecClick();
    void EditRecClick();
    void UndoChangesClick();
    void SaveRecClick();

    void DupRecClick();
    void PrintRecClick();
    void CopyToClipClick();
    void PasteFromClipClick();

    void FindRecClick();
    void ResetSetClick();
    void EditLists1Click();
    void ReloadLists1Click();
    void HomePage1Click();
    void Newsletter1Click();
    void FAQ1Click();
    void HelpTopics1Click();
    void ReadNotices1Click();
    void AboutClick();

    void StatusBarClick();
    void StatusBarDblClick();

    // The field-enter handler of a data control (DBEdit1Enter to DBEdit12Enter): the entered control becomes
    // the search field and the field last entered.
    void fieldEnter(int controlIndex);

    // Writes the text of a message code into the left status panel at once, with a beep when Sound is on.
    void ShowErr(Message code);

    // Components.
    db::Query MainQuery;
    db::DataSource MainDataSource; // named after the edition's data source (VideoDataSource)
    ui::PageControl* PageControl = nullptr;
    ui::StatusBar* StatusBar = nullptr;
    std::array<ui::SpeedButton*, 16> SpeedButtons{};
    std::vector<QWidget*> Pages;        // in the edition's page order
    std::vector<ui::Label*> Labels;     // in the edition's label order
    std::vector<QWidget*> DataControls; // DBEdit1 to DBEdit12

    // Set by the creation handler.
    std::string BrowserCommand;
    bool BrowserConfigured = false;

    QWidget* dataControl(const std::string& name) const;
    ui::Label* label(const std::string& name) const;
    // The text a data control shows ("True"/"False" for a check box).
    std::string controlText(int controlIndex) const;

private:
    void buildMenus();
    void buildToolBar();
    void buildPages();
    void buildStatusBar();
    QWidget* makeDataControl(const ControlDescription& description, QWidget* page);

    // Steps of the creation handler.
    void setUpAlias();
    void readSound(const IniFile& listFile);
    // Reads the list sections into the drop-down fields; with `replace` their entries are cleared first.
    void loadLists(const IniFile& listFile, bool replace);
    void lookUpBrowser();

    // The name of Print Record's job: the print heading and the value that names the record.
    std::string printJobTitle();

    // A web link: the browser started on the maker's page, or a message when no browser is configured.
    void openWebPage(std::string_view page);

    bool editing() const;
    // A move of the decision table: refused while editing or at the edge it tests.
    void moveUnlessAtEdge(bool atEdge, Message edgeMessage, void (db::Query::*move)());
    // Re-opens the main query on the records whose key fields equal the texts DBEdit1 and DBEdit2 show.
    void keyReQuery();
    // Copy To Clipboard (true) or Paste From Clipboard (false) on the field last entered.
    void clipboardCommand(bool copy);
    // The four steps of every change of the main query's statement.
    void runStatement(const std::string& statement);
    // Walks the open result with the data controls off, adding 1 to `count` per record; then, also when the
    // walk fails, moves to the first record and turns the controls on again.
    void countResult(std::int32_t& count);
    // The whole table in the record view again, with the counts taken at showing (Reset Data Set's steps).
    void showWholeTable();
    // Writes MatchCount and TotalCount into the right status panel.
    void showCounts();

    const Edition& edition_;
};

} // namespace orupim::catalogue
