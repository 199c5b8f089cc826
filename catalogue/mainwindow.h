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

    // The components, read-only: only the window's own handlers change them. Each widget also carries its
    // form name as object name.
    const db::Query& mainQuery() const { return mainQuery_; }
    // Named after the edition's data source (VideoDataSource).
    const db::DataSource& mainDataSource() const { return mainDataSource_; }
    ui::PageControl* pageControl() const { return pageControl_; }
    ui::StatusBar* statusBar() const { return statusBar_; }
    // SpeedButton1 to SpeedButton16, left to right.
    const std::array<ui::SpeedButton*, 16>& speedButtons() const { return speedButtons_; }
    // In the edition's page order.
    const std::vector<QWidget*>& pages() const { return pages_; }
    // In the edition's label order.
    const std::vector<ui::Label*>& labels() const { return labels_; }
    // DBEdit1 to DBEdit12, in the edition's control order.
    const std::vector<QWidget*>& dataControls() const { return dataControls_; }

    QWidget* dataControl(const std::string& name) const;
    ui::Label* label(const std::string& name) const;
    // The text a data control shows ("True"/"False" for a check box).
    std::string controlText(int controlIndex) const;

    // Set by the creation handler: whether the web browser's key exists, and the program it names.
    bool browserConfigured() const { return browserConfigured_; }
    const std::string& browserCommand() const { return browserCommand_; }

    // The handlers bound by the form, by the file that holds them.

    // mainwindowcreate.cpp: creation, showing, and the commands that share their steps.
    void FormCreate();
    void FormShow();
    void ExitClick();
    void ResetSetClick();
    void ReloadLists1Click();
    void AboutClick();

    // recordcommands.cpp
    void FirstRecClick();
    void PrevRecClick();
    void NextRecClick();
    void LastRecClick();
    void AddRecClick();
    void DeleteRecClick();
    void EditRecClick();
    void UndoChangesClick();
    void SaveRecClick();

    // duplicaterecord.cpp, printrecord.cpp, clipboardcommands.cpp, search.cpp
    void DupRecClick();
    void PrintRecClick();
    void CopyToClipClick();
    void PasteFromClipClick();
    void FindRecClick();

    // outsidecommands.cpp
    void EditLists1Click();
    void ReadNotices1Click();
    void HelpTopics1Click();
    void HomePage1Click();
    void Newsletter1Click();
    void FAQ1Click();

    // fieldenter.cpp: the field-enter handler of a data control (DBEdit1Enter to DBEdit12Enter): the entered
    // control becomes the search field and the field last entered.
    void fieldEnter(int controlIndex);

    // statusmessages.cpp: ShowErr writes the text of a message code into the left status panel at once, with
    // a beep when Sound is on.
    void ShowErr(Message code);
    void StatusBarClick();
    void StatusBarDblClick();

private:
    // mainwindowform.cpp
    void buildMenus();
    void buildToolBar();
    void buildPages();
    void buildStatusBar();
    QWidget* makeDataControl(const ControlDescription& description, QWidget* page);

    // mainwindowcreate.cpp: steps of the creation handler.
    void setUpAlias();
    void readSound(const IniFile& listFile);
    // Reads the list sections into the drop-down fields; with `replace` their entries are cleared first.
    void loadLists(const IniFile& listFile, bool replace);
    void lookUpBrowser();
    // The whole table in the record view again, with the counts taken at showing (Reset Data Set's steps).
    void showWholeTable();

    // recordcommands.cpp
    bool editing() const;
    // A move of the decision table: refused while editing (message 8) or at the edge it tests.
    void moveUnlessAtEdge(bool atEdge, Message edgeMessage, void (db::Query::*move)());
    // Re-opens the main query on the records whose key fields equal the texts DBEdit1 and DBEdit2 show.
    void keyReQuery();
    // The four steps of every change of the main query's statement.
    void runStatement(const std::string& statement);

    // search.cpp
    // Walks the open result with the data controls off, adding 1 to `count` per record; then, also when the
    // walk fails, moves to the first record and turns the controls on again.
    void countResult(std::int32_t& count);
    // Writes MatchCount and TotalCount into the right status panel.
    void showCounts();

    // printrecord.cpp: the name of Print Record's job: the print heading and the value that names the record.
    std::string printJobTitle();

    // clipboardcommands.cpp: Copy To Clipboard (true) or Paste From Clipboard (false) on the field last
    // entered.
    void clipboardCommand(bool copy);

    // outsidecommands.cpp: a web link: the browser started on the maker's page, or message 17 when no browser
    // is configured.
    void openWebPage(std::string_view page);

    const Edition& edition_;
    db::Query mainQuery_;           // MainQuery
    db::DataSource mainDataSource_; // MainDataSource
    ui::PageControl* pageControl_ = nullptr;
    ui::StatusBar* statusBar_ = nullptr;
    std::array<ui::SpeedButton*, 16> speedButtons_{};
    std::vector<QWidget*> pages_;
    std::vector<ui::Label*> labels_;
    std::vector<QWidget*> dataControls_;
    std::string browserCommand_;
    bool browserConfigured_ = false;
};

} // namespace orupim::catalogue
