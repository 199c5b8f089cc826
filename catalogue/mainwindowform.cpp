// The main window's form: the frame, the menus with their captions and disabled items, the tool bar, the
// pages with the edition's labels and data controls at their places and in their tab orders, and the status
// bar. Every command of a menu item and of its speed button goes to one handler.
#include "catalogue/mainwindow.h"

#include "catalogue/modulevalues.h"
#include "catalogue/pictures.h"
#include "platform/ui/bevel.h"
#include "platform/ui/dbcheckbox.h"
#include "platform/ui/dbcombobox.h"
#include "platform/ui/dbedit.h"
#include "platform/ui/dbmemo.h"
#include "platform/ui/enterevents.h"
#include "platform/ui/label.h"
#include "platform/ui/menus.h"
#include "platform/ui/pagecontrol.h"
#include "platform/ui/qtext.h"
#include "platform/ui/speedbutton.h"
#include "platform/ui/statusbar.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>
#include <algorithm>

namespace orupim::catalogue {
namespace {

constexpr int ClientWidth = 513;
constexpr int ClientHeight = 373;
constexpr int ToolBarHeight = 33;
constexpr int StatusBarHeight = 20;

using Command = void (TMainWindow::*)();

struct MenuItem {
    const char* name;
    std::string caption;
    Command handler; // nullptr: the item is disabled
};

struct Menu {
    const char* name;
    const char* caption;
    std::vector<MenuItem> items;
};

struct ToolButton {
    int left;
    std::string hint;
    Command handler;
};

QFont boldFont(int pixelSize = 11) {
    QFont font;
    font.setPixelSize(pixelSize);
    font.setBold(true);
    return font;
}

} // namespace

TMainWindow::TMainWindow(const Edition& edition) : edition_(edition), mainDataSource_(mainQuery_) {
    setObjectName("MainWindow");
    setCaption(edition_.designCaption);
    QFont font;
    font.setPixelSize(11);
    setFont(font);

    mainQuery_.setDatabaseName("ORUPIM");
    mainQuery_.addSql(edition_.designStatement);
    mainDataSource_.setAutoEdit(false);

    buildMenus();
    buildToolBar();
    buildPages();
    buildStatusBar();
    setClientSize(ClientWidth, ClientHeight);
    setWindowFlags((windowFlags() & ~Qt::WindowMaximizeButtonHint) | Qt::WindowMinimizeButtonHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    centerOnScreen();

    setOnCreate([this] { FormCreate(); });
    setOnShow([this] { FormShow(); });
}

TMainWindow::~TMainWindow() {
    // The controls let go of the data source before it goes.
    for (QWidget* control : dataControls_)
        delete control;
    dataControls_.clear();
}

void TMainWindow::buildMenus() {
    const MenuTexts& texts = edition_.menus;
    const std::vector<Menu> menus = {
        {"MenuFile",
         "&File",
         {{"Import", "&Import Data", nullptr},
          {"Export", "&Export Data", nullptr},
          {"N3", "-", nullptr},
          {"Backup1", "&Backup DB", nullptr},
          {"Restore1", "&Restore DB", nullptr},
          {"N4", "-", nullptr},
          {"Exit1", "&Exit", &TMainWindow::ExitClick}}},
        {"Edit1",
         "&Edit",
         {{"AddRecord1", "&Add Record", &TMainWindow::AddRecClick},
          {"DeleteRecord1", "&Delete Record", &TMainWindow::DeleteRecClick},
          {"N7", "-", nullptr},
          {"EditRecord1", "&Edit Record", &TMainWindow::EditRecClick},
          {"UndoChanges1", "&Undo Changes", &TMainWindow::UndoChangesClick},
          {"N8", "-", nullptr},
          {"SaveRecord1", "&Save Record", &TMainWindow::SaveRecClick},
          {"DuplicateRecord1", "Dupli&cate Record", &TMainWindow::DupRecClick}}},
        {"DataBase1",
         "&Navigate",
         {{"FirstRecord1", "&First Record", &TMainWindow::FirstRecClick},
          {"LastRecord1", "&Last Record", &TMainWindow::LastRecClick},
          {"N5", "-", nullptr},
          {"PreviousRecord1", "&Previous Record", &TMainWindow::PrevRecClick},
          {"NextRecord1", "&Next Record", &TMainWindow::NextRecClick},
          {"N6", "-", nullptr},
          {"FindRecord1", "Fin&d Record", &TMainWindow::FindRecClick},
          {"ResetDataSet1", "&Reset Data Set", &TMainWindow::ResetSetClick}}},
        {"Print1",
         "&Print",
         {{"PrintRecord1", "Print &Record", &TMainWindow::PrintRecClick},
          {"PrintSet1", "Print Set", nullptr}}},
        {"Utilities1",
         "&Utilities",
         {{"EditLists1", "&Edit Lists", &TMainWindow::EditLists1Click},
          {"ReloadLists1", "&Reload Lists", &TMainWindow::ReloadLists1Click}}},
        {"Internet1",
         "&Internet",
         {{"HomePage1", "&Home Page", &TMainWindow::HomePage1Click},
          {texts.newsletterItem.c_str(), texts.newsletterCaption, &TMainWindow::Newsletter1Click},
          {"N2", "-", nullptr},
          {"FAQ1", "&FAQ", &TMainWindow::FAQ1Click}}},
        {texts.helpMenu.c_str(),
         "&Help",
         {{"HelpTopics1", "&Help Topics", &TMainWindow::HelpTopics1Click},
          {"N1", "-", nullptr},
          {"ReadNotices1", texts.noticesCaption, &TMainWindow::ReadNotices1Click},
          {"N10", "-", nullptr},
          {texts.aboutItem.c_str(), texts.aboutCaption, &TMainWindow::AboutClick}}},
    };
    QMenuBar* bar = menuBar();
    bar->setObjectName("MainMenu");
    for (const Menu& menu : menus) {
        QMenu* qmenu = ui::addMenu(bar, menu.caption);
        qmenu->setObjectName(menu.name);
        qmenu->menuAction()->setObjectName(menu.name);
        for (const MenuItem& item : menu.items) {
            ui::Handler handler;
            if (item.handler)
                handler = [this, command = item.handler] { (this->*command)(); };
            QAction* action = ui::addMenuItem(qmenu, item.caption, handler);
            action->setObjectName(item.name);
        }
    }
}

void TMainWindow::buildToolBar() {
    const std::vector<ToolButton> buttons = {
        {2, "First Record", &TMainWindow::FirstRecClick},
        {28, "Previous Record", &TMainWindow::PrevRecClick},
        {54, "Next Record", &TMainWindow::NextRecClick},
        {80, "Last Record", &TMainWindow::LastRecClick},
        {110, "Find Record", &TMainWindow::FindRecClick},
        {136, "Reset Data Set", &TMainWindow::ResetSetClick},
        {166, "Add Record", &TMainWindow::AddRecClick},
        {192, "Delete Record", &TMainWindow::DeleteRecClick},
        {222, "Edit Record", &TMainWindow::EditRecClick},
        {248, "Undo Changes", &TMainWindow::UndoChangesClick},
        {278, "Save Record", &TMainWindow::SaveRecClick},
        {304, "Duplicate Record", &TMainWindow::DupRecClick},
        {334, "Copy To Clipboard", &TMainWindow::CopyToClipClick},
        {360, "Paste From Clipboard", &TMainWindow::PasteFromClipClick},
        {390, "Print Record", &TMainWindow::PrintRecClick},
        {420, edition_.menus.aboutHint, &TMainWindow::AboutClick},
    };
    auto* panel = new QWidget(client());
    panel->setObjectName("Panel1");
    panel->setGeometry(0, 0, ClientWidth, ToolBarHeight);
    // Thin lines along the tool bar's top and bottom edges.
    const std::pair<const char*, int> bevels[] = {{"Bevel1", 0}, {"Bevel2", ToolBarHeight - 2}};
    for (const auto& [name, top] : bevels)
        ui::addLineBevel(panel, name, 0, top, ClientWidth);
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        auto* button = new ui::SpeedButton(panel);
        const int number = static_cast<int>(i) + 1;
        button->setObjectName(QString("SpeedButton%1").arg(number));
        button->setHint(buttons[i].hint);
        button->setPicture(speedButtonPicture(number), QSize(SpeedButtonPictureSize, SpeedButtonPictureSize));
        button->move(buttons[i].left, 4);
        ui::connectGuarded(button, &QToolButton::clicked, this,
                           [this, command = buttons[i].handler] { (this->*command)(); });
        speedButtons_[i] = button;
    }
}

QWidget* TMainWindow::makeDataControl(const ControlDescription& description, QWidget* page) {
    QWidget* widget = nullptr;
    ui::DataControl* data = nullptr;
    switch (description.kind) {
    case ControlKind::TextField: {
        auto* edit = new ui::DBEdit(page);
        widget = edit;
        data = edit;
        break;
    }
    case ControlKind::ListField: {
        auto* combo = new ui::DBComboBox(page);
        widget = combo;
        data = combo;
        break;
    }
    case ControlKind::CheckBox: {
        auto* check = new ui::DBCheckBox(page);
        check->setText(ui::toQString(description.caption));
        check->setFont(boldFont());
        QPalette palette = check->palette();
        palette.setColor(QPalette::WindowText, QColor(0, 0, 128));
        check->setPalette(palette);
        widget = check;
        data = check;
        break;
    }
    case ControlKind::Memo: {
        auto* memo = new ui::DBMemo(page);
        widget = memo;
        data = memo;
        break;
    }
    }
    if (description.kind != ControlKind::CheckBox)
        widget->setFont(boldFont());
    widget->setObjectName(ui::toQString(description.name));
    data->setDataSource(&mainDataSource_);
    data->setDataField(description.field);
    const Place& place = description.place;
    widget->setGeometry(place.left, place.top, place.width, place.height);
    if (!description.caption.empty())
        widget->setAccessibleName(ui::toQString(description.caption));
    return widget;
}

void TMainWindow::buildPages() {
    pageControl_ = new ui::PageControl(client());
    pageControl_->setObjectName("PageControl");
    pageControl_->setGeometry(0, ToolBarHeight, ClientWidth, ClientHeight - ToolBarHeight - StatusBarHeight);
    pageControl_->setFont(boldFont());
    for (const PageDescription& page : edition_.pages) {
        QWidget* widget = pageControl_->addPage(page.caption);
        widget->setObjectName(ui::toQString(page.name));
        pages_.push_back(widget);
    }

    for (const LabelDescription& description : edition_.labels) {
        auto* label = new ui::Label(description.caption, pages_[static_cast<std::size_t>(description.page)]);
        label->setObjectName(ui::toQString(description.name));
        label->setFont(boldFont());
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, QColor(0, 0, 128));
        label->setPalette(palette);
        label->setAttribute(Qt::WA_TranslucentBackground);
        label->move(description.left, description.top);
        label->adjustSize();
        labels_.push_back(label);
    }

