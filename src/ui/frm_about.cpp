#include "ui/frm_about.h"

#include "common/qt_text.h"
#include "ui/app_icon.h"
#include "ui/clickable_label.h"
#include "ui/theme.h"
#include "ui/ui_texts.h"
#include "ui/window_chrome.h"
#include "web/mod_help.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace lumo::ui {

using chrome::twipsRect;

namespace {
constexpr QSize kClientSize{chrome::px(6825), chrome::px(3675)};

QLabel* label(const char* name, const QString& caption, const QRect& at, const QFont& font,
              QWidget* parent)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(at);
    label->setFont(font);
    label->setWordWrap(true);
    return label;
}

ClickableLabel* link(const char* name, const char* caption, const QRect& at, QWidget* parent)
{
    auto* link = new ClickableLabel(QLatin1String(name), toQString(caption), parent);
    link->placeText(at);
    link->setFont(theme::verdana(theme::kBodyPointSize, false, true));
    return link;
}
} // namespace

frmAbout::frmAbout(modHelp::PageLauncher& pages, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    chrome::makeFixedWindow(*this);
    setWindowFlag(Qt::Dialog);
    theme::applyWindowLook(*this);
    resize(kClientSize);

    auto* Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(twipsRect(120, 120, 480, 480));
    Picture1->setPixmap(applicationPixmap());
    Picture1->setAccessibleName(toQString(texts::kIconName));

    auto* cmdOK = new QPushButton(toQString(texts::kOk), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(twipsRect(5400, 3240, 1260, 345));
    chrome::nameAfterCaption(*cmdOK);
    cmdOK->setDefault(true);
    cmdOK->setAutoDefault(true);
    // Esc rejects the dialog, which closes it just as OK does.
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    auto* Line1 = new QFrame(this);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setGeometry(chrome::px(-60), chrome::px(3150), chrome::px(6840 + 60), 1);
    Line1->setAutoFillBackground(true);
    QPalette white = Line1->palette();
    white.setColor(QPalette::Window, theme::kText);
    Line1->setPalette(white);

    label("Label1", toQString(texts::kAboutDescription), twipsRect(840, 600, 5655, 1185),
          theme::verdana(theme::kBodyPointSize), this);
    label("Label2", windowCaption(), twipsRect(1320, 240, 4575, 255), theme::verdana(9.75, true),
          this);
    auto* lblCoBrand =
        link("lblCoBrand", texts::kAboutCoBrandLink, twipsRect(4320, 2805, 2355, 195), this);
    label("Label3", toQString(texts::kAboutHomeBusiness), twipsRect(840, 2130, 5685, 675),
          theme::verdana(theme::kBodyPointSize, true), this);
    auto* lblHomePage =
        link("lblHomePage", texts::kAboutHomePageLink, twipsRect(2640, 1800, 4050, 195), this);

    connect(lblCoBrand, &ClickableLabel::clicked, this,
            [&pages] { pages.open(modHelp::Page::FullyBranded); });
    connect(lblHomePage, &ClickableLabel::clicked, this,
            [&pages] { pages.open(modHelp::Page::Home); });
    // OK first, then the links from top to bottom.
    chrome::setTabChain({cmdOK, lblHomePage, lblCoBrand});
    chrome::fixSize(*this);
    cmdOK->setFocus();
}

} // namespace lumo::ui
