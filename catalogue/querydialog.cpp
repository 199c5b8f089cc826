#include "catalogue/querydialog.h"

#include "catalogue/modulevalues.h"
#include "platform/ui/keyevents.h"
#include "platform/ui/label.h"
#include "platform/ui/qtext.h"
#include "platform/ui/speedbutton.h"

#include <QLineEdit>
#include <limits>

namespace orupim::catalogue {
namespace {

constexpr int KeyEnter = 13;
constexpr int KeyEscape = 27;
constexpr int LabelHeight = 13;

// The form's font: bold MS Sans Serif of 11 pixels (the framework maps the name to a face of its widths).
QFont dialogFont() {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    font.setBold(true);
    return font;
}

} // namespace

TQueryDialog::TQueryDialog(const Edition& edition) : edition_(edition) {
    setObjectName("QueryDialog");
    setCaption("SQL Select");
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(192, 192, 192));
    setPalette(palette);
    setAutoFillBackground(true);
    setFont(dialogFont());

    QueryLabel =
        addLabel("QueryLabel", "Please type the search pattern. Attention this is a case sensitive search.",
                 30, 14, 238, 26);
    QueryLabel->setWordWrap(true);
    SearchOnLabel = addLabel("SearchOnLabel", "Searching on :", 28, 50, 84, LabelHeight);
    FieldNameLabel = addLabel("FieldNameLabel", "Unknown", 130, 50, 54, LabelHeight);
    PatternLabel = addLabel("PatternLabel", "For pattern :", 28, 70, 71, LabelHeight);

    QueryEd = new QLineEdit(client());
    QueryEd->setObjectName("QueryEd");
    QueryEd->setFont(dialogFont());
    QueryEd->setGeometry(130, 68, 133, 21);
    // The old edit had no length limit of its own; Qt's default would cut a pasted pattern.
    QueryEd->setMaxLength(std::numeric_limits<int>::max());
    PatternLabel->setFocusControl(QueryEd);
    // The one control that takes the focus: it has it whenever the dialog is up.
    QueryEd->setFocus(Qt::OtherFocusReason);
    ui::onKeyDown(QueryEd, [this](int key) { QueryEdKeyDown(key); });

    ExecuteBut = addButton("ExecuteBut", "&Execute", 38, &TQueryDialog::ExeButClick);
    CancelBut = addButton("CancelBut", "&Cancel", 152, &TQueryDialog::CancelButClick);
    ui::onKeyDown(this, [this](int key) { FormKeyDown(key); });

    setClientSize(294, 149);
    centerOnScreen();
    setOnCreate([this] { FormCreate(); });
    setOnShow([this] { FormShow(); });
}

ui::Label* TQueryDialog::addLabel(const char* name, const char* text, int left, int top, int width,
                                  int height) {
    auto* label = new ui::Label(text, client());
    label->setObjectName(name);
    label->setFont(dialogFont());
    label->setGeometry(left, top, width, height);
    return label;
}

ui::SpeedButton* TQueryDialog::addButton(const char* name, const char* caption, int left,
                                         void (TQueryDialog::*handler)()) {
    auto* button = new ui::SpeedButton(client());
    button->setObjectName(name);
    button->setCaption(caption);
    button->setFont(dialogFont());
    button->setFixedSize(99, 25);
    button->move(left, 110);
    ui::connectGuarded(button, &QToolButton::clicked, this, [this, handler] { (this->*handler)(); });
    return button;
}

void TQueryDialog::FormCreate() {
    setCaption(WindowTitle.str());
}

void TQueryDialog::FormShow() {
    QueryCancelled = 0;
    FieldNameLabel->setCaption(SearchFieldLabel.str());
    if (edition_.searchFieldLabelWidth)
        FieldNameLabel->resize(*edition_.searchFieldLabelWidth, LabelHeight);
    else
        FieldNameLabel->resize(FieldNameLabel->sizeHint().width(), LabelHeight);
    // The edit is named by its label; the prompt and the field searched are what a screen reader adds.
    setAccessibleDescription(QueryLabel->text());
    QueryEd->setAccessibleDescription(
        ui::toQString(SearchOnLabel->caption() + " " + FieldNameLabel->caption()));
}

void TQueryDialog::ExeButClick() {
    SearchPattern = QueryEd->text().toStdString();
    close();
}

void TQueryDialog::CancelButClick() {
    QueryCancelled = 1;
    close();
}

void TQueryDialog::QueryEdKeyDown(int key) {
    keyDown(key);
}

void TQueryDialog::FormKeyDown(int key) {
    keyDown(key);
}

void TQueryDialog::keyDown(int key) {
    if (key == KeyEnter)
        ExeButClick();
    else if (key == KeyEscape)
        CancelButClick();
}

} // namespace orupim::catalogue
