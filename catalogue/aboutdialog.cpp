#include "catalogue/aboutdialog.h"

#include "catalogue/modulevalues.h"
#include "platform/ui/bevel.h"
#include "platform/ui/keyevents.h"
#include "platform/ui/qtext.h"
#include "platform/ui/screencursor.h"
#include "platform/ui/speedbutton.h"

#include <QLabel>

namespace orupim::catalogue {
namespace {

constexpr int EnterKey = 13;

QLabel* addLine(QWidget* parent, const char* name, const QString& text, int top, const char* family,
                int pixelSize, QColor colour) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(pixelSize);
    font.setBold(true);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    label->setGeometry(60, top, 340, pixelSize + 8);
    return label;
}

} // namespace

TAboutDialog::TAboutDialog() {
    setObjectName("AboutDialog");
    setCaption("About");
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    QWidget* area = client();
    auto* icon = new QLabel(area);
    icon->setObjectName("AboutIco");
    icon->setGeometry(16, 16, 32, 32);
    icon->setPixmap(windowIcon().pixmap(32, 32));
    LabProd_1 =
        addLine(area, "LabProd_1", QStringLiteral("OruPIM personal catalogues"), 18, "Arial", 19, Qt::black);
    LabProd_2 = addLine(area, "LabProd_2", {}, 52, "Arial", 16, QColor(128, 0, 0));
    ui::addLineBevel(area, "Bevel1", 16, 92, 389);
    addLine(area, "LabMaker_1", QStringLiteral("Brenmoor"), 110, "MS Sans Serif", 11, Qt::black);
    addLine(area, "LabMaker_2", QStringLiteral("Windows 95 and NT Version"), 130, "MS Sans Serif", 11,
            Qt::black);
    addLine(area, "LabMaker_3", QStringLiteral("Keeps your videos, software, music, books and contacts."),
            150, "MS Sans Serif", 11, Qt::black);
    ui::addLineBevel(area, "Bevel2", 16, 250, 389);
    CloseBut = new ui::SpeedButton(area);
    CloseBut->setObjectName("CloseBut");
    CloseBut->setCaption("&Close");
    CloseBut->setFixedSize(99, 25);
    CloseBut->move((421 - 99) / 2, 280);
    ui::connectGuarded(CloseBut, &QToolButton::clicked, this, [this] { CloseButClick(); });
    ui::onKeyDown(this, [this](int key) { FormKeyDown(key); });
    setClientSize(421, 328);
    centerOnScreen();
    setOnCreate([this] { FormCreate(); });
}

void TAboutDialog::FormCreate() {
    ui::HourGlassScope hourGlass;
    setCaption((CountedString("About ") + WindowTitle.str()).str());
    LabProd_2->setText(ui::toQString(WindowTitle.str()));
    // A screen reader reads a dialog's description when it opens: the box's lines, top to bottom.
    QStringList lines;
    for (const char* name : {"LabProd_1", "LabProd_2", "LabMaker_1", "LabMaker_2", "LabMaker_3"})
        if (auto* line = findChild<QLabel*>(QString::fromLatin1(name)))
            lines << line->text();
    setAccessibleDescription(lines.join(QStringLiteral(". ")));
}

void TAboutDialog::CloseButClick() {
    close();
}

void TAboutDialog::FormKeyDown(int key) {
    if (key == EnterKey)
        CloseButClick();
}

} // namespace orupim::catalogue