    for (std::size_t i = 0; i < edition_.controls.size(); ++i) {
        const ControlDescription& description = edition_.controls[i];
        QWidget* control = makeDataControl(description, pages_[static_cast<std::size_t>(description.page)]);
        dataControls_.push_back(control);
        if (ui::Label* own = label(description.label))
            own->setFocusControl(control);
        ui::onEnter(control, [this, i] { fieldEnter(static_cast<int>(i)); });
    }
    if (edition_.pageControlEnter) {
        const int target = edition_.controlIndex(*edition_.pageControlEnter);
        ui::onEnter(pageControl_, [this, target] { fieldEnter(target); });
    }

    // The Tab key walks each page's controls in their tab order, after the row of page tabs.
    QWidget* previous = pageControl_->tabBar();
    for (std::size_t page = 0; page < pages_.size(); ++page) {
        std::vector<const ControlDescription*> order;
        for (const auto& description : edition_.controls)
            if (description.page == static_cast<int>(page))
                order.push_back(&description);
        std::sort(order.begin(), order.end(), [](auto* a, auto* b) { return a->tabOrder < b->tabOrder; });
        for (const ControlDescription* description : order) {
            QWidget* control = dataControl(description->name);
            setTabOrder(previous, control);
            previous = control;
        }
    }
}

