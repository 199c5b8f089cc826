// The main window's creation and show handlers and the commands that share their steps: the alias pointed at
// the program directory, the main query opened, the window title, the caption table, the Sound setting, the
// lookup lists and the web browser's command; on showing, the whole table opened and counted. Reset Data Set
// and Reload Lists repeat steps of these; Exit and About, the window's own commands, are here too.
#include "catalogue/mainwindow.h"

#include "catalogue/aboutdialog.h"
#include "catalogue/messagetable.h"
#include "catalogue/modulevalues.h"
#include "catalogue/texts.h"
#include "platform/core/numberrule.h"
#include "platform/db/session.h"
#include "platform/files/filesystem.h"
#include "platform/profile/inifile.h"
#include "platform/registry/reginifile.h"
#include "platform/registry/registry.h"
#include "platform/ui/dbcombobox.h"
#include "platform/ui/label.h"
#include "platform/ui/screencursor.h"
#include "platform/ui/statusbar.h"

namespace orupim::catalogue {
namespace {

constexpr const char* AliasName = "ORUPIM";
constexpr const char* DefaultDriver = "PARADOX";
constexpr const char* SettingsKey = "Software\\Brenmoor\\OruPIM";
constexpr const char* SettingsSection = "Settings";
constexpr const char* SoundValue = "Sound";
// The mark of a start that has stored the settings: a text value beside Sound, written right after it, so a
// first start that fails between the two writes seeds Sound again next time.
constexpr const char* SeededValue = "Seeded";
constexpr const char* BrowserKey = "\\http\\shell\\open\\command";
constexpr const char* NoBrowserValue = "Zero";

} // namespace

void TMainWindow::setUpAlias() {
    db::Session& session = db::Session::instance();
    const std::string directory = files::programDirectory();
    StringList names;
    StringList params;
    session.aliasNames(names);
    if (names.indexOf(AliasName) < 0) {
        session.addStandardAlias(AliasName, directory, DefaultDriver);
        session.saveConfig();
        return;
    }
    session.aliasParams(AliasName, params);
    const std::string path = "PATH=" + directory;
    if (params.at(0) != path) {
        params.set(0, path);
        session.modifyAlias(AliasName, params);
        session.saveConfig();
    }
}

void TMainWindow::FormCreate() {
    setUpAlias();
    mainQuery_.open();

    WindowTitle = CountedString(edition_.windowTitle);
    setCaption(WindowTitle.str());
    statusBar_->setPanelText(0, "");
    statusBar_->setPanelText(1, "");
    for (std::size_t i = 0; i < FieldCaptions.size() && i < edition_.captionLabels.size(); ++i)
        if (ui::Label* own = label(edition_.captionLabels[i]))
            FieldCaptions[i] = CountedString(own->caption());

    ui::HourGlassScope hourGlass;
    IniFile listFile(files::programDirectory() + edition_.listFile);
    readSound(listFile);
    loadLists(listFile, false);
    if (edition_.looksUpBrowser)
        lookUpBrowser();
}

void TMainWindow::readSound(const IniFile& listFile) {
    RegIniFile settings(SettingsKey);
    if (settings.readString(SettingsSection, SeededValue, "") == "1") {
        SoundOn = numberOr(settings.readString(SettingsSection, SoundValue, "0"), 0) != 0;
        return;
    }
    SoundOn = listFile.readInteger(SettingsSection, SoundValue, 0) != 0;
    settings.writeString(SettingsSection, SoundValue, SoundOn ? "1" : "0");
    settings.writeString(SettingsSection, SeededValue, "1");
}

void TMainWindow::loadLists(const IniFile& listFile, bool replace) {
    std::vector<StringList> lists(edition_.lists.size());
    for (std::size_t i = 0; i < lists.size(); ++i)
        listFile.readSection(edition_.lists[i].section, lists[i]);
    for (std::size_t i = 0; i < lists.size(); ++i) {
        auto* field = qobject_cast<ui::DBComboBox*>(dataControl(edition_.lists[i].control));
        if (!field)
            continue;
        if (replace)
            field->clearEntries();
        field->addEntries(lists[i]);
    }
}

void TMainWindow::lookUpBrowser() {
    Registry registry;
    registry.setRootKey(RootKey::ClassesRoot);
    browserConfigured_ = registry.openKey(BrowserKey, false);
    if (!browserConfigured_)
        return;
    const std::string command = registry.valueExists("") ? registry.readString("") : NoBrowserValue;
    browserCommand_ = browserProgram(command);
}

void TMainWindow::FormShow() {
    TotalCount = 0;
    MatchCount = 0;
    SearchTableName = CountedString(edition_.table);
    if (!dataControls_.empty())
        dataControls_.front()->setFocus(Qt::OtherFocusReason);
    if (ui::Label* first = label(edition_.controls.front().label))
        SearchFieldLabel = searchFieldLabel(first->caption());
    SearchFieldName = CountedString(edition_.controls.front().field);
    NotSearchable = 0;

    runStatement(edition_.showStatement);
    // After the count, also when it fails: the records counted so far are the table and the result.
    auto showTableCounts = [this] {
        MatchCount = TotalCount;
        showCounts();
    };
    try {
        countResult(TotalCount);
    } catch (...) {
        showTableCounts();
        throw;
    }
    showTableCounts();
    ui::setScreenCursor(ui::ScreenCursor::Default);
}

void TMainWindow::ExitClick() {
    close();
}

void TMainWindow::ResetSetClick() {
    if (editing()) {
        ShowErr(Message::UndoOrSaveFirst);
        return;
    }
    showWholeTable();
}

void TMainWindow::showWholeTable() {
    runStatement(edition_.showStatement);
    MatchCount = TotalCount;
    showCounts();
}

void TMainWindow::ReloadLists1Click() {
    ui::HourGlassScope hourGlass;
    IniFile listFile(files::programDirectory() + edition_.listFile);
    loadLists(listFile, true);
}

void TMainWindow::AboutClick() {
    AboutDialog->showModal();
}

} // namespace orupim::catalogue