void TMainWindow::buildStatusBar() {
    statusBar_ = new ui::StatusBar(client());
    statusBar_->setObjectName("StatusBar");
    statusBar_->setFont(boldFont());
    statusBar_->setGeometry(0, ClientHeight - StatusBarHeight, ClientWidth, StatusBarHeight);
    statusBar_->addPanel(400, "PanelInfo");
    statusBar_->addPanel(50, "PanelRec ");
    ui::connectGuarded(statusBar_, &ui::StatusBar::clicked, this, [this] { StatusBarClick(); });
    ui::connectGuarded(statusBar_, &ui::StatusBar::doubleClicked, this, [this] { StatusBarDblClick(); });
}

QWidget* TMainWindow::dataControl(const std::string& name) const {
    const int index = edition_.controlIndex(name);
    return index < 0 ? nullptr : dataControls_[static_cast<std::size_t>(index)];
}

ui::Label* TMainWindow::label(const std::string& name) const {
    for (std::size_t i = 0; i < edition_.labels.size(); ++i)
        if (edition_.labels[i].name == name)
            return labels_[i];
    return nullptr;
}

std::string TMainWindow::controlText(int controlIndex) const {
    QWidget* widget = dataControls_[static_cast<std::size_t>(controlIndex)];
    if (auto* edit = qobject_cast<ui::DBEdit*>(widget))
        return edit->text().toStdString();
    if (auto* combo = qobject_cast<ui::DBComboBox*>(widget))
        return combo->editText();
    if (auto* memo = qobject_cast<ui::DBMemo*>(widget))
        return memo->storedText();
    if (auto* check = qobject_cast<ui::DBCheckBox*>(widget))
        return check->isChecked() ? ui::DBCheckBox::ValueChecked : ui::DBCheckBox::ValueUnchecked;
    return {};
}

} // namespace orupim::catalogue
